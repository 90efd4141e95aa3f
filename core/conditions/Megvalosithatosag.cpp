#include "conditions/Megvalosithatosag.h"

#include <algorithm>
#include <string>

namespace varion {
namespace {

// The favoured-numbers check's two messages for the fixed or the mobile groups.
struct FavUzenetek {
    std::string_view Nem, NemMaradektalanul;
};
constexpr FavUzenetek FixFav{
    "A jelenlegi beállítások mellett, nem teljesülhet\ra favorizált számok feltétel.\r\r"
    "Alacsony a fix számcsoportok találati aránya, vagy magas\ra favorizált számcsoporton belül "
    "várt találatok száma!\r\rMégis elindítja a bontás folyamatát?",
    "A jelenlegi beállítások mellett, nem teljesülhet\rmaradéktalanul a favorizált számok "
    "feltétel.\r\rAlacsony a fix számcsoportok találati aránya, vagy magas\ra favorizált "
    "számcsoporton belül várt találatok száma!\r\rMégis elindítja a bontás folyamatát?"};
constexpr FavUzenetek MobFav{
    "A jelenlegi beállítások mellett, nem teljesülhet\ra favorizált számok feltétel.\r\r"
    "Alacsony a mobil számcsoportok találati aránya, vagy magas\ra favorizált számcsoporton "
    "belül várt találatok száma!\r\rMégis elindítja a bontás folyamatát?",
    "A jelenlegi beállítások mellett, nem teljesülhet\rmaradéktalanul a favorizált számok "
    "feltétel.\r\rAlacsony a mobil számcsoportok találati aránya, vagy magas\ra favorizált "
    "számcsoporton belül várt találatok száma!\r\rMégis elindítja a bontás folyamatát?"};

bool FavEll(int C, const FeltetelAdatok& a, const FavUzenetek& szoveg, Uzenetek& u) {
    if (C < a.FavTalalat) return u.HibaKerdes(szoveg.Nem);
    if (C < a.FavTalalatMax) return u.FigyelmeztetoKerdes(szoveg.NemMaradektalanul);
    return true;
}

} // namespace

bool TalArEll(const FeltetelAdatok& a, int jatek, int sorHossz, int elsoHuzas, int utolsoHuzas,
              int huzasDb, bool ablakLathato, Uzenetek& u) {
    if (!ablakLathato) return true;
    const int hatar = jatek == 5 ? 3 : jatek == 6 ? 4 : 5;
    if (a.TalArBe && !a.TalArKeresett && elsoHuzas == 1 && utolsoHuzas == huzasDb &&
        a.TalArTalalat < hatar && sorHossz > jatek - 3)
        return u.FigyelmeztetoKerdes(
            "Amennyiben nem módosította a programhoz mellékelt lottóhúzások adatbázisát,\rés "
            "minden eddigi lottóhúzással össze kívánja hasonlítani a tervezett bontás "
            "számsorait,\ra kijelölt találati arány(ok) minimum értéke szerint, nem teljesülhet "
            "a találati arányok feltétel!\r\rMégis elindítja a bontás folyamatát?");
    return true;
}

bool OsszegEll(const FeltetelAdatok& a, int sorHossz, bool ablakLathato, Uzenetek& u) {
    if (!ablakLathato) return true;
    if (!(a.SzvParosBe && a.EsemOsszegBe && a.EsemOsszegFix && a.SzvParosFix &&
          a.SzvParos == a.SzvParosMax))
        return true;
    const int paratlanDb = a.SzvParosTipus ? sorHossz - a.SzvParos : a.SzvParos;
    const bool paratlanOsszeg = paratlanDb % 2 != 0;
    const bool fixParatlan = a.EsemOsszFix % 2 != 0;
    if (paratlanOsszeg == fixParatlan) return true;
    if (!paratlanOsszeg)
        u.Figyelmeztetes("Kérem, figyeljen a következőre!\r\rA számvégződések páros-páratlan "
                         "találati aránya szerint,\rcsak páros összegű számsor szerepelhet a "
                         "bontásban.\r\rA Számsor összege feltétel fix értéke páratlan!");
    else
        u.Figyelmeztetes("Kérem, figyeljen a következőre!\r\rA számvégződések páros-páratlan "
                         "találati aránya szerint,\rcsak páratlan összegű számsor szerepelhet a "
                         "bontásban.\r\rA Számsor összeg feltétel fix értéke páros!");
    return false;
}

int FixFavKapacitas(const FeltetelAdatok& a) {
    const int s = std::max(1, a.FixSzamai), k = a.FixTalalatMax;
    int C = 0;
    // Groups cover positions g*s+1 .. (g+1)*s, 1-based.
    for (int g = (a.FavSzamai - 1) / s; g * s + 1 <= a.FavSzamaiMax; ++g) {
        const int tol = std::max(g * s + 1, a.FavSzamai);
        const int ig = std::min((g + 1) * s, a.FavSzamaiMax);
        if (ig >= tol) C += std::min(k, ig - tol + 1);
    }
    return C;
}

int MobFavKapacitas(const FeltetelAdatok& a) {
    const int s = std::max(1, a.MobSzamai), k = a.MobTalalatMax;
    const int R = a.FavSzamaiMax + 1 - a.FavSzamai;
    return (R / s) * k + std::min(k, R % s);
}

bool FixFavEll(const FeltetelAdatok& a, bool ablakLathato, Uzenetek& u) {
    if (!ablakLathato || !(a.FavBe && a.FixBe)) return true;
    return FavEll(FixFavKapacitas(a), a, FixFav, u);
}

bool MobFavEll(const FeltetelAdatok& a, bool ablakLathato, Uzenetek& u) {
    if (!ablakLathato || !(a.FavBe && a.MobBe)) return true;
    return FavEll(MobFavKapacitas(a), a, MobFav, u);
}

} // namespace varion
