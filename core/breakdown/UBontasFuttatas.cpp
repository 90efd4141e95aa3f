// Run control: the passes, the worker thread, Stop, the end of a run and the progress
// the window's tick reads.
#include "breakdown/UBontas.h"
#include "breakdown/UBontasBelso.h"

#include <cstring>

#include "breakdown/UBontMegsz.h"
#include "game/Jatek.h"

namespace varion {

void TBontas::Start() {
    folyamatAlap_.store(0);
    vizsgalo_.SkandiMezo = 0;
    IdoInditas();
    const int K = K_, e = e_;
    int kor = K - 1 - e;
    HibaKorBeallitas(kor);
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
        HibaKorBeallitas(kor);
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
        HibaKorBeallitas(kor);
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
    HibaKorBeallitas(0);
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
    bool memoriaHiba = false;
    if (bontStatus_.load() == 1) {
        try {
            if (eloszlas_)
                OptBontStart();
            else
                Start();
            if (optimalizalt_ && bontStatus_.load() == 1) Optimalizalas();
        } catch (const std::bad_alloc&) {
            // The rows stored so far stay as they are; the run ends as if stopped. Not
            // through `Stop`, which during the optimised search would only end the search.
            bontStatus_.store(0);
            hibaKor_.store(-1);
            bovul_.store(false);
            memoriaHiba = true;
        }
    }
    tickEngedve_.store(false);
    while (tickFut_.load()) std::this_thread::yield();
    if (memoriaHiba) {
        if (esemenyek_) esemenyek_->MemoriaHibaElott();
        if (uzenetek_) uzenetek_->HibaUzenet(bontas_belso::NincsMemoria);
    }
    Vege();
    if (bontStatus_.load() == 1 && GetTaroltNyerSzelv() > 0) BontStatVizsg();
    BontasEsemenyek* e = esemenyek_;
    fut_.store(false);
    if (e) e->SzalVege();
}

void TBontas::HibaKorBeallitas(int kor) {
    // A stop's -1 is final for the run: a pass that ends after it must not revive it.
    int most = hibaKor_.load();
    do {
        if (most == -1 || bontStatus_.load() != 1) return;
    } while (!hibaKor_.compare_exchange_weak(most, kor));
}

void TBontas::SzalInditas() {
    Megvar();
    fut_.store(true);
    szal_ = std::thread([this] { Futtatas(); });
}

void TBontas::Megvar() {
    if (szal_.joinable()) szal_.join();
}

bool TBontas::Stop() {
    if (optFut_.load()) {
        optAllapot_.Stop.store(true);
        return true;
    }
    bontStatus_.store(0);
    hibaKor_.store(-1);
    return false;
}

void TBontas::Vege() {
    idotartam_ = Eltelt();
    const bool megallitva = bontStatus_.load() == 0;
    const bool ures = !megallitva && GetTaroltNyerSzelv() == 0;
    if (ures) {
        bontStatus_.store(0);
        hibaKor_.store(-1);
        vegeUzenet_ = UresBontasUzenet(feltetelek_.Adatok, vizsgalo_.Teljesult);
    }
    // The window shows the end of the run before any of its messages.
    if (esemenyek_)
        esemenyek_->FutasVege(megallitva ? BontasVege::Megallitott : BontasVege::Befejezett);
    if (ures && uzenetek_) uzenetek_->HibaUzenet(vegeUzenet_);
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
    h.Optimalizalas = optFut_.load();
    h.OptimalisDb = optAllapot_.LegjobbDb.load();
    h.OptimalisAlsoKorlat = optAllapot_.AlsoKorlat.load();
    if (h.Optimalizalas) {
        const std::chrono::steady_clock::time_point kezdo{
            std::chrono::steady_clock::duration{optKezdoIdo_.load()}};
        h.OptimalisEltelt = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - kezdo);
        // A round limit has no budget to count down.
        h.OptimalisIdo = optLepesKorlat_ != 0 ? std::chrono::milliseconds{0} : optIdo_;
    }
    h.Eltelt = Eltelt();
    return h;
}

} // namespace varion
