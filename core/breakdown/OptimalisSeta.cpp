#include "breakdown/OptimalisSeta.h"

#include <algorithm>
#include <cmath>

namespace varion {
namespace {

inline std::size_t I(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

// What a step costs besides the entries it visits (drawing, lookups, the acceptance), in
// entries: it keeps a round about as long in time as the steps grow cheaper, and with it
// the restarts and take-overs, which are counted in rounds.
constexpr std::int64_t LepesMunka = 50;

// The r-th set bit of a mask.
[[gnu::always_inline]] inline int Bit(const SorMaszk& m, int r) {
    std::uint64_t w = m.a;
    const int alul = std::popcount(w);
    int eltolas = 0;
    if (r >= alul) {
        r -= alul;
        w = m.b;
        eltolas = 64;
    }
    for (; r > 0; --r) w &= w - 1;
    return eltolas + std::countr_zero(w);
}

[[gnu::always_inline]] inline int VeletlenBit(const SorMaszk& m, FedesVeletlen& g) {
    return Bit(m, static_cast<int>(g.Szam(static_cast<std::uint32_t>(Kozos(m, m)))));
}

} // namespace

OptimalisSeta::OptimalisSeta(const FedesTablak& t, int k, int hibapont, std::uint64_t mag,
                             double homerseklet, bool hul)
    : t_(t), kell_(k - hibapont), hom0_(homerseklet), hom_(homerseklet), hul_(hul), g_(mag) {}

void OptimalisSeta::Kezdes(const std::vector<std::int32_t>& fedes) {
    db_.assign(I(t_.Db()), 0);
    xor_.assign(I(t_.Db()), 0);
    veszt_.assign(I(t_.Db()), 0);
    sajatFej_.assign(I(t_.Db()), -1);
    sajatKov_.assign(I(t_.Db()), -1);
    sajatElo_.assign(I(t_.Db()), -1);
    hely_.assign(I(t_.Db()), -1);
    fedetlen_.clear();
    jegyek_ = fedes;
    for (const std::int32_t j : jegyek_) Hozzaad(j);
    legjobb_ = jegyek_;
}

void OptimalisSeta::Atvetel(const std::vector<std::int32_t>& fedes) {
    Kezdes(fedes);
    Elhagyas();
    // A few rows moved by one number: the same basin, another path through it.
    const std::uint32_t mozgat = 1 + g_.Szam(3);
    for (std::uint32_t i = 0; i < mozgat && !jegyek_.empty(); ++i) {
        const std::size_t hol = g_.Szam(static_cast<std::uint32_t>(jegyek_.size()));
        const std::int32_t uj = Szomszed(jegyek_[hol]);
        Elvesz(jegyek_[hol]);
        Hozzaad(uj);
        jegyek_[hol] = uj;
    }
    hom_ = hom0_;
}

// The cover is a multiset: a row may stand twice, and the xor and the counts follow it.
void OptimalisSeta::Hozzaad(std::int32_t j) {
    munka_ += t_.Bejar(j, [this, j](std::int32_t c) {
        std::int32_t& d = db_[I(c)];
        if (d == 0) {
            Kivesz(c);
            Sajat(c, j);
        } else if (d == 1) {
            NemSajat(c, xor_[I(c)]); // its single row no longer covers it alone
        }
        ++d;
        xor_[I(c)] ^= j;
    });
}

void OptimalisSeta::Elvesz(std::int32_t j) {
    munka_ += t_.Bejar(j, [this, j](std::int32_t c) {
        std::int32_t& d = db_[I(c)];
        --d;
        xor_[I(c)] ^= j;
        if (d == 0) {
            NemSajat(c, j);
            hely_[I(c)] = static_cast<std::int32_t>(fedetlen_.size());
            fedetlen_.push_back(c);
        } else if (d == 1) {
            Sajat(c, xor_[I(c)]);
        }
    });
}

void OptimalisSeta::Kivesz(std::int32_t c) {
    const std::int32_t h = hely_[I(c)];
    if (h < 0) return;
    const std::int32_t utolso = fedetlen_.back();
    fedetlen_[I(h)] = utolso;
    hely_[I(utolso)] = h;
    fedetlen_.pop_back();
    hely_[I(c)] = -1;
}

[[gnu::always_inline]] inline void OptimalisSeta::Sajat(std::int32_t c, std::int32_t j) {
    ++veszt_[I(j)];
    const std::int32_t elso = sajatFej_[I(j)];
    sajatKov_[I(c)] = elso;
    sajatElo_[I(c)] = -1;
    if (elso >= 0) sajatElo_[I(elso)] = c;
    sajatFej_[I(j)] = c;
}

[[gnu::always_inline]] inline void OptimalisSeta::NemSajat(std::int32_t c, std::int32_t j) {
    --veszt_[I(j)];
    const std::int32_t elo = sajatElo_[I(c)], kov = sajatKov_[I(c)];
    (elo >= 0 ? sajatKov_[I(elo)] : sajatFej_[I(j)]) = kov;
    if (kov >= 0) sajatElo_[I(kov)] = elo;
}

// Candidates only row j covers, less those `helyette` would cover instead; counting stops
// above `korlat`. Read from the row's own list: a few dozen entries where its neighbourhood
// has thousands (enumerated from the masks on large spaces, two thirds of the walk's time).
[[gnu::always_inline]] inline std::int64_t
OptimalisSeta::Veszteseg(std::int32_t j, const SorMaszk& helyette, std::int64_t korlat) {
    std::int64_t v = 0;
    for (std::int32_t c = sajatFej_[I(j)]; c >= 0 && v <= korlat; c = sajatKov_[I(c)]) {
        ++munka_;
        v += Kozos(t_.Maszk(c), helyette) < kell_;
    }
    return v;
}

std::int64_t OptimalisSeta::Veszteseg(std::int32_t j) {
    return veszt_[I(j)];
}

// Few holes are counted from the hole list, many from the neighbourhood.
[[gnu::always_inline]] inline std::int64_t OptimalisSeta::Nyereseg(std::int32_t j) {
    std::int64_t v = 0;
    if (static_cast<std::int64_t>(fedetlen_.size()) * 4 < t_.Szomszedsag()) {
        const SorMaszk m = t_.Maszk(j);
        for (const std::int32_t c : fedetlen_) v += Kozos(t_.Maszk(c), m) >= kell_;
        munka_ += static_cast<std::int64_t>(fedetlen_.size());
        return v;
    }
    munka_ += t_.Bejar(j, [&](std::int32_t c) { v += db_[I(c)] == 0; });
    return v;
}

// Drops the row whose loss leaves the fewest holes.
void OptimalisSeta::Elhagyas() {
    munka_ += static_cast<std::int64_t>(jegyek_.size());
    std::size_t hol = 0;
    std::int64_t legkisebb = -1;
    std::uint32_t egyenlo = 0;
    for (std::size_t i = 0; i < jegyek_.size(); ++i) {
        const std::int64_t v = Veszteseg(jegyek_[i]);
        if (legkisebb < 0 || v < legkisebb) {
            legkisebb = v;
            hol = i;
            egyenlo = 1;
        } else if (v == legkisebb && g_.Szam(++egyenlo) == 0) {
            hol = i;
        }
    }
    Elvesz(jegyek_[hol]);
    jegyek_[hol] = jegyek_.back();
    jegyek_.pop_back();
}

[[gnu::always_inline]] inline std::int32_t OptimalisSeta::Szomszed(std::int32_t c) {
    const SorMaszk m = t_.Maszk(c);
    SorMaszk kint{~m.a, ~m.b};
    const int n = t_.N();
    if (n < 64)
        kint.a &= (std::uint64_t{1} << n) - 1, kint.b = 0;
    else
        kint.b &= n >= 128 ? ~std::uint64_t{0} : (std::uint64_t{1} << (n - 64)) - 1;
    if (Kozos(kint, kint) == 0) return c;
    for (int probak = 0; probak < 8; ++probak) {
        SorMaszk x = m;
        Torol(x, VeletlenBit(m, g_));
        Beallit(x, VeletlenBit(kint, g_));
        if (const std::int32_t d = t_.Index(x); d >= 0) return d;
    }
    return c;
}

[[gnu::always_inline]] inline void OptimalisSeta::Lepes() {
    if (hul_ && (hom_ *= 0.9997) < 0.04) hom_ = hom0_;
    // A random hole; preferably a row one number short of it takes one of its numbers
    // for one of its own.
    const std::int32_t u = fedetlen_[g_.Szam(static_cast<std::uint32_t>(fedetlen_.size()))];
    const SorMaszk mu = t_.Maszk(u);
    rovid_.clear();
    for (std::size_t i = 0; i < jegyek_.size(); ++i)
        if (Kozos(t_.Maszk(jegyek_[i]), mu) == kell_ - 1)
            rovid_.push_back(static_cast<std::int32_t>(i));
    munka_ += static_cast<std::int64_t>(jegyek_.size());
    std::int32_t uj = -1;
    std::size_t hol = 0;
    if (!rovid_.empty()) {
        hol = I(rovid_[g_.Szam(static_cast<std::uint32_t>(rovid_.size()))]);
        SorMaszk m = t_.Maszk(jegyek_[hol]);
        const SorMaszk kulon{m.a & ~mu.a, m.b & ~mu.b};
        const SorMaszk hiany{mu.a & ~m.a, mu.b & ~m.b};
        Torol(m, VeletlenBit(kulon, g_));
        Beallit(m, VeletlenBit(hiany, g_));
        uj = t_.Index(m);
    }
    if (uj < 0) {
        uj = Szomszed(u);
        hol = g_.Szam(static_cast<std::uint32_t>(jegyek_.size()));
    }
    const std::int32_t regi = jegyek_[hol];
    if (uj == regi) return;
    // The largest rise this step may take, drawn first: the loss count can then stop as
    // soon as it is exceeded.
    const double r = g_.Egyseg();
    const int tures = r > 0 ? static_cast<int>(-hom_ * std::log(r)) : 1 << 20;
    const std::int64_t nyer = Nyereseg(uj);
    // What the leaving row alone covers bounds its loss: often enough that settles it.
    if (veszt_[I(regi)] > nyer + tures &&
        Veszteseg(regi, t_.Maszk(uj), nyer + tures) > nyer + tures)
        return;
    Elvesz(regi);
    Hozzaad(uj);
    jegyek_[hol] = uj;
}

[[gnu::always_inline]] inline void OptimalisSeta::Korok(std::int64_t munkaHatar,
                                                        std::int32_t alsoKorlat) {
    while (munka_ < munkaHatar) {
        if (fedetlen_.empty()) {
            legjobb_ = jegyek_;
            if (static_cast<std::int32_t>(jegyek_.size()) <= std::max(1, alsoKorlat)) return;
            Elhagyas();
            continue; // a row that covered nothing alone leaves no hole
        }
        Lepes();
        munka_ += LepesMunka;
    }
}

// The walk compares masks all the time: where the processor counts bits in one instruction
// it runs in a copy built for it (the generic target calls a library routine instead, a
// third of the walk's time). Everything that counts bits is inlined into both copies. The
// copy is chosen here, not by the loader: a loader-resolved function crashes under the
// thread sanitizer, which is not yet running when the loader resolves it.
[[gnu::target("popcnt")]] void OptimalisSeta::KorokBitszammal(std::int64_t munkaHatar,
                                                              std::int32_t alsoKorlat) {
    Korok(munkaHatar, alsoKorlat);
}

void OptimalisSeta::KorokAltalanos(std::int64_t munkaHatar, std::int32_t alsoKorlat) {
    Korok(munkaHatar, alsoKorlat);
}

void OptimalisSeta::Kor(std::int64_t munkaHatar, std::int32_t alsoKorlat) {
    static const bool bitszam = __builtin_cpu_supports("popcnt");
    if (bitszam)
        KorokBitszammal(munkaHatar, alsoKorlat);
    else
        KorokAltalanos(munkaHatar, alsoKorlat);
}

} // namespace varion
