// A set of small numbers (0..127) in two words: every row of the games fits, and the numbers
// two rows share are two popcounts away. Draws keep their numbers as they are (bit n for the
// number n); breakdowns keep the indices of the marked numbers.
#pragma once

#include <bit>
#include <cstdint>

namespace varion {

struct SzamMaszk {
    std::uint64_t Also = 0, Felso = 0;

    void Be(int i) {
        if (i >= 0 && i < 128) (i < 64 ? Also : Felso) |= std::uint64_t{1} << (i & 63);
    }
    bool Van(int i) const {
        return i >= 0 && i < 128 && (((i < 64 ? Also : Felso) >> (i & 63)) & 1U);
    }
    int Db() const { return std::popcount(Also) + std::popcount(Felso); }
    friend SzamMaszk operator&(SzamMaszk a, SzamMaszk b) {
        return {a.Also & b.Also, a.Felso & b.Felso};
    }
    bool operator==(const SzamMaszk&) const = default;
};

inline int KozosDb(SzamMaszk a, SzamMaszk b) {
    return (a & b).Db();
}

} // namespace varion
