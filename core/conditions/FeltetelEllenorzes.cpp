#include "conditions/FeltetelEllenorzes.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "game/Jatek.h"

namespace varion {

namespace {

// Every limit of the record in one place, for the reader's check and for the engine's
// clamp. `kapcsolo` gets each switch byte, `mezo` each value with its lowest and highest
// allowed value; the second value of a pair comes after the first, whose value is its
// lower limit. `R` is the record, const for the check.
template <class R, class K, class M>
void Korlatok(R& f, int n, int k, int jatek, K&& kapcsolo, M&& mezo) {
    for (auto* b :
         {&f.FavBe,          &f.MobBe,        &f.FixBe,         &f.SzcsParosBe,   &f.SzcsParosFix,
          &f.SzcsParosTipus, &f.SzcsIsmetBe,  &f.SzcsIsmetEgy,  &f.TalArBe,       &f.TalArKeresett,
          &f.TalArHuzasok,   &f.SzvParosBe,   &f.SzvParosFix,   &f.SzvParosTipus, &f.SzvIsmetBe,
          &f.SzvIsmetEgy,    &f.EsemOsszegBe, &f.EsemOsszegFix, &f.IkerszamBe,    &f.TukorszamBe})
        kapcsolo(*b);

    // Largest sum of a row of any game, with room: every value the window keeps is below.
    constexpr std::int32_t Laza = 1000;
    for (auto* v : {&f.FavSzamai,     &f.FavSzamaiMax,    &f.FavTalalat,     &f.FavTalalatMax,
                    &f.MobSzamai,     &f.MobTalalatMax,   &f.FixSzamai,      &f.FixTalalatMax,
                    &f.SzcsParos,     &f.SzcsParosMax,    &f.SzcsParosDb,    &f.SzcsParatlanDb,
                    &f.SzcsIsmet,     &f.SzcsIsmetMax,    &f.SzcsIsmetLehet, &f.SzcsTobbszor,
                    &f.TalArTalalat,  &f.TalArTalalatMax, &f.SzvParos,       &f.SzvParosMax,
                    &f.ParosDb,       &f.ParatlanDb,      &f.SzvIsmet,       &f.SzvIsmetMax,
                    &f.SzvIsmetLehet, &f.SzvTobbszor,     &f.EsemOsszFix,    &f.EsemOsszMax,
                    &f.OsszegMin,     &f.OsszegMax,       &f.Ikerszam,       &f.IkerszamMax,
                    &f.IkerszamDb,    &f.Tukorszam,       &f.TukorszamMax,   &f.TukorParDb})
        mezo(*v, 0, Laza);

    // Switched on, the values belong to this row.
    auto par = [&](auto& min, auto& max, std::int32_t also, std::int32_t felso) {
        mezo(min, also, felso);
        mezo(max, min, felso);
    };
    if (f.FavBe) {
        par(f.FavSzamai, f.FavSzamaiMax, 1, n);
        par(f.FavTalalat, f.FavTalalatMax, 0, k);
    }
    if (f.MobBe) {
        mezo(f.MobSzamai, 1, n);
        mezo(f.MobTalalatMax, 0, k);
    }
    if (f.FixBe) {
        mezo(f.FixSzamai, 1, n);
        mezo(f.FixTalalatMax, 0, k);
    }
    if (f.SzcsParosBe) par(f.SzcsParos, f.SzcsParosMax, 0, k);
    if (f.SzcsIsmetBe) par(f.SzcsIsmet, f.SzcsIsmetMax, 0, k);
    if (f.TalArBe) par(f.TalArTalalat, f.TalArTalalatMax, 0, jatek);
    if (f.SzvParosBe) par(f.SzvParos, f.SzvParosMax, 0, k);
    if (f.SzvIsmetBe) par(f.SzvIsmet, f.SzvIsmetMax, 0, k);
    if (f.EsemOsszegBe) par(f.EsemOsszFix, f.EsemOsszMax, 0, Laza);
    if (f.IkerszamBe) par(f.Ikerszam, f.IkerszamMax, 0, k);
    if (f.TukorszamBe) par(f.Tukorszam, f.TukorszamMax, 0, k);
}

} // namespace

bool FeltetelAdatokErvenyes(const FeltetelAdatok& f, int n, int k, int jatek) {
    if (!ErvenyesJatek(jatek) || k < 1 || k > jatek || n < 0 || n > MaxSzamJatek(jatek))
        return false;
    if (f.Hibapont > MaxHibapont) return false;
    bool jo = true;
    Korlatok(
        f, n, k, jatek, [&](std::uint8_t b) { jo = jo && b <= 1; },
        [&](std::int32_t v, std::int32_t also, std::int32_t felso) {
            jo = jo && also <= v && v <= felso;
        });
    return jo;
}

void FeltetelAdatokIgazitas(FeltetelAdatok& f, int n, int k, int jatek) {
    f.Hibapont = std::min<std::uint8_t>(f.Hibapont, MaxHibapont);
    Korlatok(
        f, n, k, jatek, [](std::uint8_t& b) { b = b != 0 ? 1 : 0; },
        [](std::int32_t& v, std::int32_t also, std::int32_t felso) {
            v = std::max(also, std::min(v, felso));
        });
}

} // namespace varion
