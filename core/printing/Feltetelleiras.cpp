#include "printing/Feltetelleiras.h"

namespace varion {

namespace {

constexpr std::string_view Beh12 = "            ";
constexpr std::string_view Beh14 = "              ";
constexpr std::string_view Beh16 = "                ";

std::string Sz(int n) {
    return std::to_string(n);
}

// The two ratio blocks share their wording; `mit` is "számcsoport" or "számvégződés".
void AranySorok(std::vector<std::string>& ki, bool fix, int also, int felso, bool paros,
                std::string_view mit) {
    const std::string_view fajta = paros ? " páros " : " páratlan ";
    if (fix) {
        ki.push_back(std::string(Beh14) + "- fixen meghatározott arányban, " +
                     Hatarok(also, felso) + std::string(fajta) + std::string(mit));
        ki.push_back(std::string(Beh16) + "lehet egy szelvényen.");
    } else {
        ki.push_back(std::string(Beh14) + "- változó arányban, több" + std::string(fajta) +
                     std::string(mit) + " lehet egy szelvényen.");
    }
}

void IsmetlodesSor(std::vector<std::string>& ki, bool egy, int also, int felso,
                   std::string_view mit) {
    if (felso == 0)
        ki.push_back(std::string(Beh12) + "Nem ismétlődhet " + std::string(mit) +
                     " a szelvényeken.");
    else
        ki.push_back(std::string(Beh12) + (egy ? "Egy " : "Több ") + std::string(mit) +
                     " ismétlődhet a szelvényeken, " + Hatarok(also, felso) + " esetben.");
}

std::string DarabSor(int also, int felso) {
    return also == felso ? ", pontosan " + Sz(also)
                         : " minimum " + Sz(also) + ", maximum " + Sz(felso);
}

} // namespace

std::string Hatarok(int also, int felso) {
    return also == felso ? "pontosan " + Sz(also)
                         : "minimum " + Sz(also) + ", maximum " + Sz(felso);
}

void FeltetelSorok(std::vector<std::string>& ki, const FeltetelAdatok& f, bool feltetelJelzo,
                   Tartomany tartomany, int huzasDb) {
    if (!feltetelJelzo) {
        ki.push_back("  Nincs kijelölt feltétel.");
        return;
    }
    const std::string b12(Beh12), b14(Beh14), b16(Beh16);
    if (f.FavBe) {
        ki.push_back("  Favorizált számok feltétel.");
        ki.push_back(b12 + "A favorizált számcsoport számainak mennyisége a(z) " + Sz(f.FavSzamai) +
                     "." + " - " + Sz(f.FavSzamaiMax) + ". számig terjed");
        ki.push_back(b14 + "- a számcsoporton belül, szelvényenként " +
                     Hatarok(f.FavTalalat, f.FavTalalatMax) + " találat lehet.");
        ki.push_back("");
    }
    if (f.MobBe) {
        ki.push_back("  Mobil számcsoportok feltétel.");
        ki.push_back(b12 + "A mobil számcsoportok számainak mennyisége " + Sz(f.MobSzamai));
        ki.push_back(b14 + "- egy számcsoporton belül, szelvényenként " + "legfeljebb " +
                     Sz(f.MobTalalatMax) + " találat lehet.");
        ki.push_back("");
    }
    if (f.FixBe) {
        ki.push_back("  Fix számcsoportok feltétel.");
        ki.push_back(b12 + "A fix számcsoportok számainak mennyisége " + Sz(f.FixSzamai));
        ki.push_back(b14 + "- egy számcsoporton belül, szelvényenként legfeljebb " +
                     Sz(f.FixTalalatMax) + " találat lehet.");
        ki.push_back("");
    }
    if (f.SzcsParosBe) {
        ki.push_back("  Számcsoport páros/páratlan aránya feltétel.");
        ki.push_back(b12 + "A páros-páratlan számcsoportok eloszlásának aránya szerint:");
        AranySorok(ki, f.SzcsParosFix, f.SzcsParos, f.SzcsParosMax, f.SzcsParosTipus,
                   "számcsoport");
        ki.push_back("");
    }
    if (f.SzcsIsmetBe) {
        ki.push_back("  Számcsoport ismétlődés feltétel.");
        IsmetlodesSor(ki, f.SzcsIsmetEgy, f.SzcsIsmet, f.SzcsIsmetMax, "számcsoport");
        ki.push_back("");
    }
    if (f.TalArBe) {
        ki.push_back("  Találati arány feltétel.");
        ki.push_back(b12 + (f.TalArKeresett ? "Keresett" : "Kizárt") +
                     " találati arány alkalmazása:");
        const bool mind = tartomany.Elso <= 1 && tartomany.Utolso >= huzasDb;
        ki.push_back(b14 + "- " +
                     (mind ? std::string("minden sorsolás nyerőszámait figyelembe véve.")
                           : "a(z) " + Sz(tartomany.Elso) + ". - " + Sz(tartomany.Utolso) +
                                 ". sorsolások nyerőszámaival összehasonlítva egy szelvényt,"));
        ki.push_back(b16 +
                     (f.TalArTalalat == f.TalArTalalatMax
                          ? "pontosan " + Sz(f.TalArTalalat) + " találat"
                          : "minimum " + Sz(f.TalArTalalat) + ", maximum " + Sz(f.TalArTalalatMax) +
                                " találatok") +
                     " esetén kiválogatva");
        ki.push_back(b14 + (f.TalArHuzasok
                                ? "- a bontás listája, a húzások adatbázisa alapján készült"
                                : "- a bontás listája, a számsor variációja alapján készült"));
        ki.push_back("");
    }
    if (f.SzvParosBe) {
        ki.push_back("  Számvégződés páros/páratlan arány feltétel.");
        ki.push_back(b12 + "A páros-páratlan számvégződések eloszlásának aránya szerint");
        AranySorok(ki, f.SzvParosFix, f.SzvParos, f.SzvParosMax, f.SzvParosTipus, "számvégződés");
        ki.push_back("");
    }
    if (f.SzvIsmetBe) {
        ki.push_back("  Számvégződés ismétlődés feltétel.");
        IsmetlodesSor(ki, f.SzvIsmetEgy, f.SzvIsmet, f.SzvIsmetMax, "számvégződés");
        ki.push_back("");
    }
    if (f.EsemOsszegBe) {
        ki.push_back("  Számsor összege feltétel.");
        ki.push_back(b12 + "A szelvények számsorainak összege, " +
                     Hatarok(f.EsemOsszFix, f.EsemOsszMax) + " lehet.");
        ki.push_back("");
    }
    if (f.IkerszamBe) {
        ki.push_back("  Ikerszám feltétel.");
        ki.push_back(f.IkerszamMax == 0
                         ? b12 + "Nem szerepelhet ikerszám a szelvényeken."
                         : b12 + "Egy szelvényen" + DarabSor(f.Ikerszam, f.IkerszamMax) +
                               " darab ikerszám szerepelhet.");
        ki.push_back("");
    }
    if (f.TukorszamBe) {
        ki.push_back("  Tükörszám feltétel.");
        ki.push_back(f.TukorszamMax == 0
                         ? b12 + "Nem szerepelhetnek tükörszámok a szelvényeken."
                         : b12 + "Egy szelvényen" + DarabSor(f.Tukorszam, f.TukorszamMax) +
                               " darab tükörszám pár szerepelhet.");
        ki.push_back("");
    }
}

} // namespace varion
