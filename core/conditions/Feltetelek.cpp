#include "conditions/Feltetelek.h"

#include <algorithm>
#include <functional>

#include "game/Jatek.h"

namespace varion {
namespace {

struct Hisztogram {
    std::int32_t Egyes = 0, Lehet = 0, Ossz = 0, Tobbszor = 0;
};

Hisztogram Szamlalas(const std::vector<int>& db) {
    Hisztogram h;
    int legtobb = 0;
    for (int c : db) {
        legtobb = std::max(legtobb, c);
        if (c == 1) ++h.Egyes;
        if (c > 1) {
            h.Ossz += c - 1;
            ++h.Tobbszor;
        }
    }
    h.Lehet = legtobb - 1;
    return h;
}

} // namespace

void SzamJelzoBeallitas(FeltetelKeszlet& f, const Szamsor& jelolt, int jatek) {
    auto& a = f.Adatok;
    const std::size_t n = jelolt.size();
    f.SzamJelzo.assign(n, 0);
    f.TukorPar.assign(n, -1);
    a.ParosDb = a.ParatlanDb = a.IkerszamDb = 0;
    a.SzcsParosDb = a.SzcsParatlanDb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int sz = jelolt[i];
        if (sz % 2 == 0) {
            f.SzamJelzo[i] |= JelzoParos;
            ++a.ParosDb;
        } else {
            ++a.ParatlanDb;
        }
        if (sz / 10 == sz % 10) {
            f.SzamJelzo[i] |= JelzoIkerszam;
            ++a.IkerszamDb;
        }
        if ((sz / 10) % 2 == 0) {
            f.SzamJelzo[i] |= JelzoParosCsoport;
            ++a.SzcsParosDb;
        } else {
            ++a.SzcsParatlanDb;
        }
    }
    a.TukorParDb = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const int x = jelolt[i];
        if (x < 10) continue;
        for (std::size_t j = i + 1; j < n; ++j) {
            const int y = jelolt[j];
            if (y / 10 == x % 10 && y % 10 == x / 10) {
                f.SzamJelzo[i] |= JelzoTukorszam;
                f.SzamJelzo[j] |= JelzoTukorszam;
                f.TukorPar[i] = static_cast<std::int32_t>(j);
                f.TukorPar[j] = static_cast<std::int32_t>(i);
                ++a.TukorParDb;
                break;
            }
        }
    }
    std::vector<int> csoport(static_cast<std::size_t>(MaxSzamJatek(jatek) / 10 + 1), 0);
    std::vector<int> vegzodes(10, 0);
    for (const int sz : jelolt) {
        const auto cs = static_cast<std::size_t>(sz / 10);
        if (cs < csoport.size()) ++csoport[cs];
        ++vegzodes[static_cast<std::size_t>(sz % 10)];
    }
    const auto c = Szamlalas(csoport);
    f.SzcsEgyes = c.Egyes;
    a.SzcsIsmetLehet = c.Lehet;
    f.SzcsIsmetOssz = c.Ossz;
    a.SzcsTobbszor = c.Tobbszor;
    const auto v = Szamlalas(vegzodes);
    f.SzvEgyes = v.Egyes;
    a.SzvIsmetLehet = v.Lehet;
    f.SzvIsmetOssz = v.Ossz;
    a.SzvTobbszor = v.Tobbszor;
}

void OsszegHatarok(FeltetelAdatok& f, const Szamsor& jelolt, int sorHossz) {
    Szamsor s = jelolt;
    std::sort(s.begin(), s.end());
    const auto k = static_cast<std::size_t>(std::clamp(sorHossz, 0, static_cast<int>(s.size())));
    f.OsszegMin = f.OsszegMax = 0;
    for (std::size_t i = 0; i < k; ++i) {
        f.OsszegMin += s[i];
        f.OsszegMax += s[s.size() - 1 - i];
    }
}

bool VanBekapcsoltFeltetel(const FeltetelAdatok& f) {
    return f.FavBe || f.MobBe || f.FixBe || f.SzcsParosBe || f.SzcsIsmetBe || f.TalArBe ||
           f.SzvParosBe || f.SzvIsmetBe || f.EsemOsszegBe || f.IkerszamBe || f.TukorszamBe;
}

void FeltJelzoBeallitas(FeltetelKeszlet& f, int hibapont) {
    f.Adatok.Hibapont = static_cast<std::uint8_t>(std::clamp(hibapont, 0, 3));
    f.FeltetelJelzo = VanBekapcsoltFeltetel(f.Adatok);
}

bool HibapontTorlese(FeltetelKeszlet& f) {
    if (f.Adatok.Hibapont == 0) return false;
    f.Adatok.Hibapont = 0;
    return true;
}

bool FeltetelekTorlese(FeltetelKeszlet& f, TaroltBontas& bontas) {
    const bool volt = f.FeltetelJelzo;
    if (volt) {
        f.FeltetelJelzo = false;
        auto& a = f.Adatok;
        a.FavBe = a.MobBe = a.FixBe = a.SzcsParosBe = a.SzcsIsmetBe = a.TalArBe = 0;
        a.SzvParosBe = a.SzvIsmetBe = a.EsemOsszegBe = a.IkerszamBe = a.TukorszamBe = 0;
        a.TalArHuzasok = 0;
        f.EloszlasOpt = 0;
    }
    HibapontTorlese(f);
    f.SzamJelzo.clear();
    f.TukorPar.clear();
    bontas.BontasEldobasa();
    return volt;
}

} // namespace varion
