// What the benchmarks share: a message service that shows nothing, the numbers 1..n, and
// the full breakdown of 90 numbers into 5 (43,949,268 rows), built once per program.
#pragma once

#include <chrono>
#include <numeric>

#include "breakdown/UBontas.h"

namespace varion::bench {

class Csendes final : public Uzenetek {
protected:
    bool Megjelenit(UzenetTipus, std::string_view) override { return true; }
};

inline Szamsor Sorozat(int n) {
    Szamsor s(static_cast<std::size_t>(n));
    std::iota(s.begin(), s.end(), std::uint8_t{1});
    return s;
}

inline double Masodperc(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

inline const TBontas& TeljesBontas() {
    static TBontas* b = [] {
        auto* t = new TBontas;
        Csendes u;
        t->SetBontasMaxMerete(TeljBontSzelvszam(90, 5));
        BontasBemenet be;
        be.Jatek = 5;
        be.JeloltSzamok = Sorozat(90);
        t->BontasIndul(be, u);
        t->Futtatas();
        return t;
    }();
    return *b;
}

} // namespace varion::bench
