// A cover search by candidate weights, the second method of the optimised reduction. It
// keeps a cover one row smaller than the best complete one and exchanges rows: the row
// whose loss costs least leaves, and a row covering a random hole enters, the one that
// gains most. Every step each hole grows heavier, so holes that stay open for long pull
// the rows towards them; the search remembers no rows, only weights. A row that just
// entered may not leave at once, and a row that left may come back only after a candidate
// near it changed state, which keeps the search from circling.
#pragma once

#include <cstdint>
#include <vector>

#include "breakdown/FedesTablak.h"
#include "breakdown/FedesVeletlen.h"

namespace varion {

class SulyozottFedes {
public:
    SulyozottFedes(const FedesTablak& t, std::uint64_t mag);

    FedesVeletlen& Generator() { return g_; }
    // Installs a complete cover (candidate indices).
    void Kezdes(const std::vector<std::int32_t>& fedes);
    // Exchanges on until `munkaHatar` units of work (neighbourhood entries and rows
    // visited) are spent in all, or the best cover is at `alsoKorlat`.
    void Kor(std::int64_t munkaHatar, std::int32_t alsoKorlat);
    // Starts again from a complete cover better than its own, with fresh weights.
    void Atvetel(const std::vector<std::int32_t>& fedes) { Kezdes(fedes); }
    const std::vector<std::int32_t>& Legjobb() const { return legjobb_; }
    std::int64_t Munka() const { return munka_; }

private:
    using Pont = std::int64_t;

    void Hozzaad(std::int32_t j);
    void Elvesz(std::int32_t j);
    void FedetlenBe(std::int32_t c);
    void FedetlenKi(std::int32_t c);
    // The row of the cover whose loss costs least (not `tiltott`), the oldest on a tie.
    std::int32_t Kilepo(std::int32_t tiltott);
    // The row covering candidate `c` that gains most, the oldest on a tie.
    std::int32_t Belepo(std::int32_t c);

    const FedesTablak& t_;
    FedesVeletlen g_;
    // Per candidate: how many rows cover it, the xor of their indices (the single one when
    // one covers it), its weight, and its place in the hole list (-1 when covered).
    std::vector<std::int32_t> fedes_, xor_, hely_;
    std::vector<Pont> suly_;
    // Per candidate as a row: the weight it would gain (outside the cover) or lose
    // (inside), when it last changed, whether it may enter, its place in the cover.
    std::vector<Pont> pont_;
    std::vector<std::uint64_t> ido_;
    std::vector<char> szabad_;
    std::vector<std::int32_t> helyS_;
    std::vector<std::int32_t> jegyek_, fedetlen_, legjobb_;
    std::uint64_t lepes_ = 0;
    std::int32_t tiltott_ = -1; // the row that just entered
    std::int64_t munka_ = 0;
};

} // namespace varion
