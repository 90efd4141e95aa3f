#include "breakdown/FedoRendszer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "breakdown/FedesVeletlen.h"
#include "breakdown/Kombinacio.h"

namespace varion {
namespace {

using Maszk = std::uint64_t;

Maszk Bit(int i) {
    return Maszk{1} << i;
}

struct Binomok {
    std::uint64_t c[65][9]{};
    Binomok() {
        for (int n = 0; n <= 64; ++n) {
            c[n][0] = 1;
            for (int j = 1; j <= 8; ++j) c[n][j] = n == 0 ? 0 : c[n - 1][j - 1] + c[n - 1][j];
        }
    }
};
const Binomok binom;

// Calls `f` with every t-subset of `sor` that contains `kell`.
template <class F> void Reszhalmazok(Maszk sor, Maszk kell, int t, F&& f) {
    const int hiany = t - std::popcount(kell);
    std::array<int, 64> szabad;
    int n = 0;
    for (Maszk w = sor & ~kell; w != 0; w &= w - 1) szabad[n++] = std::countr_zero(w);
    if (hiany < 0 || hiany > n) return;
    std::array<int, 8> c{};
    for (int i = 0; i < hiany; ++i) c[i] = i;
    for (;;) {
        Maszk m = kell;
        for (int i = 0; i < hiany; ++i) m |= Bit(szabad[c[i]]);
        f(m);
        if (!KovetkezoKombinacio(std::span(c).first(static_cast<std::size_t>(hiany)), n)) return;
    }
}

// The rows, how many of them hold each t-subset, and the t-subsets none holds (a list with
// positions, so that opening and closing one is constant work).
class Terv {
public:
    Terv(int v, int t) : t_(t), db_(binom.c[v][t]), fedes_(db_, 0), hely_(db_, -1), reszek_(db_) {
        Reszhalmazok(v == 64 ? ~Maszk{0} : Bit(v) - 1, 0, t,
                     [this](Maszk m) { reszek_[Rang(m)] = m; });
        for (std::size_t r = 0; r < db_; ++r) Nyit(r);
    }

    const std::vector<Maszk>& Sorok() const { return sorok_; }
    bool Kesz() const { return nyitott_.empty(); }
    Maszk Nyitott(FedesVeletlen& g) const {
        return reszek_[nyitott_[g.Szam(static_cast<std::uint32_t>(nyitott_.size()))]];
    }

    void Hozzaad(Maszk sor) {
        sorok_.push_back(sor);
        Felvesz(sor);
    }
    void Csere(std::size_t i, Maszk uj) {
        Lead(sorok_[i]);
        sorok_[i] = uj;
        Felvesz(uj);
    }
    void Torles(std::size_t i) {
        Lead(sorok_[i]);
        sorok_[i] = sorok_.back();
        sorok_.pop_back();
    }
    void Betoltes(const std::vector<Maszk>& s) {
        while (!sorok_.empty()) Torles(sorok_.size() - 1);
        for (const Maszk m : s) Hozzaad(m);
    }
    // The t-subsets of `sor` containing `kell` that exactly `darab` rows hold.
    int Szamol(Maszk sor, Maszk kell, std::int32_t darab) const {
        int db = 0;
        Reszhalmazok(sor, kell, t_, [&](Maszk m) { db += fedes_[Rang(m)] == darab; });
        return db;
    }

private:
    std::size_t Rang(Maszk m) const {
        std::uint64_t r = 0;
        int i = 1;
        for (; m != 0; m &= m - 1) r += binom.c[std::countr_zero(m)][i++];
        return r;
    }
    void Felvesz(Maszk sor) {
        Reszhalmazok(sor, 0, t_, [this](Maszk m) {
            const std::size_t r = Rang(m);
            if (fedes_[r]++ == 0) Zar(r);
        });
    }
    void Lead(Maszk sor) {
        Reszhalmazok(sor, 0, t_, [this](Maszk m) {
            const std::size_t r = Rang(m);
            if (--fedes_[r] == 0) Nyit(r);
        });
    }
    void Nyit(std::size_t r) {
        hely_[r] = static_cast<std::int64_t>(nyitott_.size());
        nyitott_.push_back(r);
    }
    void Zar(std::size_t r) {
        const auto p = static_cast<std::size_t>(hely_[r]);
        nyitott_[p] = nyitott_.back();
        hely_[nyitott_[p]] = static_cast<std::int64_t>(p);
        nyitott_.pop_back();
        hely_[r] = -1;
    }

