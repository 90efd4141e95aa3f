// The optimised search after the passes: the passes' rows are the start, and its smallest
// complete cover replaces them (never more rows, the same guarantee).
#include <algorithm>

#include "breakdown/OptimalisBontas.h"
#include "breakdown/UBontas.h"

namespace varion {

void TBontas::Optimalizalas() {
    if (!optimalizalt_ || huzasMod_ || e_ < 1 || GetTaroltNyerSzelv() == 0) return;
    optAllapot_.Stop.store(false);
    optAllapot_.LegjobbDb.store(0);
    optAllapot_.Lepesek.store(0);
    optKezdoIdo_.store(std::chrono::steady_clock::now().time_since_epoch().count());
    optFut_.store(true);
    // A Stop that came before the flag was up ended the run: nothing to search then.
    if (bontStatus_.load() != 1) {
        optFut_.store(false);
        return;
    }
    const FedesEredmeny r = BontasOptimalizalasa(
        *this, BontasJeloltjei(*this, huzasok_, elsoHuzas_ + 1, vizsgalo_.UtolsoHuzas), optMag_,
        optIdo_, optAllapot_);
    const auto sorok = static_cast<std::int32_t>(r.Sorok.size());
    if (!r.TulNagy && sorok > 0 && sorok <= GetTaroltNyerSzelv()) {
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
    optFut_.store(false);
}

} // namespace varion
