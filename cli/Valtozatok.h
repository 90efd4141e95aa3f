// Stored variations on standard output, one a line, numbers separated by single blanks.
#pragma once

#include "files/SzamsorFajl.h"
#include "files/BontasFajl.h"

namespace varion::cli {

void ValtozatokKiirasa(const SzamsorAdatok& sor, const BontasAdatok& bontas);

} // namespace varion::cli
