// The running program's version: the four integers every data file starts with, and the
// version text shown to the player.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace varion {

struct ProgramVerzio {
    std::int32_t Fo = 0, Al = 0, Kiadas = 0, Forditas = 0;
    auto operator<=>(const ProgramVerzio&) const = default;
};

// The version of this build (from the project version).
ProgramVerzio SajatVerzio();

// Major, then "." + minor while minor, release or build is non-zero, then "." + release
// while release or build is non-zero, then "." + build while build is non-zero.
std::string VerzioSzoveg(const ProgramVerzio& v);

// The 16-byte header of every data file: the four integers, little-endian.
std::array<std::uint8_t, 16> VerzioFejlec(const ProgramVerzio& v);

} // namespace varion
