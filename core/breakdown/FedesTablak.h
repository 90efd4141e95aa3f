// The read-only space the optimised reduction searches in: candidate lookup by mask, and
// for each candidate the candidates within e exchanged numbers (the ones a row equal to it
// would cover, itself included). Small spaces keep the neighbourhoods in one table built
// once; larger ones enumerate a neighbourhood from the mask each time it is needed, so
// memory grows with the candidates alone. Shared read-only by every search thread.
#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <vector>

#include "breakdown/Jeloltek.h"

namespace varion {

// What a selection of N numbers, K to a row and e error points costs the search.
struct FedesMeret {
    std::uint64_t Jeloltek = 0;    // C(N, K): the candidates without conditions
    std::uint64_t Szomszedsag = 0; // sum over j = 0..e of C(K, j) C(N-K, j)
};
FedesMeret FedesMeretSzamitas(int n, int k, int hibapont);

class FedesTablak {
public:
    // Neighbourhoods are kept in a table up to this many entries, enumerated above it.
    static constexpr std::uint64_t TablaKorlat = std::uint64_t{1} << 25;

    // False when the index table cannot be made (more than 2^32 ranks).
    bool Epites(std::span<const SorMaszk> jeloltek, int n, int k, int hibapont);

    int N() const { return n_; }
    std::int32_t Db() const { return static_cast<std::int32_t>(maszkok_.size()); }
    const SorMaszk& Maszk(std::int32_t c) const { return maszkok_[static_cast<std::size_t>(c)]; }
    // The candidate of this mask, -1 when the conditions exclude it.
    std::int32_t Index(const SorMaszk& m) const { return rangIndex_[Rang(m)]; }
    bool Tablas() const { return !kezdet_.empty(); }
    // The largest neighbourhood without conditions (every neighbourhood is at most this).
    std::int32_t Szomszedsag() const { return szomszedsag_; }

    // Calls `f(d)` for every candidate d in the neighbourhood of c, c itself first. When
    // `f` returns bool, false ends the walk early. Returns the entries visited (the work).
    // The table walk is inlined into its caller (so it is built for the caller's processor
    // features); the enumeration is not, its loops would swell every caller.
    template <class F> [[gnu::always_inline]] std::int64_t Bejar(std::int32_t c, F&& f) const;

private:
    std::uint64_t Rang(const SorMaszk& m) const {
        std::uint64_t r = 0;
        int i = 1;
        for (std::uint64_t w = m.a; w != 0; w &= w - 1) r += binom_[std::countr_zero(w)][i++];
        for (std::uint64_t w = m.b; w != 0; w &= w - 1) r += binom_[64 + std::countr_zero(w)][i++];
        return r;
    }
    template <class F> static bool Hiv(F& f, std::int32_t d) {
        if constexpr (std::same_as<std::invoke_result_t<F&, std::int32_t>, bool>)
            return f(d);
        else {
            f(d);
            return true;
        }
    }
    template <class F> [[gnu::noinline]] std::int64_t Felsorol(std::int32_t c, F& f) const;

    int n_ = 0, k_ = 0, e_ = 0;
    std::vector<SorMaszk> maszkok_;
    std::vector<std::int32_t> rangIndex_; // by colex rank
    std::vector<std::size_t> kezdet_;     // the table, when it is kept
    std::vector<std::int32_t> elemek_;
    std::int32_t szomszedsag_ = 0;
    std::uint64_t binom_[91][9]{};
};

template <class F> inline std::int64_t FedesTablak::Bejar(std::int32_t c, F&& f) const {
    if (Tablas()) {
        const auto i = static_cast<std::size_t>(c);
        std::int64_t db = 0;
        for (std::size_t p = kezdet_[i]; p < kezdet_[i + 1]; ++p) {
            ++db;
            if (!Hiv(f, elemek_[p])) break;
        }
        return db;
    }
    return Felsorol(c, f);
}

// Exchanges of j = 1..e numbers: j of the row's own numbers out, j others in, with the
// lowest chosen positions as plain nested loops (at most three deep).
template <class F> std::int64_t FedesTablak::Felsorol(std::int32_t c, F& f) const {
    const SorMaszk m = maszkok_[static_cast<std::size_t>(c)];
    int be[8], ki[90];
    int nb = 0, nk = 0;
    for (int i = 0; i < n_; ++i) (Benne(m, i) ? be[nb++] : ki[nk++]) = i;
    std::int64_t db = 1;
    if (!Hiv(f, c)) return db;
    const auto probal = [&](const SorMaszk& x) {
        const std::int32_t d = rangIndex_[Rang(x)];
        ++db;
        return d < 0 || Hiv(f, d);
    };
    for (int a = 0; a < nb; ++a) {
        SorMaszk m1 = m;
        Torol(m1, be[a]);
        for (int p = 0; p < nk; ++p) {
            SorMaszk x = m1;
            Beallit(x, ki[p]);
            if (!probal(x)) return db;
        }
    }
    if (e_ < 2) return db;
    for (int a = 0; a < nb; ++a)
        for (int b = a + 1; b < nb; ++b) {
            SorMaszk m2 = m;
            Torol(m2, be[a]);
            Torol(m2, be[b]);
            for (int p = 0; p < nk; ++p)
                for (int q = p + 1; q < nk; ++q) {
                    SorMaszk x = m2;
                    Beallit(x, ki[p]);
                    Beallit(x, ki[q]);
                    if (!probal(x)) return db;
                }
        }
    if (e_ < 3) return db;
    for (int a = 0; a < nb; ++a)
        for (int b = a + 1; b < nb; ++b)
            for (int g = b + 1; g < nb; ++g) {
                SorMaszk m3 = m;
                Torol(m3, be[a]);
                Torol(m3, be[b]);
                Torol(m3, be[g]);
                for (int p = 0; p < nk; ++p)
                    for (int q = p + 1; q < nk; ++q)
                        for (int r = q + 1; r < nk; ++r) {
                            SorMaszk x = m3;
                            Beallit(x, ki[p]);
                            Beallit(x, ki[q]);
                            Beallit(x, ki[r]);
                            if (!probal(x)) return db;
                        }
            }
    return db;
}

} // namespace varion
