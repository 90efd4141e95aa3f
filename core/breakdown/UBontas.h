// The breakdown engine: enumerates every ascending choice of K positions out of the N
// marked numbers, filters them by the condition set and, with error points, by the
// covering test, and stores the survivors in one contiguous matrix. One instance lives for
// the whole program; a run is prepared on the window thread (`BontasIndul`), executed on a
// worker (`Futtatas`, or `SzalInditas` for a thread of its own) and watched by the window's
// progress tick through `Haladas`.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <expected>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "base/ProgramVerzio.h"
#include "base/Uzenetek.h"
#include "breakdown/BontasEsemenyek.h"
#include "breakdown/HibapontIndex.h"
#include "breakdown/MatrixTar.h"
#include "breakdown/OptimalisFedes.h"
#include "conditions/FeltVizsgalat.h"
#include "conditions/Feltetelek.h"
#include "game/Szamsor.h"

namespace varion {

// Everything a run starts from, collected by the caller at the Start command.
struct BontasBemenet {
    int Jatek = 5;
    Szamsor JeloltSzamok; // breakdown row, in the main ticket's order
    Szamsor FixSzamok;
    const FeltetelKeszlet* Feltetelek = nullptr; // copied at run start
    bool EloszlasDoboz = false;                  // the window's distribution box is ticked
    HuzasTablaNezet Huzasok;                     // used by the hit-ratio condition
    int ElsoHuzas = 1, UtolsoHuzas = 0;          // draw range, 1-based, inclusive
    double Datum = 0;                            // today, days since 30 December 1899
    ProgramVerzio Verzio = SajatVerzio();
    // After the passes, search a smaller cover with the same guarantee (error points only,
    // not in the draws mode) for at most `OptimalisIdo`, seeded by `OptimalisMag`.
    bool Optimalizalt = false;
    std::uint64_t OptimalisMag = 1;
    std::chrono::milliseconds OptimalisIdo{10000};
    // Rounds instead of the time budget (0: the budget): repeats a run by its seed.
    std::uint64_t OptimalisLepesKorlat = 0;
};

// Free physical memory in bytes (MemAvailable on Linux; tests inject their own). Nothing
// when it cannot be read: the growth of the matrix is then not limited by it.
using SzabadMemoriaLekerdezes = std::function<std::optional<std::uint64_t>()>;
std::optional<std::uint64_t> RendszerSzabadMemoria();

// Why a run was not started.
enum class InditasHiba {
    Fut,              // the previous run's worker has not returned yet
    ErvenytelenJatek, // not 5, 6 or 7
    KevesSzam,        // fewer marked numbers than a variation needs
    HibasSzam,        // a marked number outside 1..MaxSzam, or too many of them
    NincsMemoria,     // the first block of the matrix could not be allocated
};

// A finished breakdown as a file holds it, for saving and for installing a loaded one.
struct BetoltottBontas {
    int Jatek = 5;
    int SorHossz = 0;                 // K
    int MatrixSzelesseg = 0;          // K, or the game count in the draws mode
    Szamsor BontasSzamok;             // the marked numbers the rows index into
    std::vector<std::uint8_t> Matrix; // rows x MatrixSzelesseg bytes
    std::int32_t Sorok = 0;
    std::vector<std::int32_t> BontMutStat;   // one per marked number
    std::vector<std::int32_t> TaroltHuzasok; // draws mode, with its trailing scratch slot
    bool HuzasMod = false;                   // rows hold the numbers of past draws
    double Datum = 0;
    ProgramVerzio BetoltottVerzio; // version of the program that wrote the file
};

// A snapshot for the progress tick, taken without stopping the worker.
struct BontasHaladas {
    int SorHossz = 0, Hibapont = 0;
    std::array<std::uint8_t, 8> BontMut{}, BontMutMin{}, BontMutMax{};
    std::int32_t TaroltNyerSzelv = 0;
    std::int64_t TeljesSzelvszam = 0;
    std::int32_t FolyamatAlap = 0;
    std::int32_t HibaKor = -1;
    std::uint8_t BontStatus = 0;
    bool Bovites = false; // the matrix is being extended ("A bontás tömbjének kiterjesztése.")
    std::chrono::milliseconds Eltelt{0};
    bool Optimalizalas = false;           // the optimised search is running
    std::int32_t OptimalisDb = 0;         // its smallest complete cover so far (0 before the first)
    std::int32_t OptimalisAlsoKorlat = 0; // no cover can be smaller (0 before it is known)
    std::chrono::milliseconds OptimalisEltelt{0}, OptimalisIdo{0}; // its time and budget
};

// C(n, k) by the engine's own formula (64-bit; k >= 2).
std::int64_t TeljBontSzelvszam(std::int32_t n, std::int32_t k);
// The largest initial capacity the settings offer: round(free x 0.95) div (game x 4).
std::int64_t BontasOptMerete(std::uint64_t szabadMemoria, int jatek);

class TBontas final : public TaroltBontas {
public:
    TBontas();
    ~TBontas();
    TBontas(const TBontas&) = delete;
    TBontas& operator=(const TBontas&) = delete;

