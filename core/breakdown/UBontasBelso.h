// What the parts of the engine share and nobody else needs: the row copy, the free-index
// search over 128-bit sets and the memory message.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "breakdown/HibapontIndex.h"
#include "breakdown/MatrixTar.h"

namespace varion::bontas_belso {

inline constexpr std::string_view NincsMemoria = NincsMemoriaSzoveg;
// Rows are copied eight bytes at a time; the slack keeps the last copy inside the buffer.
inline constexpr std::size_t Raadas = MatrixRaadas;
static_assert(Raadas >= 8);

inline std::uint64_t Csomag(const std::array<std::uint8_t, 8>& b) {
    std::uint64_t v;
    std::memcpy(&v, b.data(), 8);
    return v;
}

// The smallest value from `v` on whose bit is clear in the 128-bit set (128 when none).
inline int SzabadUtolso(const std::uint64_t (&foglalt)[2], int v) {
    if (v < 64) {
        const std::uint64_t w = ~foglalt[0] & (~std::uint64_t{0} << v);
        if (w) return std::countr_zero(w);
        v = 64;
    }
    if (v >= 128) return 128;
    const std::uint64_t w = ~foglalt[1] & (~std::uint64_t{0} << (v - 64));
    return w ? 64 + std::countr_zero(w) : 128;
}

inline int SzabadUtolso(const HibapontIndex::Maszk& m, int v) {
    const std::uint64_t foglalt[2] = {m.a, m.b};
    return SzabadUtolso(foglalt, v);
}

} // namespace varion::bontas_belso
