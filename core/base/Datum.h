// Dates as the data files store them: days since 30 December 1899, the time of day as the
// fraction.
#pragma once

#include <chrono>

namespace varion {

// The moment in local time as such a day count.
double NapSzam(std::chrono::system_clock::time_point pillanat);
inline double MaiNap() {
    return NapSzam(std::chrono::system_clock::now());
}

} // namespace varion
