#include "breakdown/HibapontIndex.h"

#include <algorithm>
#include <bit>

#include "breakdown/Kombinacio.h"

namespace varion {
namespace {

// Calls `f` with the colex rank of every `s`-subset of `len` positions, where
// ertek[p][i] is C(index at p, i + 1).
template <class F> void Reszhalmazok(const std::uint32_t (*ertek)[8], int len, int s, F f) {
    if (s == 0) {
        f(0u);
        return;
    }
    if (s > len) return;
    int poz[8];
    for (int i = 0; i < s; ++i) poz[i] = i;
    for (;;) {
        std::uint32_t rang = 0;
        for (int i = 0; i < s; ++i) rang += ertek[poz[i]][i];
        f(rang);
        if (!KovetkezoKombinacio(std::span(poz, static_cast<std::size_t>(s)), len)) return;
    }
}

} // namespace

HibapontIndex::Maszk HibapontIndex::MaszkBol(const std::uint8_t* sor, int k) {
    Maszk m;
    for (int i = 0; i < k; ++i) {
        if (sor[i] < 64)
            m.a |= std::uint64_t{1} << sor[i];
        else
            m.b |= std::uint64_t{1} << (sor[i] - 64);
    }
    return m;
}

void HibapontIndex::Torles() {
    maszkok_.clear();
    legujabb_.clear();
    fejek_.clear();
    lancok_.clear();
    lefedes_.clear();
    tabla_ = false;
}

void HibapontIndex::Beallitas(int n, int k, int kozosMax, const std::uint8_t* matrix,
                              std::int32_t sorok, int szelesseg, bool lefedo) {
    n_ = n;
    k_ = k;
    t_ = kozosMax + 1;
    for (int i = 0; i <= 90; ++i) {
        binom_[static_cast<std::size_t>(i)][0] = 1;
        for (int j = 1; j < 8; ++j)
            binom_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                i == 0 ? 0
                       : binom_[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] +
                             binom_[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j)];
    }
    const std::uint64_t meret =
        (t_ >= 1 && t_ <= 7 && n <= 90)
            ? binom_[static_cast<std::size_t>(n)][static_cast<std::size_t>(t_)]
            : TablaKorlat + 1;
    const std::uint64_t reszek =
        (t_ >= 1 && t_ <= k_ && n <= 90)
            ? binom_[static_cast<std::size_t>(n)][static_cast<std::size_t>(t_ - 1)]
            : TablaKorlat + 1;
    lefedes_.clear();
    if (lefedo && reszek <= TablaKorlat) lefedes_.assign(reszek, Maszk{});
    // With the union table the newest-row table only serves the stream bound (t = 1).
    tabla_ = meret <= TablaKorlat && (lefedes_.empty() || t_ == 1);
    legujabb_.assign(tabla_ ? meret : 0, 0);
    fejek_.clear();
    lancok_.clear();
    if (tabla_ && t_ >= 1 && t_ <= k_) fejek_.assign(reszek, Lancszem{});
    maszkok_.clear();
    maszkok_.reserve(static_cast<std::size_t>(sorok));
    for (std::int32_t r = 0; r < sorok; ++r)
        Hozzaad(matrix + static_cast<std::size_t>(r) * static_cast<std::size_t>(szelesseg));
}

void HibapontIndex::Hozzaad(const std::uint8_t* sor) {
    const Maszk m = MaszkBol(sor, k_);
    maszkok_.push_back(m);
    if ((!tabla_ && lefedes_.empty()) || t_ > k_ || t_ < 1) return;
    const auto szam = static_cast<std::int32_t>(maszkok_.size()); // newest row + 1
    std::uint32_t ertek[8][8];
    for (int p = 0; p < k_; ++p)
        for (int i = 0; i < t_; ++i) ertek[p][i] = binom_[sor[p]][static_cast<std::size_t>(i + 1)];
    if (!lefedes_.empty())
        Reszhalmazok(ertek, k_, t_ - 1, [&](std::uint32_t rang) {
            lefedes_[rang].a |= m.a;
            lefedes_[rang].b |= m.b;
        });
    if (!tabla_) return;
    Reszhalmazok(ertek, k_, t_, [&](std::uint32_t rang) { legujabb_[rang] = szam; });
    Reszhalmazok(ertek, k_, t_ - 1, [&](std::uint32_t rang) {
        Lancszem& fej = fejek_[rang];
        if (fej.Sor >= 0) {
            lancok_.push_back(fej);
            fej.Kov = static_cast<std::int32_t>(lancok_.size() - 1);
        }
        fej.Sor = szam - 1;
    });
}

