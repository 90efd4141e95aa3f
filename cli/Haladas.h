// A breakdown run from the command line. When stderr is a terminal the run goes on a
// worker thread and a progress line on stderr is rewritten twice a second; otherwise (a
// pipe, a file, a script) it runs in place and prints nothing extra.
#pragma once

#include <string>

#include "breakdown/UBontas.h"

namespace varion::cli {

// "Bontás folyamata: 12 %  -  1 234 változat  -  0:00:05"
std::string HaladasSor(const BontasHaladas& h);

void BontasFuttatas(TBontas& bontas);

} // namespace varion::cli