    // --- a run ---------------------------------------------------------------------------
    // The engine steps of the run start: copies the input, deletes the previous breakdown,
    // sizes the matrix and the bounds. The reason (and nothing changed) when the input
    // cannot make a breakdown or a run is still going.
    std::expected<void, InditasHiba>
    BontasIndul(const BontasBemenet& be, Uzenetek& uzenetek,
                SzabadMemoriaLekerdezes szabadMemoria = RendszerSzabadMemoria);
    // The worker's body: the pass sequence, the end of the run and the missing-number
    // check. Blocks until the run is over. Questions and messages of the run (capacity
    // growth, the summary) come from the thread that runs it: a window's message service
    // hands them to its own thread and waits for the answer.
    void Futtatas();
    // The same on a worker thread of its own; `Megvar` joins it.
    void SzalInditas();
    void Megvar();
    bool Fut() const { return fut_.load(); }
    // The Stop button: the enumeration leaves its loop at its next iteration. During the
    // optimised search it ends the search instead, and the run finishes with its best
    // complete cover: then true.
    bool Stop();
    // Who hears the moments of a run (set before the worker starts, cleared after it
    // returned); nothing is told without one.
    void SetEsemenyek(BontasEsemenyek* e) { esemenyek_ = e; }
    BontasHaladas Haladas() const;

    // Texts of the run's end, set by `Futtatas` (empty when not applicable).
    const std::string& VegeUzenet() const { return vegeUzenet_; }
    std::chrono::milliseconds Idotartam() const { return idotartam_; }

    // --- the pieces, public for the tests and the command line ----------------------------
    int BontasGeneralas();   // 1 finished or stopped, 0 a store failed
    int UJBontasGeneralas(); // 0 as soon as one variation was stored
    void Start();
    void OptBontStart();
    bool HibapontosBontas();
    int BontasTarol();
    void BontMutMinErtekek();
    void BontMutMaxErtekek();
    void Vege();
    bool BontStatVizsg();
    // Trims the matrix to the rows in use. False (nothing done) while the worker runs.
    bool BontMatrixOpt();
    // The optimised search over the finished passes; the rows are replaced by its result.
    void Optimalizalas();
    std::uint64_t OptimalisMag() const { return optMag_; }
    bool Optimalizalt() const { return optimalizalt_; }
    // Rounds the search ran: with the seed they repeat it (`OptimalisLepesKorlat`).
    std::int64_t OptimalisLepesek() const { return optLepesek_; }
    // Why the specified reduction was kept although the optimised one was asked for (too
    // large a selection, decided at the run start; memory running out): empty otherwise.
    const std::string& OptimalisMegtagadas() const { return optMegtagadas_; }
    // Test seam: called by every search thread before each of its rounds.
    void SetOptimalisProba(std::function<void(int)> f) { optProba_ = std::move(f); }