bool HibapontIndex::ElotagVizsgalat(const std::uint8_t* elotag, Elotag& ki) const {
    if (!tabla_ || t_ > k_ || t_ < 1) return false;
    const int L = k_ - 1;
    const Maszk pm = MaszkBol(elotag, L);
    Maszk u;
    ki.Sor = -1;
    ki.Poz = -1;
    // The newest rows first, by mask: the conflicting row is usually among them, and every
    // row newer than it was tested on the way.
    const auto db = maszkok_.size();
    const std::size_t ablak = std::min<std::size_t>(db, Ablak);
    for (std::size_t i = 1; i <= ablak && ki.Sor < 0; ++i) {
        const Maszk& s = maszkok_[db - i];
        const int c = std::popcount(pm.a & s.a) + std::popcount(pm.b & s.b);
        if (c >= t_) {
            ki.Sor = static_cast<std::int32_t>(db - i);
        } else if (c == t_ - 1) {
            u.a |= s.a;
            u.b |= s.b;
        }
    }
    if (ki.Sor < 0 && ablak < db) {
        std::uint32_t ertek[8][8];
        for (int p = 0; p < L; ++p)
            for (int i = 0; i < t_; ++i)
                ertek[p][i] = binom_[elotag[p]][static_cast<std::size_t>(i + 1)];
        std::int32_t legjobb = 0;
        Reszhalmazok(ertek, L, t_,
                     [&](std::uint32_t rang) { legjobb = std::max(legjobb, legujabb_[rang]); });
        ki.Sor = legjobb - 1;
        // Rows newer than it that share one number less hold their common part with the
        // prefix as a (t-1)-subset; the window's rows may come again, which changes nothing.
        Reszhalmazok(ertek, L, t_ - 1, [&](std::uint32_t rang) {
            for (const Lancszem* l = &fejek_[rang]; l->Sor > ki.Sor; l = &Kovetkezo(*l)) {
                const Maszk& m = maszkok_[static_cast<std::size_t>(l->Sor)];
                u.a |= m.a;
                u.b |= m.b;
            }
        });
    }
    if (ki.Sor >= 0) {
        const Maszk& s = maszkok_[static_cast<std::size_t>(ki.Sor)];
        int c = 0;
        for (int p = 0; p < L && ki.Poz < 0; ++p) {
            const int v = elotag[p];
            if ((v < 64 ? (s.a >> v) & 1u : (s.b >> (v - 64)) & 1u) && ++c == t_) ki.Poz = p;
        }
    }
    ki.Utkozo[0] = u.a;
    ki.Utkozo[1] = u.b;
    return true;
}

int HibapontIndex::Pozicio(const std::uint8_t* jelolt, const Maszk& m, const Maszk& sor) const {
    // The candidate's position of the t-th common number, counted from the smallest.
    (void)m;
    int c = 0;
    for (int p = 0; p < k_; ++p) {
        const int v = jelolt[p];
        const bool kozos = v < 64 ? (sor.a >> v) & 1u : (sor.b >> (v - 64)) & 1u;
        if (kozos && ++c == t_) return p;
    }
    return -1;
}

int HibapontIndex::Utkozes(const std::uint8_t* jelolt) const {
    if (maszkok_.empty() || t_ > k_ || t_ < 1) return -1;
    const Maszk m = MaszkBol(jelolt, k_);
    if (!tabla_) {
        for (auto r = maszkok_.size(); r-- > 0;) {
            const Maszk& s = maszkok_[r];
            if (std::popcount(m.a & s.a) + std::popcount(m.b & s.b) >= t_)
                return Pozicio(jelolt, m, s);
        }
        return -1;
    }
    // Consecutive candidates share their prefix with the rows stored last, so the newest
    // conflicting row is most often among the newest few: a mask test settles those.
    const auto db = maszkok_.size();
    const std::size_t ablak = std::min<std::size_t>(db, Ablak);
    for (std::size_t i = 1; i <= ablak; ++i) {
        const Maszk& s = maszkok_[db - i];
        if (std::popcount(m.a & s.a) + std::popcount(m.b & s.b) >= t_) return Pozicio(jelolt, m, s);
    }
    if (ablak == db) return -1;
    // Otherwise the newest row among those holding any t-subset of the candidate.
    std::uint32_t ertek[8][8]; // ertek[p][i] = C(jelolt[p], i + 1)
    for (int p = 0; p < k_; ++p)
        for (int i = 0; i < t_; ++i)
            ertek[p][i] = binom_[jelolt[p]][static_cast<std::size_t>(i + 1)];
    std::int32_t legjobb = 0;
    Reszhalmazok(ertek, k_, t_,
                 [&](std::uint32_t rang) { legjobb = std::max(legjobb, legujabb_[rang]); });
    if (legjobb == 0) return -1;
    return Pozicio(jelolt, m, maszkok_[static_cast<std::size_t>(legjobb - 1)]);
}

} // namespace varion
