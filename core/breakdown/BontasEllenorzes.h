// Counting hits over a stored breakdown: how many variations would reach each prize class
// if a given row were drawn (the check), the hits of one variation (the list's search),
// and the hit distribution of one stored variation over the whole breakdown. The matrix is
// read in place by the counting kernel (TalalatMag.h).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "breakdown/UBontas.h"
#include "game/SzamMaszk.h"
#include "game/Szamsor.h"

namespace varion {

SzamMaszk Maszk(std::span<const std::uint8_t> szamok);

// What the counting reads of a breakdown: its matrix in place and what the entries mean.
struct BontasAdat {
    const std::uint8_t* Matrix = nullptr;
    std::int32_t Sorok = 0;
    int Szelesseg = 0; // entries a row: K, or the game count in the draws mode
    int SorHossz = 0;  // K
    int Jatek = 5;
    bool HuzasMod = false; // entries are the numbers of past draws, not indices
    Szamsor BontasSzamok;  // the marked numbers the entries point to
    Szamsor FixSzamok;     // the main ticket's fixed numbers, part of every normal row

    // The lottery number an entry stands for.
    int Szam(std::uint8_t e) const {
        return HuzasMod ? e
                        : (static_cast<std::size_t>(e) < BontasSzamok.size() ? BontasSzamok[e] : 0);
    }
    int Bejegyzes(std::int32_t sor, int oszlop) const {
        return Matrix[static_cast<std::size_t>(sor) * static_cast<std::size_t>(Szelesseg) +
                      static_cast<std::size_t>(oszlop)];
    }
    // Fixed numbers added to every row (none in the draws mode).
    int FixDb() const { return HuzasMod ? 0 : static_cast<int>(FixSzamok.size()); }
};

// The engine's breakdown with the main ticket's fixed numbers.
BontasAdat BontasAdatai(const TBontas& b, const Szamsor& fix);

// Variations reaching game-3, game-2, game-1 and game hits; Hatoslottó's 5 hits with the
// plus number count apart, under "5+1" only.
struct TalalatOsztalyok {
    std::array<std::int32_t, 4> Osztaly{};
    std::int32_t Plusz = 0;
    bool operator==(const TalalatOsztalyok&) const = default;
    std::int32_t Osztalyban(int talalat, int jatek) const {
        const int i = talalat - (jatek - 3);
        return i >= 0 && i < 4 ? Osztaly[static_cast<std::size_t>(i)] : 0;
    }
    bool VanTalalat() const { return Plusz > 0 || Osztaly != std::array<std::int32_t, 4>{}; }
};

// The hits of every stored variation against one drawn row (and plus number).
class TalalatSzamlalo {
public:
    TalalatSzamlalo() = default;
    // `huzott` are the drawn numbers; `plusz` Hatoslottó's plus number or 0.
    TalalatSzamlalo(BontasAdat bontas, std::span<const std::uint8_t> huzott, int plusz = 0);

    // Hits of one stored variation; -1 for Hatoslottó's "5+1".
    int SorTalalat(std::int32_t sor) const {
        return Osztalyozas(Suly(bontas_.Matrix + static_cast<std::size_t>(sor) *
                                                     static_cast<std::size_t>(bontas_.Szelesseg)));
    }
    TalalatOsztalyok TalalatSzamitas() const;

    const BontasAdat& Bontas() const { return bontas_; }
    int Jatek() const { return bontas_.Jatek; }
    std::int32_t Sorok() const { return bontas_.Sorok; }

private:
    // Each entry's weight: 1 when its number was drawn, 16 when it is the plus number.
    int Suly(const std::uint8_t* sor) const {
        int s = 0;
        for (int j = 0; j < bontas_.Szelesseg; ++j) s += suly_[sor[j]];
        return s;
    }
    int Osztalyozas(int suly) const {
        const int talalat = (suly & 15) + fixTalalat_;
        if (pluszJatek_ && talalat == 5 && ((suly >> 4) != 0 || pluszFix_)) return -1;
        return talalat;
    }

    BontasAdat bontas_;
    std::array<std::uint8_t, 256> suly_{};
    int fixTalalat_ = 0;
    bool pluszFix_ = false;   // the plus number is one of the fixed numbers
    bool pluszJatek_ = false; // Hatoslottó with a plus number chosen
};

// The hit distribution of stored variation `sor` as if it were the draw.
TalalatOsztalyok TalalatEloszlas(const BontasAdat& b, std::int32_t sor);

// The same for a complete breakdown of N marked numbers into K (F fixed), by counting
// choices: C(K, s) · C(N - K, K - s) rows share s numbers with any row.
TalalatOsztalyok TeljesEloszlas(int jatek, int N, int K, int F);

// Whether one distribution stands for every row: only a complete breakdown without any
// condition and without error points is symmetric in its rows.
bool EloszlasMindenSorra(const TBontas& b);

} // namespace varion
