#include "conditions/FeltetelEllenorzes.h"

#include <cstdint>
#include <initializer_list>

#include "game/Jatek.h"

namespace varion {

namespace {

bool Kapcsolo(std::uint8_t b) {
    return b <= 1;
}

bool Kozott(std::int32_t v, std::int32_t also, std::int32_t felso) {
    return also <= v && v <= felso;
}

// A pair of limits min..max inside also..felso.
bool Par(std::int32_t min, std::int32_t max, std::int32_t also, std::int32_t felso) {
    return Kozott(min, also, felso) && Kozott(max, min, felso);
}

} // namespace

bool FeltetelAdatokErvenyes(const FeltetelAdatok& f, int n, int k, int jatek) {
    if (!ErvenyesJatek(jatek) || k < 1 || k > jatek || n < 0 || n > MaxSzamJatek(jatek))
        return false;
    if (f.Hibapont > MaxHibapont) return false;
    for (std::uint8_t b :
         {f.FavBe,          f.MobBe,        f.FixBe,         f.SzcsParosBe,   f.SzcsParosFix,
          f.SzcsParosTipus, f.SzcsIsmetBe,  f.SzcsIsmetEgy,  f.TalArBe,       f.TalArKeresett,
          f.TalArHuzasok,   f.SzvParosBe,   f.SzvParosFix,   f.SzvParosTipus, f.SzvIsmetBe,
          f.SzvIsmetEgy,    f.EsemOsszegBe, f.EsemOsszegFix, f.IkerszamBe,    f.TukorszamBe})
        if (!Kapcsolo(b)) return false;

    // Largest sum of a row of any game, with room: every value the window keeps is below.
    constexpr std::int32_t Laza = 1000;
    for (std::int32_t v :
         {f.FavSzamai,     f.FavSzamaiMax,   f.FavTalalat,      f.FavTalalatMax, f.MobSzamai,
          f.MobTalalatMax, f.FixSzamai,      f.FixTalalatMax,   f.SzcsParos,     f.SzcsParosMax,
          f.SzcsParosDb,   f.SzcsParatlanDb, f.SzcsIsmet,       f.SzcsIsmetMax,  f.SzcsIsmetLehet,
          f.SzcsTobbszor,  f.TalArTalalat,   f.TalArTalalatMax, f.SzvParos,      f.SzvParosMax,
          f.ParosDb,       f.ParatlanDb,     f.SzvIsmet,        f.SzvIsmetMax,   f.SzvIsmetLehet,
          f.SzvTobbszor,   f.EsemOsszFix,    f.EsemOsszMax,     f.OsszegMin,     f.OsszegMax,
          f.Ikerszam,      f.IkerszamMax,    f.IkerszamDb,      f.Tukorszam,     f.TukorszamMax,
          f.TukorParDb})
        if (!Kozott(v, 0, Laza)) return false;

    // Switched on, the values belong to this row.
    if (f.FavBe &&
        !(Par(f.FavSzamai, f.FavSzamaiMax, 1, n) && Par(f.FavTalalat, f.FavTalalatMax, 0, k)))
        return false;
    if (f.MobBe && !(Kozott(f.MobSzamai, 1, n) && Kozott(f.MobTalalatMax, 0, k))) return false;
    if (f.FixBe && !(Kozott(f.FixSzamai, 1, n) && Kozott(f.FixTalalatMax, 0, k))) return false;
    if (f.SzcsParosBe && !Par(f.SzcsParos, f.SzcsParosMax, 0, k)) return false;
    if (f.SzcsIsmetBe && !Par(f.SzcsIsmet, f.SzcsIsmetMax, 0, k)) return false;
    if (f.TalArBe && !Par(f.TalArTalalat, f.TalArTalalatMax, 0, jatek)) return false;
    if (f.SzvParosBe && !Par(f.SzvParos, f.SzvParosMax, 0, k)) return false;
    if (f.SzvIsmetBe && !Par(f.SzvIsmet, f.SzvIsmetMax, 0, k)) return false;
    if (f.EsemOsszegBe && !Par(f.EsemOsszFix, f.EsemOsszMax, 0, Laza)) return false;
    if (f.IkerszamBe && !Par(f.Ikerszam, f.IkerszamMax, 0, k)) return false;
    if (f.TukorszamBe && !Par(f.Tukorszam, f.TukorszamMax, 0, k)) return false;
    return true;
}

} // namespace varion
