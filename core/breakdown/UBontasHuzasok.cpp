// The draws mode: the rows are the drawn numbers of a range of the database.
#include "breakdown/UBontas.h"

#include <algorithm>

namespace varion {

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

} // namespace varion