    int t_;
    std::size_t db_;
    std::vector<std::int32_t> fedes_;
    std::vector<std::int64_t> hely_;
    std::vector<Maszk> reszek_;
    std::vector<std::size_t> nyitott_;
    std::vector<Maszk> sorok_;
};

// One number of `m`, chosen by `g`.
Maszk EgyBit(Maszk m, FedesVeletlen& g) {
    for (std::uint32_t i = g.Szam(static_cast<std::uint32_t>(std::popcount(m))); i > 0; --i)
        m &= m - 1;
    return m & (~m + 1);
}

} // namespace

bool FedoRendszerElerheto(int v, int k, int t) {
    return t >= 1 && t <= k && k <= 8 && v >= 0 && v <= 64 && binom.c[v][t] <= FedoRendszerKorlat;
}

// Each round takes the row that holds the fewest t-subsets alone out and anneals until the
// rows hold every t-subset again. A move takes an open t-subset and a row holding all but
// one of its numbers, and exchanges one of the row's other numbers for the missing one. A
// round that fails within its steps goes back to the last complete design and tries again
// warmer: a cold walk closes the last holes of a large design quickly, a small design needs
// the warmth to leave its basin.
std::vector<std::uint64_t> FedoRendszer(int v, int k, int t, std::uint64_t mag,
                                        const std::atomic<bool>& stop, std::int64_t munka) {
    if (!FedoRendszerElerheto(v, k, t) || t > v) return {};
    if (v <= k) return {Bit(v) - 1};
    constexpr std::array<double, 3> Homersekletek{0.25, 0.4, 0.6};
    // A round's steps grow with the t-subsets; a small design settles within a few
    // thousand, and four failures at every temperature end its search early.
    const std::int64_t KorLepes =
        std::clamp<std::int64_t>(400 * static_cast<std::int64_t>(binom.c[v][t]), 20'000, 150'000);
    constexpr int KudarcKorlat = 12;
    constexpr std::int64_t LepesAra = 40; // a move beside the rows it compares

    FedesVeletlen g(mag);
    Terv terv(v, t);
    // Every open t-subset in turn gets a row of its own, filled up at random.
    while (!terv.Kesz()) {
        Maszk sor = terv.Nyitott(g);
        while (std::popcount(sor) < k)
            sor |= Bit(static_cast<int>(g.Szam(static_cast<std::uint32_t>(v))));
        terv.Hozzaad(sor);
    }
    std::vector<Maszk> legjobb = terv.Sorok();
    std::vector<std::size_t> jelolt;
    std::int64_t elkoltott = 0;
    for (int kudarc = 0; elkoltott < munka && kudarc < KudarcKorlat && legjobb.size() > 1;) {
        if (stop.load(std::memory_order_relaxed)) return {};
        std::size_t ki = 0;
        int legkevesebb = -1;
        for (std::size_t i = 0; i < terv.Sorok().size(); ++i) {
            const int egyedul = terv.Szamol(terv.Sorok()[i], 0, 1);
            if (legkevesebb < 0 || egyedul < legkevesebb ||
                (egyedul == legkevesebb && g.Szam(2) == 0)) {
                legkevesebb = egyedul;
                ki = i;
            }
        }
        terv.Torles(ki);
        const double hom = Homersekletek[static_cast<std::size_t>(kudarc) % Homersekletek.size()];
        for (std::int64_t lepes = 0; lepes < KorLepes && !terv.Kesz() && elkoltott < munka;
             ++lepes) {
            elkoltott += LepesAra + static_cast<std::int64_t>(terv.Sorok().size());
            const Maszk resz = terv.Nyitott(g);
            jelolt.clear();
            for (std::size_t i = 0; i < terv.Sorok().size(); ++i)
                if (std::popcount(terv.Sorok()[i] & resz) == t - 1) jelolt.push_back(i);
            if (jelolt.empty()) continue;
            const std::size_t i = jelolt[g.Szam(static_cast<std::uint32_t>(jelolt.size()))];
            const Maszk sor = terv.Sorok()[i];
            const Maszk be = resz & ~sor;
            const Maszk kimegy = EgyBit(sor & ~resz, g);
            const Maszk uj = (sor & ~kimegy) | be;
            const int valtozas = terv.Szamol(sor, kimegy, 1) - terv.Szamol(uj, be, 0);
            if (valtozas <= 0 || g.Egyseg() < std::exp(-valtozas / hom)) terv.Csere(i, uj);
        }
        if (terv.Kesz()) {
            legjobb = terv.Sorok();
            kudarc = 0;
        } else {
            terv.Betoltes(legjobb);
            ++kudarc;
        }
    }
    return legjobb;
}

} // namespace varion
