// Stored variations on standard output, one a line, numbers separated by single blanks.
#pragma once

#include "files/BontasFajl.h"
#include "files/SzamsorFajl.h"

namespace varion::cli {

void ValtozatokKiirasa(const SzamsorAdatok& sor, const BontasNezet& bontas);

} // namespace varion::cli
