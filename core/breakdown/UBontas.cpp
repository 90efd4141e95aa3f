// The engine's lifetime and the start of a run: free memory, the matrix, the input
// checks and the bounds of every position.
#include "breakdown/UBontas.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <new>

#include "breakdown/UBontasBelso.h"
#include "conditions/FeltetelEllenorzes.h"
#include "game/Jatek.h"

namespace varion {
using namespace bontas_belso;
namespace {

// round(K / M), half to even.
int KerekitettHanyados(int k, int m) {
    const int q = k / m, r = k % m;
    if (2 * r > m || (2 * r == m && (q % 2) != 0)) return q + 1;
    return q;
}

} // namespace

std::optional<std::uint64_t> RendszerSzabadMemoria() {
    std::ifstream f("/proc/meminfo");
    std::string nev;
    std::uint64_t ertek = 0;
    std::string egyseg;
    while (f >> nev >> ertek >> egyseg)
        if (nev == "MemAvailable:") return ertek * 1024;
    return std::nullopt; // unknown, which is not the same as none
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

TBontas::TBontas() = default;

TBontas::~TBontas() {
    Stop();
    Megvar();
}

bool TBontas::MatrixFoglalas(std::int64_t sorok) {
    if (sorok < 0 || !MatrixAtmeretezes(matrix_, static_cast<std::size_t>(sorok) *
                                                     static_cast<std::size_t>(szelesseg_)))
        return false;
    aktMeret_ = sorok;
    return true;
}

std::expected<void, InditasHiba> TBontas::BontasIndul(const BontasBemenet& be, Uzenetek& uzenetek,
                                                      SzabadMemoriaLekerdezes szabadMemoria) {
    if (Fut()) return std::unexpected(InditasHiba::Fut);
    if (!ErvenyesJatek(be.Jatek)) return std::unexpected(InditasHiba::ErvenytelenJatek);
    const int K = be.Jatek - static_cast<int>(be.FixSzamok.size());
    const int N = static_cast<int>(be.JeloltSzamok.size());
    const int maxSzam = MaxSzamJatek(be.Jatek);
    // The upper bounds N - K + i are bytes: fewer numbers than a variation needs would
    // wrap them, so such a run is refused before anything changes.
    if (K < 2 || N < K) return std::unexpected(InditasHiba::KevesSzam);
    if (N > maxSzam) return std::unexpected(InditasHiba::HibasSzam);
    for (const auto sz : be.JeloltSzamok)
        if (sz < 1 || sz > maxSzam) return std::unexpected(InditasHiba::HibasSzam);
    Megvar();

    Torles();
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
    // A record handed over directly may never have been through the file reader's check:
    // clamped to the same limits, no value drives a bound, a count table or a loop out of
    // range, and a record that passes the check stays as it is.
    FeltetelAdatokIgazitas(feltetelek_.Adatok, N, K, jatek_);
    feltJelzo_ = feltetelek_.FeltetelJelzo;
    const auto& a = feltetelek_.Adatok;
    e_ = std::clamp(int{a.Hibapont}, 0, std::min(3, K - 1));
    huzasMod_ = feltJelzo_ && a.TalArBe && a.TalArHuzasok;
    // Rows of past draws cannot be compared with index rows: the draws mode stores every
    // matching draw once and ignores the error points.
    if (huzasMod_) e_ = 0;
    eloszlas_ = be.EloszlasDoboz && feltetelek_.EloszlasOpt && e_ > 0;
    optimalizalt_ = be.Optimalizalt && e_ > 0;
    optMag_ = be.OptimalisMag;
    optIdo_ = be.OptimalisIdo;
    optLepesKorlat_ = be.OptimalisLepesKorlat;
    optLepesek_ = 0;
    // Too large a selection is refused here, before the run, not after the passes.
    optMegtagadas_ = optimalizalt_ ? OptimalisElutasitas(N, K, e_) : std::string{};
    if (!optMegtagadas_.empty()) optimalizalt_ = false;

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
        Torles();
        return std::unexpected(InditasHiba::NincsMemoria);
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
    return {};
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

} // namespace varion
