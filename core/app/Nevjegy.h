// The about box ("Súgó" → "Névjegy"): the program's name, its version and the year.
#pragma once

#include <string>
#include <string_view>

#include "base/ProgramVerzio.h"

namespace varion {

inline constexpr std::string_view NevjegyCim = "  Névjegy";
inline constexpr std::string_view ProgramNev = "Varion";

// The lines under the name, separated by "\r": the version, what the program is for, and
// the year (`ev`).
std::string NevjegySzoveg(const ProgramVerzio& verzio, int ev);

} // namespace varion
