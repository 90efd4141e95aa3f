// The error-point searches: the next variation that shares at most KozosMax numbers with
// every stored row, found prefix by prefix instead of candidate by candidate.
#include "breakdown/UBontas.h"

#include <algorithm>
#include <bit>

#include "breakdown/UBontasBelso.h"

namespace varion {
using namespace bontas_belso;
namespace {

// Set bits of a word without the popcount instruction, which the generic target lacks.
int Bitszam(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

bool Benne(const HibapontIndex::Maszk& m, int v) {
    return ((v < 64 ? m.a >> v : m.b >> (v - 64)) & 1u) != 0;
}

// The colex ranks of the s-subsets (s = 0 .. S) of a prefix that grows one index at a
// time: those of the first d indices come first, so a longer prefix only appends.
struct ReszRangok {
    std::uint32_t rang[6][35];
    ReszRangok() { rang[0][0] = 0; }
    // The prefix of d indices takes v.
    void Kiterjesztes(const HibapontIndex& ix, int d, int v, int S) {
        for (int s = S; s >= 1; --s) {
            const std::uint32_t alap = ix.Binom(d, s), uj = ix.Binom(d, s - 1);
            const std::uint32_t cv = ix.Binom(v, s);
            for (std::uint32_t i = 0; i < uj; ++i) rang[s][alap + i] = rang[s - 1][i] + cv;
        }
    }
};

} // namespace

bool TBontas::HibaTeszt(std::uint8_t* b) {
    const int p = index_.Utkozes(b);
    if (p < 0) return true;
    if (p < K_ - 1) Eloreugras(b, p);
    return false;
}

void TBontas::Eloreugras(std::uint8_t* b, int p) const {
    const int K = K_, L = K - 1;
    // Every candidate with the same first p + 1 indices conflicts with the same row.
    if (TobbKor && !feltJelzo_ && p + 2 < K && b[p + 2] < BontMutMax[p]) {
        b[p] = static_cast<std::uint8_t>(b[p] + 2);
        for (int q = p + 1; q < K; ++q)
            b[q] = static_cast<std::uint8_t>(b[q - 1] + 2 <= BontMutMax[q] ? b[q - 1] + 2
                                                                           : b[q - 1] + 1);
    } else {
        ++b[p];
        for (int q = p + 1; q < K; ++q) b[q] = static_cast<std::uint8_t>(b[q - 1] + 1);
    }
    --b[L];
}

bool TBontas::HibapontosBontas() {
    return HibaTeszt(BontMut.data());
}

// A pass without the wide jump leaves every prefix that shares more than KozosMax numbers
// with a stored row for the next value at the same position, whichever row the newest-first
// test meets, so the next stored variation is simply the first one in enumeration order
// sharing at most KozosMax numbers with every stored row. A depth-first search over the
// prefixes finds it: a prefix that is still free can take x as its next index exactly when
// x lies in none of the row unions of its KozosMax-subsets, collected as the prefix grows.
// Returns what `Generalas` returns, or -1 when the candidate-by-candidate loop has to go
// on from `BontMut` and `MutPoz`.
int TBontas::LefedoKereses(bool egyTarolas) {
    using Maszk = HibapontIndex::Maszk;
    const int K = K_, L = K - 1, N = N_;
    if (TobbKor || feltJelzo_ || MutPoz != L || !index_.Lefedo()) return -1;
    const std::array<std::uint8_t, 8> mx = BontMutMax;
    for (int q = 1; q < K; ++q)
        if (mx[static_cast<std::size_t>(q)] != N - K + q) return -1;
    const int t = index_.KozosMax() + 1, S = t - 2;
    // A stream bounds its first index; a jump at position 0 (only with t = 1) can carry the
    // stream past that bound, which only the newest-first test decides.
    const bool korlat = t == 1 && mx[0] < N - K;
    std::array<std::uint8_t, 8> b = BontMut;
    auto atadas = [&] { // the stream reaches its bound: the exact loop goes on from there
        b[0] = mx[0];
        for (std::size_t q = 1; q < static_cast<std::size_t>(K); ++q)
            b[q] = static_cast<std::uint8_t>(b[q - 1] + 1);
        --b[static_cast<std::size_t>(L)];
        BontMut = b;
        MutPoz = L;
        return -1;
    };
    // tiltott[d]: the union for the prefix b[0..d-1].
    std::array<Maszk, 9> tiltott{};
    ReszRangok rang;
    auto kiterjesztes = [&](int d) { // the prefix b[0..d-1] takes b[d]
        const int v = b[static_cast<std::size_t>(d)];
        Maszk u = tiltott[static_cast<std::size_t>(d)];
        if (S >= 0) {
            const std::uint32_t c = index_.Binom(v, t - 1);
            const std::uint32_t db = index_.Binom(d, S);
            for (std::uint32_t i = 0; i < db; ++i) {
                const Maszk& w = index_.Lefedes(rang.rang[S][i] + c);
                u.a |= w.a;
                u.b |= w.b;
            }
            rang.Kiterjesztes(index_, d, v, S);
        }
        tiltott[static_cast<std::size_t>(d + 1)] = u;
    };
    if (t == 1) tiltott[0] = index_.Lefedes(0);
    // Where the enumerator stands: its next candidate shares the longest free prefix.
    int mp = L;
    for (int d = 0; d < L; ++d) {
        if (Benne(tiltott[static_cast<std::size_t>(d)], b[static_cast<std::size_t>(d)])) {
            mp = d;
            break;
        }
        kiterjesztes(d);
    }
    if (korlat && mp == 0 && b[0] >= mx[0]) return -1;
    unsigned lepes = 0;
    int eredmeny = 1;
    for (;;) {
        if (bontStatus_.load(std::memory_order_relaxed) != 1 || mp < 0) break;
        if ((++lepes & 0x3FFFu) == 0) mutKep_.store(Csomag(b), std::memory_order_relaxed);
        const auto p = static_cast<std::size_t>(mp);
        const int v = SzabadUtolso(tiltott[p], b[p] + 1);
        if (v > mx[p]) {
            if (korlat && mp == 0 && b[0] < mx[0]) return atadas();
            --mp;
            continue;
        }
        b[p] = static_cast<std::uint8_t>(v);
        if (mp < L) {
            kiterjesztes(mp);
            b[p + 1] = static_cast<std::uint8_t>(v);
            ++mp;
            continue;
        }
        const auto tar = IndexeltTarolas(b.data());
        if (tar.Uj) {
            // Prefixes holding the first t numbers of the new row are no longer free.
            const Maszk m = HibapontIndex::MaszkBol(b.data(), K);
            tiltott[static_cast<std::size_t>(t - 1)].a |= m.a;
            tiltott[static_cast<std::size_t>(t - 1)].b |= m.b;
        }
        if (!tar.Eredmeny || egyTarolas) {
            eredmeny = 0;
            break;
        }
        mp = t - 1;
    }
    BontMut = b;
    MutPoz = mp;
    mutKep_.store(Csomag(b), std::memory_order_relaxed);
    return eredmeny;
}

// Passes with the wide jump: where the enumeration goes on after a conflict depends on the
// newest conflicting row, so it is followed candidate by candidate, but every prefix keeps
// what its candidates need: the newest row sharing more than KozosMax numbers with it (and
// the position where it does), and the newer rows sharing exactly KozosMax, whose union
// tells at once which next indices meet a newer row. At the last two positions such
// indices are passed over in one step: a conflict there never takes the wide jump, so each
// of them only moves the enumerator to the next index.
int TBontas::UgroKereses(bool egyTarolas) {
    using Maszk = HibapontIndex::Maszk;
    const int K = K_, L = K - 1, N = N_;
    if (!TobbKor || feltJelzo_ || MutPoz != L || L < 2 || !index_.Listak()) return -1;
    const std::array<std::uint8_t, 8> mx = BontMutMax;
    for (int q = 0; q < K; ++q)
        if (mx[static_cast<std::size_t>(q)] != N - K + q) return -1;
    const int t = index_.KozosMax() + 1, S = t - 2;
    std::array<std::uint8_t, 8> b = BontMut;
    // Per prefix b[0..d-1]: the newest row sharing t numbers (-1: none) and the position of
    // its t-th common number; the newer rows sharing t - 1 numbers and their union.
    std::array<std::int32_t, 9> legujabb{}, hely{};
    std::array<std::vector<std::int32_t>, 9> kozos;
    std::array<Maszk, 9> tiltott{};
    ReszRangok rang;
    auto kiterjesztes = [&](int d) { // the prefix b[0..d-1] takes b[d]
        const auto di = static_cast<std::size_t>(d);
        const int y = b[di];
        std::int32_t s = legujabb[di];
        const auto& be = kozos[di];
        for (const std::int32_t r : be)
            if (Benne(index_.SorMaszk(r), y)) s = std::max(s, r);
        legujabb[di + 1] = s;
        hely[di + 1] = s != legujabb[di] ? d : hely[di];
        auto& ki = kozos[di + 1];
        ki.clear();
        Maszk u;
        for (const std::int32_t r : be) {
            const Maszk& m = index_.SorMaszk(r);
            if (r > s && !Benne(m, y)) {
                ki.push_back(r);
                u.a |= m.a;
                u.b |= m.b;
            }
        }
        // Rows holding y and t - 2 numbers of the prefix; those holding more are not newer
        // than s.
        if (S >= 0) {
            const std::uint32_t c = index_.Binom(y, t - 1);
            const std::uint32_t db = index_.Binom(d, S);
            for (std::uint32_t i = 0; i < db; ++i) {
                for (const auto* l = &index_.Lanc(rang.rang[S][i] + c); l->Sor > s;
                     l = &index_.Kovetkezo(*l)) {
                    const Maszk& m = index_.SorMaszk(l->Sor);
                    ki.push_back(l->Sor);
                    u.a |= m.a;
                    u.b |= m.b;
                }
            }
            rang.Kiterjesztes(index_, d, y, S);
        }
        tiltott[di + 1] = u;
    };
    legujabb[0] = -1;
    hely[0] = -1;
    if (t == 1) {
        for (std::int32_t r = 0; r < index_.Sorok(); ++r) {
            const Maszk& m = index_.SorMaszk(r);
            kozos[0].push_back(r);
            tiltott[0].a |= m.a;
            tiltott[0].b |= m.b;
        }
    }
    // Whether a row newer than s may meet the candidate c in t numbers: the few newest rows
    // are tested by mask, with more of them the answer is "maybe".
    auto ujabbUtkozik = [&](const std::array<std::uint8_t, 8>& c, std::int32_t s) {
        const std::int32_t db = index_.Sorok();
        if (db - 1 - s > static_cast<std::int32_t>(HibapontIndex::Ablak)) return true;
        const Maszk cm = HibapontIndex::MaszkBol(c.data(), K);
        for (std::int32_t r = s + 1; r < db; ++r) {
            const Maszk& m = index_.SorMaszk(r);
            if (Bitszam(m.a & cm.a) + Bitszam(m.b & cm.b) >= t) return true;
        }
        return false;
    };
    // Positions q.. of b have just been set, and the enumerator's next candidate is b with
    // its last index one higher: the prefix states are rebuilt from q. A prefix that meets
    // a row in t numbers at position d settles that candidate when no newer row meets it:
    // the jump at d is taken at once. Returns the position to advance next.
    auto ujraepites = [&](int q) {
        for (int d = q; d < L; ++d) {
            const auto di = static_cast<std::size_t>(d);
            if (d == L - 1 && Benne(tiltott[di], b[di])) return L - 1;
            kiterjesztes(d);
            if (legujabb[di + 1] == legujabb[di] || d == L - 1 ||
                b[static_cast<std::size_t>(L)] >= mx[static_cast<std::size_t>(L)])
                continue;
            auto c = b;
            ++c[static_cast<std::size_t>(L)];
            if (ujabbUtkozik(c, legujabb[di + 1])) continue;
            b = c;
            Eloreugras(b.data(), d);
            --d; // positions d.. changed again
        }
        return L;
    };
    int mp = ujraepites(0);
    unsigned lepes = 0;
    int eredmeny = 1;
    for (;;) {
        if (bontStatus_.load(std::memory_order_relaxed) != 1 || mp < 0) break;
        if ((++lepes & 0x3FFFu) == 0) mutKep_.store(Csomag(b), std::memory_order_relaxed);
        const auto p = static_cast<std::size_t>(mp);
        if (mp < L - 1) { // the enumerator's own step
            if (b[p] >= mx[p]) {
                --mp;
                continue;
            }
            ++b[p];
            kiterjesztes(mp);
            if (legujabb[p + 1] != legujabb[p]) {
                // The first candidate of the new prefix is its smallest completion; when
                // no newer row meets it, the conflict at mp decides it.
                auto c = b;
                for (std::size_t q = p + 1; q < static_cast<std::size_t>(K); ++q)
                    c[q] = static_cast<std::uint8_t>(c[q - 1] + 1);
                if (!ujabbUtkozik(c, legujabb[p + 1])) {
                    b = c;
                    Eloreugras(b.data(), mp);
                    mp = ujraepites(mp);
                    continue;
                }
            }
            b[p + 1] = b[p];
            ++mp;
            continue;
        }
        const int v = SzabadUtolso(tiltott[p], b[p] + 1);
        if (v > mx[p]) {
            --mp;
            continue;
        }
        b[p] = static_cast<std::uint8_t>(v);
        if (mp == L - 1) {
            kiterjesztes(mp);
            b[p + 1] = static_cast<std::uint8_t>(v);
            ++mp;
            continue;
        }
        const auto Li = static_cast<std::size_t>(L);
        if (legujabb[Li] >= 0) { // the newest conflicting row meets the prefix
            const int q = hely[Li];
            Eloreugras(b.data(), q);
            mp = ujraepites(q);
            continue;
        }
        const auto tar = IndexeltTarolas(b.data());
        if (tar.Uj) {
            const std::int32_t elotte = tar.Sor;
            // The new row holds every prefix: from t numbers on it is the newest conflict.
            const Maszk m = HibapontIndex::MaszkBol(b.data(), K);
            const auto t1 = static_cast<std::size_t>(t - 1);
            kozos[t1].push_back(elotte);
            tiltott[t1].a |= m.a;
            tiltott[t1].b |= m.b;
            for (std::size_t d = t1 + 1; d <= Li; ++d) {
                legujabb[d] = elotte;
                hely[d] = t - 1;
                kozos[d].clear();
                tiltott[d] = Maszk{};
            }
        }
        if (!tar.Eredmeny || egyTarolas) {
            eredmeny = 0;
            break;
        }
    }
    BontMut = b;
    MutPoz = mp;
    mutKep_.store(Csomag(b), std::memory_order_relaxed);
    return eredmeny;
}

} // namespace varion
