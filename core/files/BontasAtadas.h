// Between the breakdown engine and its file: the finished breakdown as the file holds it,
// a loaded one installed into the engine, and the draw table as the engine reads it.
#pragma once

#include "breakdown/UBontas.h"
#include "conditions/FeltVizsgalat.h"
#include "draws/HuzasAdatbazis.h"
#include "files/BontasFajl.h"
#include "files/SzamsorFajl.h"

namespace varion {

// The engine's finished breakdown as the file's section holds it.
BontasAdatok BontasAdatokbol(const TBontas& bontas);

// Installs a loaded breakdown of the ticket `sor` into the engine (its previous breakdown
// goes). False when the engine refuses it; it is then empty.
bool BontasTelepites(TBontas& bontas, const SzamsorAdatok& sor, BontasAdatok b);

HuzasTablaNezet HuzasNezet(const HuzasAdatbazis& db);

} // namespace varion
