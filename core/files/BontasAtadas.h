// Between the breakdown engine and its file: the finished breakdown as the file's writer
// reads it, a loaded one installed into the engine, and the draw table as the engine reads
// it.
#pragma once

#include <optional>

#include "breakdown/UBontas.h"
#include "conditions/FeltVizsgalat.h"
#include "draws/HuzasAdatbazis.h"
#include "files/BontasFajl.h"
#include "files/SzamsorFajl.h"

namespace varion {

// The engine's finished breakdown as the file's writer reads it, straight from the engine's
// memory; nothing while a run is going. Valid until the engine changes.
std::optional<BontasNezet> BontasNezetbol(const TBontas& bontas);

// Installs a loaded breakdown of the ticket `sor` in place of the engine's. False when the
// engine refuses it; its previous breakdown then stays.
bool BontasTelepites(TBontas& bontas, const SzamsorAdatok& sor, BontasAdatok b);
// The same with the rows in a block the engine takes over without a copy.
bool BontasTelepites(TBontas& bontas, const SzamsorAdatok& sor, BontasFejlec fej,
                     MatrixBlokk matrix);

HuzasTablaNezet HuzasNezet(const HuzasAdatbazis& db);

} // namespace varion
