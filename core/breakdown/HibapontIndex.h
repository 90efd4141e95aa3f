// The stored rows of an error-point breakdown, indexed so that the covering test needs a few
// operations per candidate instead of a pass over every stored row. Each row is kept as a
// bit mask. For the passes with the wide jump, every (KozosMax + 1)-subset of its indices
// points to the newest row that contains it (the newest stored row sharing more than
// KozosMax numbers with a candidate is then the newest row among the candidate's own
// subsets), and every KozosMax-subset chains the rows holding it, newest first. For the
// passes without it, every KozosMax-subset keeps the union of the rows holding it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace varion {

class HibapontIndex {
public:
    struct Maszk {
        std::uint64_t a = 0, b = 0;
    };

    // Starts over for candidates of `k` indices below `n` that may share at most
    // `kozosMax` indices with a stored row; `sorok` rows of `szelesseg` bytes already
    // stored (their first k bytes are the indices) are indexed again. `lefedo` asks for
    // the union table below (a pass without the wide jump); the newest-row table is then
    // only kept where the stream bound needs it (kozosMax 0).
    void Beallitas(int n, int k, int kozosMax, const std::uint8_t* matrix, std::int32_t sorok,
                   int szelesseg, bool lefedo = false);
    void Hozzaad(const std::uint8_t* sor);
    void Torles();

    // The position in the candidate of the number at which the newest conflicting row
    // reaches kozosMax + 1 common numbers, or -1 when no stored row conflicts.
    int Utkozes(const std::uint8_t* jelolt) const;
    std::int32_t Sorok() const { return static_cast<std::int32_t>(maszkok_.size()); }

    // The outcome of every last index after a fixed prefix of k - 1 indices at once. The
    // newest row sharing kozosMax + 1 numbers with the prefix alone (`Sor`) conflicts with
    // every candidate of the prefix at a position inside it (`Poz`); a row newer than that
    // which shares exactly kozosMax numbers with the prefix conflicts only at the last
    // position, and only for the last indices it contains (`Utkozo`). Every other last
    // index meets `Sor` (a jump) or nothing (the candidate is accepted).
    struct Elotag {
        std::int32_t Sor = -1;
        int Poz = -1;
        std::uint64_t Utkozo[2]{};
    };
    // False when only the per-candidate test is available (no table).
    bool ElotagVizsgalat(const std::uint8_t* elotag, Elotag& ki) const;

    // Per (kozosMax)-subset T (colex rank), the union of every stored row holding T. A
    // prefix sharing at most kozosMax numbers with every row can take x as its next index
    // exactly when x lies in none of the unions of the prefix's kozosMax-subsets.
    bool Lefedo() const { return !lefedes_.empty(); }
    const Maszk& Lefedes(std::uint32_t rang) const { return lefedes_[rang]; }
    std::uint32_t Binom(int n, int k) const {
        return binom_[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
    int KozosMax() const { return t_ - 1; }
    // The stored rows holding a (kozosMax)-subset (colex rank), newest first, as a chain:
    // `Lanc(rang)` is the newest, `Kovetkezo` the next older one; `Sor` -1 ends it. Only
    // with the newest-row table.
    struct Lancszem {
        std::int32_t Sor = -1;
        std::int32_t Kov = -1; // index of the next older link, -1 at the oldest
    };
    bool Listak() const { return tabla_ && !fejek_.empty(); }
    const Lancszem& Lanc(std::uint32_t rang) const { return fejek_[rang]; }
    const Lancszem& Kovetkezo(const Lancszem& l) const {
        static constexpr Lancszem vege{};
        return l.Kov < 0 ? vege : lancok_[static_cast<std::size_t>(l.Kov)];
    }
    const Maszk& SorMaszk(std::int32_t sor) const {
        return maszkok_[static_cast<std::size_t>(sor)];
    }
    static Maszk MaszkBol(const std::uint8_t* sor, int k);

    // Above this many subsets the table would cost too much memory; the masks are then
    // scanned from the newest row instead (a few operations per row).
    static inline std::uint64_t TablaKorlat = std::uint64_t{1} << 23;
    // How many of the newest rows are tested by mask before the table is consulted.
    static inline std::size_t Ablak = 8;

private:
    int Pozicio(const std::uint8_t* jelolt, const Maszk& m, const Maszk& sor) const;

    int n_ = 0, k_ = 0, t_ = 1; // t_ = kozosMax + 1
    bool tabla_ = false;
    std::vector<Maszk> maszkok_;
    std::vector<std::int32_t> legujabb_; // per subset rank: newest row + 1, 0 when none
    std::vector<Lancszem> fejek_;        // per (t-1)-subset rank: the newest row holding it
    std::vector<Lancszem> lancok_;       // the older links of every chain
    std::vector<Maszk> lefedes_;         // per (t-1)-subset rank: union of rows
    std::array<std::array<std::uint32_t, 8>, 91> binom_{};
};

} // namespace varion
