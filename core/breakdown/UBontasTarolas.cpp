// Storing rows: the matrix, its growth when full, trimming, deleting, and the hand-over
// to and from the breakdown file.
#include "breakdown/UBontas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "breakdown/UBontasBelso.h"
#include "game/Jatek.h"

namespace varion {
using namespace bontas_belso;
namespace {

constexpr std::string_view BovitesKerdes =
    "A bontás mérete elérte a beállított szelvényszámok maximumát!\r\rHa folytatja, a program "
    "megduplázza a bontás maximális méretét.\r\rFolytatja a bontást?";
constexpr std::string_view TeljesFoglalasKerdes =
    "Lefoglalhatja a program a teljes (0 hibapontos) bontás számára elegendő memóriát?";
constexpr std::string_view SzabadMemoriaKerdes =
    "A bontás mérete elérte a beállított szelvényszámok maximumát!\r\rLefoglalhatja a program "
    "a szabad memóriát?\r\rFolytatja a bontást?";
constexpr std::uint64_t MinimalisMemoria = 10485760;

} // namespace

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
    if (esemenyek_) esemenyek_->BovitesKerdesElott();
    const std::optional<std::uint64_t> ismert = szabadMemoria_();
    // Unknown free memory sets no limit: the growth is offered as if it fitted.
    const std::uint64_t szabad = ismert.value_or(~std::uint64_t{0} / 2);
    const std::uint64_t sorBajt = static_cast<std::uint64_t>(szelesseg_) * 4;
    // In the draws mode the rows are bounded by the draws of the range, not by C(N, K).
    const std::int64_t cel = huzasMod_ ? std::int64_t{huzasokSzama_} : teljes_;
    const auto maradek = static_cast<std::uint64_t>(std::max<std::int64_t>(0, cel - aktMeret_));
    auto leallas = [&] {
        bontStatus_.store(0);
        hibaKor_.store(-1);
        bovul_.store(false);
        if (esemenyek_) esemenyek_->BovitesVege();
        return false;
    };
    std::int64_t uj;
    if (2 * static_cast<std::uint64_t>(aktMeret_) * sorBajt <= szabad) {
        if (!uzenetek_->JovahagyasMindig(BovitesKerdes)) return leallas();
        if (esemenyek_) esemenyek_->BovitesKezdodik();
        uj = 2 * aktMeret_;
        if (elsoBovites_ && maradek * sorBajt < szabad && e_ == 0 &&
            uzenetek_->FigyelmeztetoKerdes(TeljesFoglalasKerdes))
            uj = cel;
        elsoBovites_ = false;
    } else if (szabad <= MinimalisMemoria) {
        if (esemenyek_) esemenyek_->MemoriaHibaElott();
        uzenetek_->HibaUzenet(NincsMemoria);
        return leallas();
    } else {
        if (!uzenetek_->FigyelmeztetoKerdes(SzabadMemoriaKerdes)) return leallas();
        if (esemenyek_) esemenyek_->BovitesKezdodik();
        if (maradek * sorBajt < szabad)
            uj = cel;
        else
            uj = aktMeret_ +
                 static_cast<std::int64_t>(std::nearbyint(double(szabad) * 0.8 / double(sorBajt)));
    }
    uj = std::max(uj, aktMeret_ + 1);
    if (!MatrixFoglalas(uj)) {
        if (esemenyek_) esemenyek_->MemoriaHibaElott();
        uzenetek_->HibaUzenet(NincsMemoria);
        return leallas();
    }
    bovul_.store(false);
    if (esemenyek_) esemenyek_->BovitesVege();
    return true;
}

bool TBontas::BontMatrixOpt() {
    if (Fut()) return false;
    const std::int32_t sorok = GetTaroltNyerSzelv();
    if (sorok <= teljes_ && sorok == aktMeret_) return true;
    if (sorok == 0) {
        matrix_.reset();
        aktMeret_ = 0;
        return true;
    }
    Elengedes();
    MatrixFoglalas(sorok); // shrinking keeps the block where it is when it cannot move
    return true;
}

void TBontas::BontasEldobasa() {
    if (GetTaroltNyerSzelv() > 0 || GetBontStatus() != 0) BontasTorlese();
}

bool TBontas::BontasTorlese() {
    if (Fut()) return false; // the worker may still write the matrix
    Torles();
    return true;
}

void TBontas::Elengedes() {
    if (elengedes_ && (matrix_ || GetTaroltNyerSzelv() > 0 || GetBontStatus() != 0)) elengedes_();
}

void TBontas::Torles() {
    Elengedes();
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

std::optional<BetoltottBontas> TBontas::Mentes() const {
    if (Fut()) return std::nullopt;
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
    MatrixBlokk blokk = MatrixBlokkFoglalas(b.Matrix.size());
    if (!blokk.Adat) return false;
    if (!b.Matrix.empty()) std::memcpy(blokk.Adat.get(), b.Matrix.data(), b.Matrix.size());
    b.Matrix = {};
    return BontasBetoltve(std::move(b), std::move(blokk));
}

bool TBontas::BontasBetoltve(BetoltottBontas b, MatrixBlokk matrix) {
    // Everything is checked before the present breakdown goes: a refused file keeps it.
    if (Fut() || !matrix.Adat || !b.Matrix.empty() || !ErvenyesJatek(b.Jatek)) return false;
    const int K = b.SorHossz, N = static_cast<int>(b.BontasSzamok.size());
    const int maxSzam = MaxSzamJatek(b.Jatek);
    const int szel = b.HuzasMod ? b.Jatek : K;
    if (K < 2 || K > b.Jatek || N < K || N > maxSzam || b.MatrixSzelesseg != szel || b.Sorok < 0 ||
        matrix.Bajt != static_cast<std::size_t>(b.Sorok) * std::size_t(szel) ||
        b.BontMutStat.size() != static_cast<std::size_t>(N))
        return false;
    for (const auto sz : b.BontasSzamok)
        if (sz < 1 || sz > maxSzam) return false;
    for (std::int32_t r = 0; r < b.Sorok; ++r) {
        const std::uint8_t* s = matrix.Adat.get() + static_cast<std::size_t>(r) * std::size_t(szel);
        for (int i = 0; i < szel; ++i) {
            if (b.HuzasMod ? s[i] > maxSzam : (s[i] >= N || (i > 0 && s[i] <= s[i - 1])))
                return false;
        }
    }
    Torles();
    jatek_ = b.Jatek;
    K_ = K;
    N_ = N;
    szelesseg_ = szel;
    huzasMod_ = b.HuzasMod;
    bontasSzamok_ = std::move(b.BontasSzamok);
    teljes_ = TeljBontSzelvszam(N, K);
    matrix_ = std::move(matrix.Adat);
    aktMeret_ = b.Sorok;
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
