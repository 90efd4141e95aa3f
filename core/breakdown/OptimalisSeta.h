// The annealing walk of the optimised reduction: a cover of fixed size, the coverage count
// of every candidate and the list of uncovered ones. A step takes a random hole and lets a
// row one number short of it take one of its numbers (or a row covering it enter in place
// of a random one); a rise in holes is accepted by the temperature. Once the cover is
// complete it is kept as the best and the row whose loss leaves the fewest holes leaves.
#pragma once

#include <cstdint>
#include <vector>

#include "breakdown/FedesTablak.h"
#include "breakdown/FedesVeletlen.h"

namespace varion {

class OptimalisSeta {
public:
    // At `homerseklet` throughout, or cooling from it again and again when `hul`.
    OptimalisSeta(const FedesTablak& t, int k, int hibapont, std::uint64_t mag, double homerseklet,
                  bool hul);

    FedesVeletlen& Generator() { return g_; }
    // Installs a complete cover (candidate indices).
    void Kezdes(const std::vector<std::int32_t>& fedes);
    // Walks on until `munkaHatar` units of work (neighbourhood entries and rows visited)
    // are spent in all, or the best cover is at `alsoKorlat`.
    void Kor(std::int64_t munkaHatar, std::int32_t alsoKorlat);
    // Starts again from a complete cover better than its own, a few rows moved at random.
    void Atvetel(const std::vector<std::int32_t>& fedes);

    const std::vector<std::int32_t>& Legjobb() const { return legjobb_; }
    std::int64_t Munka() const { return munka_; }

private:
    void Hozzaad(std::int32_t j);
    void Elvesz(std::int32_t j);
    void Kivesz(std::int32_t c);
    // c is covered by row j alone / no longer.
    void Sajat(std::int32_t c, std::int32_t j);
    void NemSajat(std::int32_t c, std::int32_t j);
    std::int64_t Veszteseg(std::int32_t j, const SorMaszk& helyette, std::int64_t korlat);
    std::int64_t Veszteseg(std::int32_t j);
    std::int64_t Nyereseg(std::int32_t j);
    void Elhagyas();
    // A candidate one exchanged number away from c (c itself when none is found).
    std::int32_t Szomszed(std::int32_t c);
    void Lepes();
    void Korok(std::int64_t munkaHatar, std::int32_t alsoKorlat);
    void KorokBitszammal(std::int64_t munkaHatar, std::int32_t alsoKorlat);
    void KorokAltalanos(std::int64_t munkaHatar, std::int32_t alsoKorlat);

    const FedesTablak& t_;
    int kell_;
    double hom0_, hom_;
    bool hul_;
    FedesVeletlen g_;
    // Per candidate: how many rows cover it, the xor of their indices (the single one when
    // one covers it) and its place in the hole list (-1 when covered); as a row, how many
    // candidates it alone covers, and their list (linked through the candidates: each is
    // covered alone by one row at most).
    std::vector<std::int32_t> db_, xor_, hely_, veszt_;
    std::vector<std::int32_t> sajatFej_, sajatKov_, sajatElo_;
    std::vector<std::int32_t> fedetlen_, jegyek_, legjobb_, rovid_;
    std::int64_t munka_ = 0;
};

} // namespace varion
