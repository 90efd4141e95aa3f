#include "breakdown/UBontas.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>

#include "breakdown/UBontMegsz.h"
#include "game/Jatek.h"

namespace varion {
namespace {

constexpr std::string_view BovitesKerdes =
    "A bontás mérete elérte a beállított szelvényszámok maximumát!\r\rHa folytatja, a program "
    "megduplázza a bontás maximális méretét.\r\rFolytatja a bontást?";
constexpr std::string_view TeljesFoglalasKerdes =
    "Lefoglalhatja a program a teljes (0 hibapontos) bontás számára elegendő memóriát?";
constexpr std::string_view SzabadMemoriaKerdes =
    "A bontás mérete elérte a beállított szelvényszámok maximumát!\r\rLefoglalhatja a program "
    "a szabad memóriát?\r\rFolytatja a bontást?";
constexpr std::string_view NincsMemoria =
    "Nincs elegendő szabad memória (RAM) a bontás befejezéséhez!";
constexpr std::uint64_t MinimalisMemoria = 10485760;
// Rows are copied eight bytes at a time; the slack keeps the last copy inside the buffer.
constexpr std::size_t Raadas = 8;

std::uint64_t Csomag(const std::array<std::uint8_t, 8>& b) {
    std::uint64_t v;
    std::memcpy(&v, b.data(), 8);
    return v;
}

// round(K / M), half to even.
int KerekitettHanyados(int k, int m) {
    const int q = k / m, r = k % m;
    if (2 * r > m || (2 * r == m && (q % 2) != 0)) return q + 1;
    return q;
}

// The smallest value from `v` on whose bit is clear in the 128-bit set (128 when none).
int SzabadUtolso(const std::uint64_t (&foglalt)[2], int v) {
    if (v < 64) {
        const std::uint64_t w = ~foglalt[0] & (~std::uint64_t{0} << v);
        if (w) return std::countr_zero(w);
        v = 64;
    }
    if (v >= 128) return 128;
    const std::uint64_t w = ~foglalt[1] & (~std::uint64_t{0} << (v - 64));
    return w ? 64 + std::countr_zero(w) : 128;
}

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

int SzabadUtolso(const HibapontIndex::Maszk& m, int v) {
    const std::uint64_t foglalt[2] = {m.a, m.b};
    return SzabadUtolso(foglalt, v);
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

std::uint64_t RendszerSzabadMemoria() {
    std::ifstream f("/proc/meminfo");
    std::string nev;
    std::uint64_t ertek = 0;
    std::string egyseg;
    while (f >> nev >> ertek >> egyseg)
        if (nev == "MemAvailable:") return ertek * 1024;
    return 0;
}

std::int64_t TeljBontSzelvszam(std::int32_t n, std::int32_t k) {
    if (k < 0 || n < k) return 0;
    // Dividing as we go keeps every partial result an exact binomial coefficient.
    std::int64_t c = 1;
    for (std::int32_t j = 1; j <= k; ++j) c = c * (n - k + j) / j;
    return c;
}

std::int64_t BontasOptMerete(std::uint64_t szabadMemoria, int jatek) {
    const auto kerekitett = static_cast<std::int64_t>(std::nearbyint(double(szabadMemoria) * 0.95));
    return kerekitett / (std::int64_t{jatek} * 4);
}

void TBontas::Felszabadito::operator()(std::uint8_t* p) const {
    std::free(p);
}

TBontas::TBontas() = default;

TBontas::~TBontas() {
    Stop();
    Megvar();
}

bool TBontas::MatrixFoglalas(std::int64_t sorok) {
    const auto bajt =
        static_cast<std::size_t>(sorok) * static_cast<std::size_t>(szelesseg_) + Raadas;
    auto* uj = static_cast<std::uint8_t*>(std::realloc(matrix_.get(), bajt));
    if (!uj) return false;
    (void)matrix_.release();
    matrix_.reset(uj);
    aktMeret_ = sorok;
    return true;
}

bool TBontas::BontasIndul(const BontasBemenet& be, Uzenetek& uzenetek,
                          SzabadMemoriaLekerdezes szabadMemoria) {
    if (Fut() || !ErvenyesJatek(be.Jatek)) return false;
    const int K = be.Jatek - static_cast<int>(be.FixSzamok.size());
    const int N = static_cast<int>(be.JeloltSzamok.size());
    const int maxSzam = MaxSzamJatek(be.Jatek);
    // The upper bounds N - K + i are bytes: fewer numbers than a variation needs would
    // wrap them, so such a run is refused before anything changes.
    if (K < 2 || N < K || N > maxSzam) return false;
    for (const auto sz : be.JeloltSzamok)
        if (sz < 1 || sz > maxSzam) return false;
    Megvar();

    BontasTorlese();
    uzenetek_ = &uzenetek;
    szabadMemoria_ = szabadMemoria ? std::move(szabadMemoria) : RendszerSzabadMemoria;
    elsoBovites_ = true;
    kesz_ = false;
    jatek_ = be.Jatek;
    K_ = K;
    N_ = N;
    bontasSzamok_ = be.JeloltSzamok;
    datum_ = be.Datum;
    feltetelek_ = be.Feltetelek ? *be.Feltetelek : FeltetelKeszlet{};
    if (feltetelek_.SzamJelzo.size() != bontasSzamok_.size() ||
        feltetelek_.TukorPar.size() != bontasSzamok_.size()) {
        const FeltetelAdatok megorzott = feltetelek_.Adatok;
        SzamJelzoBeallitas(feltetelek_, bontasSzamok_, jatek_);
        feltetelek_.Adatok = megorzott;
    }
    feltJelzo_ = feltetelek_.FeltetelJelzo;
    const auto& a = feltetelek_.Adatok;
    e_ = std::clamp(int{a.Hibapont}, 0, std::min(3, K - 1));
    huzasMod_ = feltJelzo_ && a.TalArBe && a.TalArHuzasok;
    // Rows of past draws cannot be compared with index rows: the draws mode stores every
    // matching draw once and ignores the error points.
    if (huzasMod_) e_ = 0;
    eloszlas_ = be.EloszlasDoboz && feltetelek_.EloszlasOpt && e_ > 0;

    teljes_ = TeljBontSzelvszam(N, K);
    huzasok_ = be.Huzasok;
    const int elso = std::max(1, be.ElsoHuzas);
    const int utolso = std::clamp(be.UtolsoHuzas, 0, huzasok_.Sorok());
    huzasokSzama_ = std::max(0, utolso - elso + 1) * (jatek_ == 7 ? 2 : 1);
    vizsgalo_.Elokeszites(feltetelek_, bontasSzamok_, jatek_, K, huzasok_, utolso);
    szelesseg_ = huzasMod_ ? jatek_ : K;

    const std::int64_t kezdo = std::max<std::int64_t>(1, maxMeret_);
    if (!MatrixFoglalas(kezdo)) {
        uzenetek.HibaUzenet(NincsMemoria);
        BontasTorlese();
        return false;
    }
    taroltHuzasok_.assign(1, -1);
    huzasDbk_.assign(1, 0);
    taroltFel_.assign(huzasMod_ ? static_cast<std::size_t>(huzasok_.Sorok()) : 0, 0);
    tarolt_.store(0);
    bontMutStat_.assign(static_cast<std::size_t>(N), 0);

    BontMut.fill(0);
    BontMutMin.fill(0);
    BontMutMax.fill(0);
    for (int i = 0; i < K; ++i) {
        BontMut[i] = BontMutMin[i] = static_cast<std::uint8_t>(i);
        BontMutMax[i] = static_cast<std::uint8_t>(N - K + i);
    }
    MutPoz = K - 1;
    BontMutMinErtekek();
    BontMut = BontMutMin;
    --BontMut[K - 1];
    BontMutMaxErtekek();
    mutKep_.store(Csomag(BontMut));
    haladasMin_ = BontMutMin;
    haladasMax_ = BontMutMax;

    hibaKor_.store(K - 1 - e_);
    folyamatAlap_.store(0);
    verzio_ = VerzioSzoveg(be.Verzio);
    betoltottVerzio_ = {};
    vizsgalo_.HuzasIndex = elso - 1;
    elsoHuzas_ = elso - 1;
    vegeUzenet_.clear();
    idotartam_ = {};
    IdoInditas();
    bontStatus_.store(1);
    return true;
}

void TBontas::BontMutMinErtekek() {
    if (!feltJelzo_) return;
    const auto& a = feltetelek_.Adatok;
    const int K = K_;
    int also[8];
    for (int p = 0; p < K; ++p) also[p] = BontMutMin[p];
    // Raising p..K-1 from v: each bound at least v, and v follows the bound upwards.
    auto emel = [&](int tol, int v) {
        for (int p = std::max(0, tol); p < K; ++p) {
            if (v > also[p])
                also[p] = v;
            else
                v = also[p];
            ++v;
        }
    };
    if (a.FavBe) {
        const int elso = a.FavSzamai, utolso = a.FavSzamaiMax;
        const int min = a.FavTalalat, max = a.FavTalalatMax;
        if (elso == 1)
            emel(max, utolso);
        else
            emel(K - min, elso - 1);
        if (elso - 1 + max < K) emel(elso - 1 + max, utolso);
    }
    auto csoportok = [&](int S, int M) {
        if (M < 1) return;
        const int g0 = KerekitettHanyados(K, M);
        for (int g = 0; g < g0; ++g)
            for (int j = 0; j < M; ++j) {
                const int p = M + g * M + j;
                if (p < K) also[p] = std::max(also[p], S * (g + 1) + j);
            }
        for (int p = 1; p < K; ++p) also[p] = std::max(also[p], also[p - 1] + 1);
    };
    if (a.MobBe) csoportok(a.MobSzamai, a.MobTalalatMax);
    if (a.FixBe) csoportok(a.FixSzamai, a.FixTalalatMax);
    if (a.IkerszamBe && a.Ikerszam >= 1) {
        std::vector<int> ikrek;
        for (int i = 0; i < N_; ++i)
            if (feltetelek_.SzamJelzo[static_cast<std::size_t>(i)] & JelzoIkerszam)
                ikrek.push_back(i);
        const int T = a.Ikerszam;
        for (int j = 0; j < T && j < static_cast<int>(ikrek.size()); ++j) {
            const int p = K - T + j;
            if (p >= 0 && p < K) also[p] = std::max(also[p], ikrek[static_cast<std::size_t>(j)]);
        }
    }
    // A start vector must itself be ascending; a bound at N means the position can never
    // be filled, and keeps the byte from wrapping.
    for (int p = 1; p < K; ++p) also[p] = std::max(also[p], also[p - 1] + 1);
    for (int p = 0; p < K; ++p) BontMutMin[p] = static_cast<std::uint8_t>(std::min(also[p], N_));
}

void TBontas::BontMutMaxErtekek() {
    if (!feltJelzo_) return;
    const auto& a = feltetelek_.Adatok;
    const int K = K_, N = N_;
    auto lesz = [&](int p, int v) {
        if (p < 0 || p >= K) return;
        if (v < BontMutMax[p] && v > BontMutMin[p]) BontMutMax[p] = static_cast<std::uint8_t>(v);
    };
    if (a.FavBe) {
        const int elso = a.FavSzamai, utolso = a.FavSzamaiMax;
        const int min = a.FavTalalat, max = a.FavTalalatMax;
        if (utolso == N) {
            for (int p = 0; p <= K - max - 1; ++p) lesz(p, (elso - 1) - (K - max - p));
        } else {
            int v = utolso - min;
            for (int p = 0; p < min && p < K; ++p) {
                lesz(p, v);
                v = BontMutMax[p] + 1;
            }
        }
    }
    if (a.MobBe && a.MobTalalatMax >= 1) {
        const int S = a.MobSzamai, M = a.MobTalalatMax;
        int p = K - 1;
        for (int g = 1; g <= KerekitettHanyados(K, M) + 1; ++g) {
            int v = N - 1 - S * (g - 1);
            for (int j = 0; j < M && p >= 0; ++j) {
                lesz(p, v);
                --p;
                --v;
            }
        }
    }
    if (a.FixBe && a.FixTalalatMax >= 1 && a.FixSzamai >= 1) {
        const int S = a.FixSzamai, M = a.FixTalalatMax;
        const int r = std::min(M, N % S);
        int p = K - 1 - r, c = r;
        for (int g = 1; g <= KerekitettHanyados(K, M) + 1; ++g) {
            int v = N - 1 - S * (g - 1);
            for (int j = 0; j < M && p >= 0 && c <= K; ++j) {
                lesz(p, v);
                --p;
                --v;
                ++c;
            }
        }
    }
    if (a.IkerszamBe && a.Ikerszam >= 1) {
        std::vector<int> ikrek;
        for (int i = 0; i < N; ++i)
            if (feltetelek_.SzamJelzo[static_cast<std::size_t>(i)] & JelzoIkerszam)
                ikrek.push_back(i);
        const int T = a.Ikerszam;
        int c = 0;
        for (int t : ikrek) c += t >= BontMutMax[0];
        if (c < T) {
            int q = c == 0 ? T - c - 1 : T - c;
            for (auto it = ikrek.rbegin(); it != ikrek.rend() && q >= 0; ++it, --q) lesz(q, *it);
        }
    }
}

int TBontas::Tarolas(const std::uint8_t* b) {
    std::int32_t sor = tarolt_.load(std::memory_order_relaxed);
    if (sor >= aktMeret_ && !Bovites()) return 0; // never write at or past the capacity
    std::memcpy(matrix_.get() + static_cast<std::size_t>(sor) * static_cast<std::size_t>(K_), b, 8);
    for (int i = 0; i < K_; ++i) ++bontMutStat_[b[i]];
    UjTarolas = 1;
    tarolt_.store(++sor, std::memory_order_relaxed);
    if (sor == aktMeret_ && sor < teljes_) return Bovites() ? 1 : 0;
    return 1;
}

TBontas::IndexeltSor TBontas::IndexeltTarolas(const std::uint8_t* b) {
    const std::int32_t elotte = tarolt_.load(std::memory_order_relaxed);
    const int r = Tarolas(b);
    const bool uj = tarolt_.load(std::memory_order_relaxed) != elotte;
    if (uj) index_.Hozzaad(Sor(elotte).data());
    return {r, elotte, uj};
}

bool TBontas::Bovites() {
    bovul_.store(true);
    const std::uint64_t szabad = szabadMemoria_();
    const std::uint64_t sorBajt = static_cast<std::uint64_t>(szelesseg_) * 4;
    // In the draws mode the rows are bounded by the draws of the range, not by C(N, K).
    const std::int64_t cel = huzasMod_ ? std::int64_t{huzasokSzama_} : teljes_;
    const auto maradek = static_cast<std::uint64_t>(std::max<std::int64_t>(0, cel - aktMeret_));
    auto leallas = [&] {
        bontStatus_.store(0);
        hibaKor_.store(-1);
        bovul_.store(false);
        return false;
    };
    std::int64_t uj;
    if (2 * static_cast<std::uint64_t>(aktMeret_) * sorBajt <= szabad) {
        if (!uzenetek_->JovahagyasMindig(BovitesKerdes)) return leallas();
        uj = 2 * aktMeret_;
        if (elsoBovites_ && maradek * sorBajt < szabad && e_ == 0 &&
            uzenetek_->FigyelmeztetoKerdes(TeljesFoglalasKerdes))
            uj = cel;
        elsoBovites_ = false;
    } else if (szabad <= MinimalisMemoria) {
        uzenetek_->HibaUzenet(NincsMemoria);
        return leallas();
    } else {
        if (!uzenetek_->FigyelmeztetoKerdes(SzabadMemoriaKerdes)) return leallas();
        if (maradek * sorBajt < szabad)
            uj = cel;
        else
            uj = aktMeret_ +
                 static_cast<std::int64_t>(std::nearbyint(double(szabad) * 0.8 / double(sorBajt)));
    }
    uj = std::max(uj, aktMeret_ + 1);
    if (!MatrixFoglalas(uj)) {
        uzenetek_->HibaUzenet(NincsMemoria);
        return leallas();
    }
    bovul_.store(false);
    return true;
}

int TBontas::HuzasTarolas(const std::uint8_t* b, bool masodik) {
    (void)b;
    const int index = vizsgalo_.HuzasIndex;
    const std::uint8_t bit = masodik ? 2 : 1;
    auto& fel = taroltFel_[static_cast<std::size_t>(index)];
    const std::int32_t* szamok = vizsgalo_.HuzasSzamai(index, masodik);
    if (jatek_ != 7) {
        if (fel) return 1;
    } else {
        if (fel & bit) return 1;
        if (fel) { // the other draw of the record is stored: equal numbers count once
            const std::int32_t* masik = vizsgalo_.HuzasSzamai(index, !masodik);
            if (std::equal(szamok, szamok + 7, masik)) return 1;
        }
    }
    std::int32_t sor = tarolt_.load(std::memory_order_relaxed);
    if (sor >= aktMeret_ && !Bovites()) return 0;
    fel |= bit;
    taroltHuzasok_.back() = index + 1;
    taroltHuzasok_.push_back(-1);
    huzasDbk_.back() = 1;
    huzasDbk_.push_back(0);
    std::uint8_t* cel =
        matrix_.get() + static_cast<std::size_t>(sor) * static_cast<std::size_t>(szelesseg_);
    for (int i = 0; i < jatek_; ++i)
        cel[i] = static_cast<std::uint8_t>(std::clamp(szamok[i], 0, 255));
    UjTarolas = 1;
    tarolt_.store(++sor, std::memory_order_relaxed);
    // Every draw of the range is stored: the run is complete, not stopped.
    if (sor >= huzasokSzama_) {
        kesz_ = true;
        return 1;
    }
    if (sor == aktMeret_) return Bovites() ? 1 : 0;
    return 1;
}

bool TBontas::HuzasSorozat(std::uint8_t* b, int& mutPoz) {
    auto& v = vizsgalo_;
    for (;;) {
        if (v.HuzasIndex >= v.UtolsoHuzas) return true;
        const bool masodik = jatek_ == 7 && v.SkandiMezo == 17;
        if (!HuzasTarolas(b, masodik)) return false;
        if (kesz_) return true;
        if (jatek_ == 7 && !masodik && bontStatus_.load() == 1 && !v.FeltVizsgSkandi(b)) {
            if (!HuzasTarolas(b, true)) return false;
            if (kesz_) return true;
        }
        ++v.HuzasIndex;
        if (v.HuzasIndex >= v.UtolsoHuzas) return true;
        if (!v.FeltVizsgalat(b, mutPoz)) return true;
    }
}

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

template <bool Felt, bool Hiba> int TBontas::Generalas(bool egyTarolas) {
    if constexpr (Hiba && !Felt) {
        const int r = TobbKor ? UgroKereses(egyTarolas) : LefedoKereses(egyTarolas);
        if (r >= 0) return r;
    }
    std::array<std::uint8_t, 8> b = BontMut;
    const std::array<std::uint8_t, 8> mx = BontMutMax;
    int mp = MutPoz;
    const int L = K_ - 1;
    unsigned lepes = 0;
    int eredmeny = 1;
    std::uint8_t* mat = matrix_.get();
    std::int64_t akt = aktMeret_;
    std::int32_t* stat = bontMutStat_.data();
    std::int32_t sor = tarolt_.load(std::memory_order_relaxed);
    HibapontIndex::Elotag elotag;
    std::uint64_t elotagKulcs = ~std::uint64_t{0};
    std::int32_t elotagSorok = -1;
    const bool gyors = Hiba && !Felt && L >= 1 && index_.ElotagVizsgalat(b.data(), elotag);
    while (mp >= 0 && bontStatus_.load(std::memory_order_relaxed) == 1) {
        if ((++lepes & 0x3FFFu) == 0) mutKep_.store(Csomag(b), std::memory_order_relaxed);
        if (b[mp] >= mx[mp]) {
            --mp;
            continue;
        }
        ++b[mp];
        if (mp < L) {
            b[mp + 1] = b[mp];
            ++mp;
            continue;
        }
        if constexpr (Felt) {
            vizsgalo_.HuzasIndex = elsoHuzas_;
            if (!vizsgalo_.FeltVizsgalat(b.data(), mp)) continue;
        }
        if constexpr (Hiba) {
            if constexpr (!Felt) {
                // Without conditions every last index of a prefix is settled at once: the
                // ones rejected at the last position are passed over in one step.
                if (gyors) {
                    std::uint64_t kulcs = 0;
                    std::memcpy(&kulcs, b.data(), static_cast<std::size_t>(L));
                    if (kulcs != elotagKulcs || index_.Sorok() != elotagSorok) {
                        index_.ElotagVizsgalat(b.data(), elotag);
                        elotagKulcs = kulcs;
                        elotagSorok = index_.Sorok();
                    }
                    const int v = SzabadUtolso(elotag.Utkozo, b[L]);
                    if (v > mx[L]) {
                        b[L] = mx[L];
                        continue;
                    }
                    b[L] = static_cast<std::uint8_t>(v);
                    if (elotag.Sor >= 0) {
                        Eloreugras(b.data(), elotag.Poz);
                        continue;
                    }
                } else if (!HibaTeszt(b.data())) {
                    continue;
                }
            } else if (!HibaTeszt(b.data())) {
                continue;
            }
        }
        if constexpr (Felt) {
            if (huzasMod_) {
                const bool ok = HuzasSorozat(b.data(), mp);
                sor = tarolt_.load(std::memory_order_relaxed);
                if (!ok) {
                    eredmeny = 0;
                    break;
                }
                if (kesz_) break;
                continue;
            }
        }
        // The store itself, kept inline: this is the hot path of a full breakdown.
        if (sor >= akt) { // never write at or past the capacity
            if (!Bovites()) {
                eredmeny = 0;
                break;
            }
            mat = matrix_.get();
            akt = aktMeret_;
        }
        std::uint8_t* cel = mat + static_cast<std::size_t>(sor) * static_cast<std::size_t>(L + 1);
        std::memcpy(cel, b.data(), 8);
        for (int i = 0; i <= L; ++i) ++stat[b[i]];
        UjTarolas = 1;
        tarolt_.store(++sor, std::memory_order_relaxed);
        if constexpr (Hiba) index_.Hozzaad(cel);
        if (sor == akt && sor < teljes_) {
            if (!Bovites()) {
                eredmeny = 0;
                break;
            }
            mat = matrix_.get();
            akt = aktMeret_;
        }
        if (egyTarolas) {
            eredmeny = 0;
            break;
        }
    }
    BontMut = b;
    MutPoz = mp;
    mutKep_.store(Csomag(b), std::memory_order_relaxed);
    return eredmeny;
}

int TBontas::BontasTarol() {
    if (huzasMod_) {
        int mp = MutPoz;
        const bool ok = HuzasSorozat(BontMut.data(), mp);
        MutPoz = mp;
        return ok ? 1 : 0;
    }
    const int r = Tarolas(BontMut.data());
    if (r && e_ > 0) index_.Hozzaad(Sor(GetTaroltNyerSzelv() - 1).data());
    return r;
}

int TBontas::BontasGeneralas() {
    const bool hiba = e_ > 0;
    if (feltJelzo_) return hiba ? Generalas<true, true>(false) : Generalas<true, false>(false);
    return hiba ? Generalas<false, true>(false) : Generalas<false, false>(false);
}

int TBontas::UJBontasGeneralas() {
    UjTarolas = 0;
    const bool hiba = e_ > 0;
    const int r = feltJelzo_
                      ? (hiba ? Generalas<true, true>(true) : Generalas<true, false>(true))
                      : (hiba ? Generalas<false, true>(true) : Generalas<false, false>(true));
    // 0 means one variation was stored; a failed store also stops the run, and every
    // later call then reports its stream exhausted.
    if (r == 1 || bontStatus_.load() != 1) return UjTarolas && bontStatus_.load() == 1 ? 0 : 1;
    return 0;
}

void TBontas::PassKezdes(int kozosMax) {
    KozosMax = kozosMax;
    index_.Beallitas(N_, K_, kozosMax, matrix_.get(), GetTaroltNyerSzelv(), szelesseg_,
                     !TobbKor && !feltJelzo_);
}

void TBontas::Start() {
    folyamatAlap_.store(0);
    vizsgalo_.SkandiMezo = 0;
    IdoInditas();
    const int K = K_, e = e_;
    int kor = K - 1 - e;
    hibaKor_.store(kor);
    TobbKor = kor >= 1;
    if (e == 0) {
        BontasGeneralas();
        return;
    }
    while (kor > -1 && bontStatus_.load() == 1) {
        BontMut = BontMutMin;
        --BontMut[K - 1];
        MutPoz = K - 1;
        PassKezdes((K - 1 - e) - kor);
        if (BontasGeneralas() == 0) break;
        folyamatAlap_.fetch_add(100 / (K - e));
        --kor;
        TobbKor = kor >= 1;
        if (bontStatus_.load() == 1) hibaKor_.store(kor);
    }
}

void TBontas::OptBontStart() {
    folyamatAlap_.store(0);
    vizsgalo_.SkandiMezo = 0;
    IdoInditas();
    TobbKor = false;
    const int K = K_, N = N_, e = e_, L = K - 1;
    auto folyamok = [&](bool csokkentve) {
        OptSorok.assign(static_cast<std::size_t>(N - K + 1), {});
        for (int s = 0; s <= N - K; ++s) {
            auto& v = OptSorok[static_cast<std::size_t>(s)];
            for (int i = 0; i < K; ++i)
                v[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(s + i);
            if (csokkentve) --v[static_cast<std::size_t>(L)];
        }
    };
    folyamok(true);
    for (int kor = K - 1 - e; kor >= 0 && bontStatus_.load() == 1; --kor) {
        hibaKor_.store(kor);
        if (kor != K - 1 - e) folyamok(false);
        PassKezdes((K - 1 - e) - kor);
        while (!OptSorok.empty()) {
            for (std::size_t s = 0; s < OptSorok.size(); ++s) {
                MutPoz = L;
                BontMutMax[0] = static_cast<std::uint8_t>(OptSorok[s][0] + 1);
                BontMut = OptSorok[s];
                UjTarolas = 0;
                KozosMax = (K - 1 - e) - kor;
                if (UJBontasGeneralas() == 1) {
                    OptSorok.resize(s);
                    break;
                }
                if (!UjTarolas || kesz_) return;
                OptSorok[s] = BontMut;
            }
        }
    }
    if (bontStatus_.load() != 1) return;
    hibaKor_.store(0);
    for (int i = 0; i < K; ++i) BontMutMax[i] = static_cast<std::uint8_t>(N - K + i);
    BontMutMaxErtekek();
    BontMut = BontMutMin;
    --BontMut[L];
    MutPoz = L;
    PassKezdes(K - 1 - e);
    BontasGeneralas();
}

void TBontas::IdoInditas() {
    kezdoIdo_.store(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::chrono::milliseconds TBontas::Eltelt() const {
    const std::chrono::steady_clock::time_point kezdo{
        std::chrono::steady_clock::duration{kezdoIdo_.load()}};
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 kezdo);
}

bool TBontas::TickKezdes() {
    tickFut_.store(true);
    if (!tickEngedve_.load()) {
        tickFut_.store(false);
        return false;
    }
    return true;
}

void TBontas::Futtatas() {
    fut_.store(true);
    tickEngedve_.store(true);
    if (bontStatus_.load() == 1) {
        if (eloszlas_)
            OptBontStart();
        else
            Start();
    }
    tickEngedve_.store(false);
    while (tickFut_.load()) std::this_thread::yield();
    Vege();
    if (bontStatus_.load() == 1 && GetTaroltNyerSzelv() > 0) BontStatVizsg();
    fut_.store(false);
}

void TBontas::SzalInditas() {
    Megvar();
    fut_.store(true);
    szal_ = std::thread([this] { Futtatas(); });
}

void TBontas::Megvar() {
    if (szal_.joinable()) szal_.join();
}

void TBontas::Stop() {
    bontStatus_.store(0);
    hibaKor_.store(-1);
}

void TBontas::Vege() {
    idotartam_ = Eltelt();
    if (bontStatus_.load() == 0) return;
    if (GetTaroltNyerSzelv() == 0) {
        bontStatus_.store(0);
        hibaKor_.store(-1);
        vegeUzenet_ = UresBontasUzenet(feltetelek_.Adatok, vizsgalo_.Teljesult);
        if (uzenetek_) uzenetek_->HibaUzenet(vegeUzenet_);
    }
}

bool TBontas::BontStatVizsg() {
    if (huzasMod_) return true;
    std::vector<int> hianyzo;
    for (int i = 0; i < N_; ++i)
        if (bontMutStat_[static_cast<std::size_t>(i)] == 0)
            hianyzo.push_back(bontasSzamok_[static_cast<std::size_t>(i)]);
    if (hianyzo.empty()) return true;
    if (uzenetek_)
        uzenetek_->Figyelmeztetes(HianyzoSzamokUzenet(hianyzo, vizsgalo_.Teljesult != 0));
    return false;
}

BontasHaladas TBontas::Haladas() const {
    BontasHaladas h;
    h.SorHossz = K_;
    h.Hibapont = e_;
    const std::uint64_t v = mutKep_.load(std::memory_order_relaxed);
    std::memcpy(h.BontMut.data(), &v, 8);
    h.BontMutMin = haladasMin_;
    h.BontMutMax = haladasMax_;
    h.TaroltNyerSzelv = GetTaroltNyerSzelv();
    h.TeljesSzelvszam = teljes_;
    h.FolyamatAlap = folyamatAlap_.load();
    h.HibaKor = hibaKor_.load();
    h.BontStatus = bontStatus_.load();
    h.Bovites = bovul_.load();
    h.Eltelt = Eltelt();
    return h;
}

void TBontas::BontMatrixOpt() {
    const std::int32_t sorok = GetTaroltNyerSzelv();
    if (sorok <= teljes_ && sorok == aktMeret_) return;
    if (sorok == 0) {
        matrix_.reset();
        aktMeret_ = 0;
        return;
    }
    MatrixFoglalas(sorok); // shrinking keeps the block where it is when it cannot move
}

void TBontas::BontasTorlese() {
    verzio_.clear();
    betoltottVerzio_ = {};
    bontMutStat_.clear();
    matrix_.reset();
    aktMeret_ = 0;
    taroltHuzasok_.clear();
    huzasDbk_.clear();
    taroltFel_.clear();
    BontMutMin.fill(0);
    BontMutMax.fill(0);
    OptSorok.clear();
    index_.Torles();
    tarolt_.store(0);
    bontStatus_.store(0);
}

BetoltottBontas TBontas::Mentes() const {
    BetoltottBontas b;
    b.Jatek = jatek_;
    b.SorHossz = K_;
    b.MatrixSzelesseg = szelesseg_;
    b.BontasSzamok = bontasSzamok_;
    b.Sorok = GetTaroltNyerSzelv();
    if (matrix_)
        b.Matrix.assign(matrix_.get(), matrix_.get() + static_cast<std::size_t>(b.Sorok) *
                                                           static_cast<std::size_t>(szelesseg_));
    b.BontMutStat = bontMutStat_;
    b.TaroltHuzasok = taroltHuzasok_;
    b.HuzasMod = huzasMod_;
    b.Datum = datum_;
    b.BetoltottVerzio = betoltottVerzio_;
    return b;
}

bool TBontas::BontasBetoltve(BetoltottBontas b) {
    if (Fut()) return false;
    BontasTorlese();
    if (!ErvenyesJatek(b.Jatek)) return false;
    const int K = b.SorHossz, N = static_cast<int>(b.BontasSzamok.size());
    const int maxSzam = MaxSzamJatek(b.Jatek);
    const int szel = b.HuzasMod ? b.Jatek : K;
    if (K < 2 || K > b.Jatek || N < K || N > maxSzam || b.MatrixSzelesseg != szel || b.Sorok < 0 ||
        b.Matrix.size() != static_cast<std::size_t>(b.Sorok) * std::size_t(szel) ||
        b.BontMutStat.size() != static_cast<std::size_t>(N))
        return false;
    for (const auto sz : b.BontasSzamok)
        if (sz < 1 || sz > maxSzam) return false;
    for (std::int32_t r = 0; r < b.Sorok; ++r) {
        const std::uint8_t* s = b.Matrix.data() + static_cast<std::size_t>(r) * std::size_t(szel);
        for (int i = 0; i < szel; ++i) {
            if (b.HuzasMod ? s[i] > maxSzam : (s[i] >= N || (i > 0 && s[i] <= s[i - 1])))
                return false;
        }
    }
    jatek_ = b.Jatek;
    K_ = K;
    N_ = N;
    szelesseg_ = szel;
    huzasMod_ = b.HuzasMod;
    bontasSzamok_ = std::move(b.BontasSzamok);
    teljes_ = TeljBontSzelvszam(N, K);
    if (!MatrixFoglalas(std::max<std::int32_t>(b.Sorok, 1))) {
        BontasTorlese();
        return false;
    }
    aktMeret_ = b.Sorok;
    if (!b.Matrix.empty()) std::memcpy(matrix_.get(), b.Matrix.data(), b.Matrix.size());
    tarolt_.store(b.Sorok);
    bontMutStat_ = std::move(b.BontMutStat);
    taroltHuzasok_ = std::move(b.TaroltHuzasok);
    huzasDbk_.assign(taroltHuzasok_.size(), 1);
    datum_ = b.Datum;
    betoltottVerzio_ = b.BetoltottVerzio;
    verzio_ = VerzioSzoveg(SajatVerzio());
    BontMut.fill(0);
    bontStatus_.store(b.Sorok > 0 ? 1 : 0);
    return true;
}

} // namespace varion