    // --- reading a breakdown ------------------------------------------------------------
    std::uint8_t GetBontasMatrix(std::int32_t sor, int oszlop) const {
        return matrix_[static_cast<std::size_t>(sor) * static_cast<std::size_t>(szelesseg_) +
                       static_cast<std::size_t>(oszlop)];
    }
    std::span<const std::uint8_t> Sor(std::int32_t sor) const {
        return {matrix_.get() +
                    static_cast<std::size_t>(sor) * static_cast<std::size_t>(szelesseg_),
                static_cast<std::size_t>(szelesseg_)};
    }
    // The rows in use, one after the other (empty while nothing is stored).
    std::span<const std::uint8_t> TaroltSorok() const {
        if (!matrix_) return {};
        return {matrix_.get(), static_cast<std::size_t>(GetTaroltNyerSzelv()) *
                                   static_cast<std::size_t>(szelesseg_)};
    }
    std::int32_t GetLengthBontasMatrix() const { return static_cast<std::int32_t>(aktMeret_); }
    std::int32_t GetTaroltNyerSzelv() const { return tarolt_.load(std::memory_order_relaxed); }
    std::int32_t GetTaroltHuzasok(int i) const {
        return taroltHuzasok_[static_cast<std::size_t>(i)];
    }
    const std::vector<std::int32_t>& TaroltHuzasok() const { return taroltHuzasok_; }
    std::int32_t GetBontMutStat(int i) const { return bontMutStat_[static_cast<std::size_t>(i)]; }
    void SetBontMutStat(int i, std::int32_t v) { bontMutStat_[static_cast<std::size_t>(i)] = v; }
    const std::vector<std::int32_t>& BontMutStat() const { return bontMutStat_; }
    std::int64_t GetBontasMaxMerete() const { return maxMeret_; }
    void SetBontasMaxMerete(std::int64_t v) { maxMeret_ = v; }
    std::uint8_t GetBontStatus() const { return bontStatus_.load(); }
    int MatrixSzelesseg() const { return szelesseg_; }
    int SorHossz() const { return K_; }
    int JeloltDb() const { return N_; }
    int Jatek() const { return jatek_; }
    int Hibapont() const { return e_; }
    bool HuzasMod() const { return huzasMod_; }
    const Szamsor& BontasSzamok() const { return bontasSzamok_; }
    std::int64_t TeljesSzelvszam() const { return teljes_; }
    std::uint16_t TeljesultFeltetelek() const { return vizsgalo_.Teljesult; }
    const FeltetelKeszlet& Feltetelek() const { return feltetelek_; }
    double BontasDatum() const { return datum_; }
    // Version of the program that made the breakdown, and of the file it was loaded from
    // (zeros for a breakdown made in this session).
    const std::string& BontasVerzio() const { return verzio_; }
    const ProgramVerzio& BetoltottVerzio() const { return betoltottVerzio_; }

    // A copy of the finished breakdown; nothing while the worker runs. A file writer reads
    // `TaroltSorok` instead.
    std::optional<BetoltottBontas> Mentes() const;
    // Installs a breakdown read from a file in place of the present one. False, with the
    // present breakdown kept, when the data is inconsistent (sizes, indices at or above N),
    // memory is short or the worker runs.
    bool BontasBetoltve(BetoltottBontas b);
    // The same with the rows already in `matrix` (`b.Matrix` stays empty): the block is
    // taken over as the engine's matrix, without a copy.
    bool BontasBetoltve(BetoltottBontas b, MatrixBlokk matrix);
    // Deletes the breakdown: matrix, counters, draws, bounds; `BontStatus` 0. Refused
    // (false) while the worker runs: Stop first and wait for its end.
    bool BontasTorlese();
    // Clearing the conditions: a stored or stopped breakdown goes.
    void BontasEldobasa() override;
    // Told just before the rows are deleted, replaced by a new run or a loaded file, or
    // moved by the trim, on the thread that does it (never the worker): whoever shows them
    // lets go of them there. The engine itself must not be changed from it.
    void SetElengedes(std::function<void()> f) { elengedes_ = std::move(f); }

    // --- state the passes share (tests read them) ---------------------------------------
    std::array<std::uint8_t, 8> BontMut{}, BontMutMin{}, BontMutMax{};
    int MutPoz = -1;
    int KozosMax = 0;
    bool TobbKor = false;
    std::uint8_t UjTarolas = 0;
    std::vector<std::array<std::uint8_t, 8>> OptSorok;

