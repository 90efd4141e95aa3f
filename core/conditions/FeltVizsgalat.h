// The test of one complete variation against the condition set. It runs once per
// enumerated variation, so it works on tables prepared at the run start, allocates nothing
// and stops at the first failing condition. Two rules advance the variation in place to
// skip what cannot pass (favourite minimum, mirror maximum), and one ends the enumeration.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "conditions/Feltetelek.h"

namespace varion {

// The draw table of the current game as the engine reads it: one row of `Szelesseg`
// integers per draw (draw number, year, week, numbers), row index = draw number - 1.
struct HuzasTablaNezet {
    std::span<const std::int32_t> Adat;
    int Szelesseg = 0;
    int Sorok() const { return Szelesseg > 0 ? static_cast<int>(Adat.size()) / Szelesseg : 0; }
    const std::int32_t* Sor(int i) const {
        return Adat.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(Szelesseg);
    }
};

// Bits of `TeljesultFeltetelek`: the conditions that passed at least once in a run.
namespace teljesult {
inline constexpr std::uint16_t Fav = 0x0001, Mob = 0x0002, Fix = 0x0004, SzcsParos = 0x0008,
                               SzcsIsmet = 0x0010, TalAr = 0x0020, SzvParos = 0x0040,
                               SzvIsmet = 0x0080, Osszeg = 0x0200, Ikerszam = 0x0400,
                               Tukorszam = 0x0800;
}

class FeltetelVizsgalo {
public:
    // Takes the tables of a run. `f` must outlive the run and match `szamok` (its markers
    // built from them); `utolsoHuzas` is the 1-based last draw of the range.
    void Elokeszites(const FeltetelKeszlet& f, const Szamsor& szamok, int jatek, int sorHossz,
                     HuzasTablaNezet huzasok, int utolsoHuzas);

    // True when the variation passes. May advance `bontMut` (skip-ahead) and set `mutPoz`
    // to -1 (nothing later can pass); leaves `HuzasIndex` on a matching draw.
    bool FeltVizsgalat(std::uint8_t* bontMut, int& mutPoz);
    // False when the second draw of the record at `HuzasIndex` has a hit count in range.
    bool FeltVizsgSkandi(const std::uint8_t* bontMut);

    // The numbers of the first (`masodik` false) or second draw of the record at `index`.
    const std::int32_t* HuzasSzamai(int index, bool masodik) const;

    int HuzasIndex = 0;
    int UtolsoHuzas = 0; // exclusive end of the cursor
    int SkandiMezo = 0;
    int HuzasMezoDb = 0;
    std::uint16_t Teljesult = 0;

private:
    int Talalat(const std::uint8_t* bontMut, int mezoTol, int mezoIg) const;
    bool ParosArany(int e, bool fix, bool paros, int min, int max, int m) const;
    static int Ismetlodes(const std::uint8_t* bontMut, int K, const std::int32_t* ertek, bool egy,
                          bool& hibas);

    const FeltetelAdatok* a_ = nullptr;
    const FeltetelKeszlet* f_ = nullptr;
    int jatek_ = 5, K_ = 0, maxSzam_ = 90;
    std::vector<std::int32_t> szam_, csoport_, vegzodes_;
    HuzasTablaNezet huzasok_;
};

} // namespace varion
