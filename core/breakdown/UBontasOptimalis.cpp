// The optimised search after the passes: the passes' rows are the start, and its smallest
// complete cover replaces them (never more rows, the same guarantee).
#include <algorithm>
#include <new>

#include "breakdown/OptimalisBontas.h"
#include "breakdown/UBontas.h"

namespace varion {

void TBontas::Optimalizalas() {
    if (!optimalizalt_ || huzasMod_ || e_ < 1 || GetTaroltNyerSzelv() == 0) return;
    optAllapot_.Stop.store(false);
    optAllapot_.LegjobbDb.store(0);
    optAllapot_.AlsoKorlat.store(0);
    optAllapot_.Lepesek.store(0);
    optKezdoIdo_.store(std::chrono::steady_clock::now().time_since_epoch().count());
    optFut_.store(true);
    // However the search ends, Stop goes back to ending the run.
    struct Lezaras {
        std::atomic<bool>& fut;
        ~Lezaras() { fut.store(false); }
    } lezaras{optFut_};
    // A Stop that came before the flag was up ended the run: nothing to search then.
    if (bontStatus_.load() != 1) return;
    FedesEredmeny r;
    try {
        r = BontasOptimalizalasa(
            *this, BontasJeloltjei(*this, huzasok_, elsoHuzas_ + 1, vizsgalo_.UtolsoHuzas),
            OptimalisBeallitas{optMag_, optIdo_, optLepesKorlat_, optProba_}, optAllapot_);
    } catch (const std::bad_alloc&) {
        // The candidates did not fit: the passes' rows are a complete cover already.
        optMegtagadas_ = OptimalisMemoriaHiba;
        return;
    }
    optLepesek_ = r.Lepesek;
    if (!r.Elutasitas.empty()) {
        optMegtagadas_ = r.Elutasitas;
        return;
    }
    const auto sorok = static_cast<std::int32_t>(r.Sorok.size());
    if (sorok == 0 || sorok > GetTaroltNyerSzelv()) return;
    std::fill(bontMutStat_.begin(), bontMutStat_.end(), 0);
    for (std::int32_t i = 0; i < sorok; ++i) {
        const auto& s = r.Sorok[static_cast<std::size_t>(i)];
        std::uint8_t* cel =
            matrix_.get() + static_cast<std::size_t>(i) * static_cast<std::size_t>(szelesseg_);
        std::copy_n(s.begin(), K_, cel);
        for (int p = 0; p < K_; ++p) ++bontMutStat_[s[static_cast<std::size_t>(p)]];
    }
    tarolt_.store(sorok);
}

} // namespace varion