    // The progress tick's hand-shake: a tick runs only between `TickKezdes` (true) and
    // `TickVege`; the worker waits for a running tick before the end-of-run summary.
    bool TickKezdes();
    void TickVege() { tickFut_.store(false); }

private:
    bool HibaTeszt(std::uint8_t* b);
    void Eloreugras(std::uint8_t* b, int p) const;
    int Tarolas(const std::uint8_t* b);
    // Stores a row of the error-point search and adds it to the index. A row may be
    // written and the run still end (a declined growth): `Uj` and `Eredmeny` tell both.
    struct IndexeltSor {
        int Eredmeny;
        std::int32_t Sor;
        bool Uj;
    };
    IndexeltSor IndexeltTarolas(const std::uint8_t* b);
    int HuzasTarolas(const std::uint8_t* b, bool masodik);
    bool HuzasSorozat(std::uint8_t* b, int& mutPoz);
    bool Bovites();
    void HibaKorBeallitas(int kor);
    void Torles();
    void Elengedes();
    bool MatrixFoglalas(std::int64_t sorok);
    template <bool Felt, bool Hiba> int Generalas(bool egyTarolas);
    int LefedoKereses(bool egyTarolas);
    int UgroKereses(bool egyTarolas);
    void PassKezdes(int kozosMax);

    int jatek_ = 5, N_ = 0, K_ = 0, e_ = 0;
    bool feltJelzo_ = false, huzasMod_ = false, eloszlas_ = false;
    FeltetelKeszlet feltetelek_;
    FeltetelVizsgalo vizsgalo_;
    Szamsor bontasSzamok_;
    MatrixMutato matrix_;
    int szelesseg_ = 0;
    std::atomic<std::int32_t> tarolt_{0};
    std::int64_t aktMeret_ = 0, maxMeret_ = 100000, teljes_ = 0;
    std::vector<std::int32_t> bontMutStat_, taroltHuzasok_, huzasDbk_;
    std::atomic<std::uint8_t> bontStatus_{0};
    std::atomic<std::int32_t> hibaKor_{-1};
    std::atomic<std::int32_t> folyamatAlap_{0};
    std::atomic<std::uint64_t> mutKep_{0};
    // The bounds as the run started, for the progress tick (the passes change their own).
    std::array<std::uint8_t, 8> haladasMin_{}, haladasMax_{};
    std::atomic<bool> bovul_{false}, fut_{false};
    std::atomic<bool> tickFut_{false}, tickEngedve_{false};
    bool elsoBovites_ = true, kesz_ = false;
    std::vector<std::uint8_t> taroltFel_; // draws mode: bit 1 first draw, 2 second stored
    std::int32_t huzasokSzama_ = 0;
    int elsoHuzas_ = 0;
    double datum_ = 0;
    std::string verzio_;
    ProgramVerzio betoltottVerzio_{};
    HuzasTablaNezet huzasok_;
    HibapontIndex index_;
    Uzenetek* uzenetek_ = nullptr;
    BontasEsemenyek* esemenyek_ = nullptr;
    std::function<void()> elengedes_;
    SzabadMemoriaLekerdezes szabadMemoria_;
    std::atomic<std::chrono::steady_clock::rep> kezdoIdo_{0}; // read by the progress tick
    void IdoInditas();
    std::chrono::milliseconds Eltelt() const;
    std::chrono::milliseconds idotartam_{0};
    std::string vegeUzenet_;
    std::thread szal_;
    bool optimalizalt_ = false;
    std::uint64_t optMag_ = 0;
    std::chrono::milliseconds optIdo_{10000};
    std::uint64_t optLepesKorlat_ = 0;
    std::int64_t optLepesek_ = 0;
    std::string optMegtagadas_;
    std::function<void(int)> optProba_;
    FedesAllapot optAllapot_;
    std::atomic<bool> optFut_{false};
    std::atomic<std::chrono::steady_clock::rep> optKezdoIdo_{0};
};

} // namespace varion
