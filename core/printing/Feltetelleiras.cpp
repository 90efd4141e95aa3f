#include "printing/Feltetelleiras.h"

namespace varion {

namespace {

std::string Sz(int n) {
    return std::to_string(n);
}

// The wording of a ratio block, for number groups or for number endings.
struct AranySzoveg {
    std::string_view FajtaVeg;  // after the counts of a fixed ratio
    std::string_view TobbParos; // a variable ratio
    std::string_view TobbParatlan;
};

constexpr AranySzoveg SzcsArany{
    "számcsoport", "              - változó arányban, több páros számcsoport lehet egy szelvényen.",
    "              - változó arányban, több páratlan számcsoport lehet egy szelvényen."};
constexpr AranySzoveg SzvArany{
    "számvégződés",
    "              - változó arányban, több páros számvégződés lehet egy szelvényen.",
    "              - változó arányban, több páratlan számvégződés lehet egy szelvényen."};

void AranySorok(std::vector<std::string>& ki, bool fix, int also, int felso, bool paros,
                const AranySzoveg& sz) {
    if (fix) {
        ki.push_back("              - fixen meghatározott arányban, " + Hatarok(also, felso) +
                     (paros ? " páros " : " páratlan ") + std::string(sz.FajtaVeg));
        ki.push_back("                lehet egy szelvényen.");
    } else {
        ki.push_back(std::string(paros ? sz.TobbParos : sz.TobbParatlan));
    }
}

// The wording of a repetition block: none, one or several may repeat.
struct IsmetlodesSzoveg {
    std::string_view Nem, Egy, Tobb;
};

constexpr IsmetlodesSzoveg SzcsIsmetlodes{"            Nem ismétlődhet számcsoport a szelvényeken.",
                                          "            Egy számcsoport",
                                          "            Több számcsoport"};
constexpr IsmetlodesSzoveg SzvIsmetlodes{"            Nem ismétlődhet számvégződés a szelvényeken.",
                                         "            Egy számvégződés",
                                         "            Több számvégződés"};

void IsmetlodesSor(std::vector<std::string>& ki, bool egy, int also, int felso,
                   const IsmetlodesSzoveg& sz) {
    if (felso == 0)
        ki.push_back(std::string(sz.Nem));
    else
        ki.push_back(std::string(egy ? sz.Egy : sz.Tobb) + " ismétlődhet a szelvényeken, " +
                     Hatarok(also, felso) + " esetben.");
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
    if (f.FavBe) {
        ki.push_back("  Favorizált számok feltétel.");
        ki.push_back("            A favorizált számcsoport számainak mennyisége a(z) " +
                     Sz(f.FavSzamai) + "." + " - " + Sz(f.FavSzamaiMax) + ". számig terjed");
        ki.push_back("              - a számcsoporton belül, szelvényenként " +
                     Hatarok(f.FavTalalat, f.FavTalalatMax) + " találat lehet.");
        ki.push_back("");
    }
    if (f.MobBe) {
        ki.push_back("  Mobil számcsoportok feltétel.");
        ki.push_back("            A mobil számcsoportok számainak mennyisége " + Sz(f.MobSzamai));
        ki.push_back("              - egy számcsoporton belül, szelvényenként legfeljebb " +
                     Sz(f.MobTalalatMax) + " találat lehet.");
        ki.push_back("");
    }
    if (f.FixBe) {
        ki.push_back("  Fix számcsoportok feltétel.");
        ki.push_back("            A fix számcsoportok számainak mennyisége " + Sz(f.FixSzamai));
        ki.push_back("              - egy számcsoporton belül, szelvényenként legfeljebb " +
                     Sz(f.FixTalalatMax) + " találat lehet.");
        ki.push_back("");
    }
    if (f.SzcsParosBe) {
        ki.push_back("  Számcsoport páros/páratlan aránya feltétel.");
        ki.push_back("            A páros-páratlan számcsoportok eloszlásának aránya szerint:");
        AranySorok(ki, f.SzcsParosFix, f.SzcsParos, f.SzcsParosMax, f.SzcsParosTipus, SzcsArany);
        ki.push_back("");
    }
    if (f.SzcsIsmetBe) {
        ki.push_back("  Számcsoport ismétlődés feltétel.");
        IsmetlodesSor(ki, f.SzcsIsmetEgy, f.SzcsIsmet, f.SzcsIsmetMax, SzcsIsmetlodes);
        ki.push_back("");
    }
    if (f.TalArBe) {
        ki.push_back("  Találati arány feltétel.");
        ki.push_back(f.TalArKeresett ? "            Keresett találati arány alkalmazása:"
                                     : "            Kizárt találati arány alkalmazása:");
        const bool mind = tartomany.Elso <= 1 && tartomany.Utolso >= huzasDb;
        ki.push_back(
            mind ? std::string("              - minden sorsolás nyerőszámait figyelembe véve.")
                 : "              - a(z) " + Sz(tartomany.Elso) + ". - " + Sz(tartomany.Utolso) +
                       ". sorsolások nyerőszámaival összehasonlítva egy szelvényt,");
        ki.push_back(std::string("                ") +
                     (f.TalArTalalat == f.TalArTalalatMax
                          ? "pontosan " + Sz(f.TalArTalalat) + " találat"
                          : "minimum " + Sz(f.TalArTalalat) + ", maximum " + Sz(f.TalArTalalatMax) +
                                " találatok") +
                     " esetén kiválogatva");
        ki.push_back(
            f.TalArHuzasok
                ? "              - a bontás listája, a húzások adatbázisa alapján készült"
                : "              - a bontás listája, a számsor variációja alapján készült");
        ki.push_back("");
    }
    if (f.SzvParosBe) {
        ki.push_back("  Számvégződés páros/páratlan arány feltétel.");
        ki.push_back("            A páros-páratlan számvégződések eloszlásának aránya szerint");
        AranySorok(ki, f.SzvParosFix, f.SzvParos, f.SzvParosMax, f.SzvParosTipus, SzvArany);
        ki.push_back("");
    }
    if (f.SzvIsmetBe) {
        ki.push_back("  Számvégződés ismétlődés feltétel.");
        IsmetlodesSor(ki, f.SzvIsmetEgy, f.SzvIsmet, f.SzvIsmetMax, SzvIsmetlodes);
        ki.push_back("");
    }
    if (f.EsemOsszegBe) {
        ki.push_back("  Számsor összege feltétel.");
        ki.push_back("            A szelvények számsorainak összege, " +
                     Hatarok(f.EsemOsszFix, f.EsemOsszMax) + " lehet.");
        ki.push_back("");
    }
    if (f.IkerszamBe) {
        ki.push_back("  Ikerszám feltétel.");
        ki.push_back(f.IkerszamMax == 0
                         ? "            Nem szerepelhet ikerszám a szelvényeken."
                         : "            Egy szelvényen" + DarabSor(f.Ikerszam, f.IkerszamMax) +
                               " darab ikerszám szerepelhet.");
        ki.push_back("");
    }
    if (f.TukorszamBe) {
        ki.push_back("  Tükörszám feltétel.");
        ki.push_back(f.TukorszamMax == 0
                         ? "            Nem szerepelhetnek tükörszámok a szelvényeken."
                         : "            Egy szelvényen" + DarabSor(f.Tukorszam, f.TukorszamMax) +
                               " darab tükörszám pár szerepelhet.");
        ki.push_back("");
    }
}

} // namespace varion
