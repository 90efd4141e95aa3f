// The rich-text form of a report: one paragraph per line in "Courier New", bold where the
// line is bold, a page break after the lines that end a page. Characters outside ASCII are
// written as Unicode escapes, so the file reads the same under every code page.
#pragma once

#include <string>

#include "printing/Riport.h"

namespace varion {

// `betumeret` in points.
std::string RtfSzoveg(const Riport& r, int betumeret);

} // namespace varion
