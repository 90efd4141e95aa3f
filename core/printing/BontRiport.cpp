#include "printing/BontRiport.h"

#include <algorithm>

#include "breakdown/UBontMegsz.h"
#include "printing/Feltetelleiras.h"

namespace varion {

namespace {

std::string_view JatekNeve(int jatek) {
    return jatek == 6 ? "a Hatoslottón." : jatek == 7 ? "a Skandináv lottón." : "az Ötöslottón.";
}

std::string Ketjegyu(int n) {
    return Jobbra(std::to_string(n), 2);
}

// Up to 15 numbers a line, each line indented by 17 blanks; `elso` replaces the blanks of
// the first line.
void SzamSorok(std::vector<std::string>& ki, const std::vector<int>& szamok,
               std::string_view elso = "") {
    for (std::size_t i = 0; i < szamok.size(); i += 15) {
        std::string s = i == 0 && !elso.empty() ? std::string(elso) : std::string(17, ' ');
        for (std::size_t j = i; j < std::min(szamok.size(), i + 15); ++j)
            s += (j > i ? " - " : "") + Ketjegyu(szamok[j]);
        ki.push_back(std::move(s));
    }
}

std::string ArSzoveg(double ar, bool euro) {
    return EzresTagolas(ar, euro ? 2 : 0);
}

// Page of a two-column list: where the ticket lines of the page start and how many.
struct Oldal {
    std::vector<std::string> Osszegzes; // summary lines on this page
    int ElsoSzelveny = 0;
    int Sorok = 0;      // ticket lines
    int SzelvenyDb = 0; // tickets on the page
};

} // namespace

std::string BontasVerzioSzoveg(const TBontas& b, const ProgramVerzio& sajat) {
    return VerzioSzoveg(b.BetoltottVerzio().Fo >= 1 ? b.BetoltottVerzio() : sajat);
}

const FeltetelKeszlet& BontasFeltetelei(const BontasRiportAdatok& a) {
    return a.Feltetelek ? *a.Feltetelek : a.Bontas->Feltetelek();
}

std::string BontasCimsor(const BontasRiportAdatok& a) {
    const TBontas& b = *a.Bontas;
    std::string s = std::to_string(b.BontasSzamok().size()) + " szám ";
    if (!a.FixSzamok.empty()) s += std::to_string(a.FixSzamok.size()) + " fix számmal készített ";
    s += std::to_string(BontasFeltetelei(a).Adatok.Hibapont) +
         (a.Pelda ? " hibapontos példabontása " : " hibapontos bontása ");
    s += EzresTagolas(double(b.GetTaroltNyerSzelv()), 0) + " szelvényre - ";
    s += JatekNeve(b.Jatek());
    return s;
}

std::vector<std::string> BontasAdatai(const BontasRiportAdatok& a) {
    const TBontas& b = *a.Bontas;
    std::vector<std::string> ki;
    ki.push_back("  Egy szelvény ára: " + ArSzoveg(a.JegyAr, a.Euro) + " " +
                 (a.Euro ? "Euro" : "Ft."));
    ki.push_back(
        "     A bontás költsége: " + ArSzoveg(double(b.GetTaroltNyerSzelv()) * a.JegyAr, a.Euro) +
        (a.Euro ? " Euro" : " Ft."));
    const auto& f = BontasFeltetelei(a);
    if (f.EloszlasOpt != 0 && f.Adatok.Hibapont > 0)
        ki.push_back("    Optimalizált gyakorisági eloszlás.");
    ki.push_back("  A bontásra kijelölt számsor:");
    SzamSorok(ki, {b.BontasSzamok().begin(), b.BontasSzamok().end()});
    if (!a.FixSzamok.empty()) {
        SzamSorok(ki, {a.FixSzamok.begin(), a.FixSzamok.end()},
                  a.FixSzamok.size() == 1 ? "     A fix szám: " : "   A fix számok: ");
    }
    FeltetelSorok(ki, f.Adatok, f.FeltetelJelzo, a.HitTartomany, a.HuzasDb);
    // The draws mode keeps no per-number counts: every number would look missing.
    if (!b.HuzasMod()) {
        std::vector<int> hianyzo;
        for (std::size_t i = 0; i < b.BontasSzamok().size(); ++i)
            if (i < b.BontMutStat().size() && b.BontMutStat()[i] == 0)
                hianyzo.push_back(b.BontasSzamok()[i]);
        if (!hianyzo.empty()) {
            ki.push_back("  A kijelölt feltételek miatt, az alábbi " +
                         std::to_string(hianyzo.size()) + " szám hiányzik a bontásból:");
            SzamSorok(ki, hianyzo);
        }
    }
    return ki;
}

std::vector<int> SzelvenySzamai(const BontasRiportAdatok& a, std::int32_t sor) {
    const TBontas& b = *a.Bontas;
    std::vector<int> ki;
    const auto s = b.Sor(sor);
    if (b.HuzasMod()) {
        ki.assign(s.begin(), s.end());
        std::ranges::sort(ki);
        return ki;
    }
    for (int i = 0; i < b.SorHossz(); ++i) ki.push_back(b.BontasSzamok()[s[std::size_t(i)]]);
    std::ranges::sort(ki);
    ki.insert(ki.end(), a.FixSzamok.begin(), a.FixSzamok.end());
    return ki;
}

std::string_view BontRiportOszlopok(int jatek, bool huzasMod) {
    if (huzasMod) switch (jatek) {
        case 6:
            return " Szelvény   Húzás    1. 2. 3. 4. 5. 6.               Szelvény   Húzás    1. 2. "
                   "3. 4. 5. 6.";
        case 7:
            return " Szelvény   Húzás    1. 2. 3. 4. 5. 6. 7.         Szelvény   Húzás    1. 2. 3. "
                   "4. 5. 6. 7.";
        default:
            return " Szelvény   Húzás    1.   2.   3.   4.   5.     Szelvény   Húzás    1.   2.   "
                   "3.   4.   5.";
        }
    switch (jatek) {
    case 6:
        return " Szelvény   1.   2.   3.   4.   5.   6.             Szelvény   1.   2.   3.   4.   "
               "5.   6.";
    case 7:
        return " Szelvény   1.   2.   3.   4.   5.   6.   7.   Szelvény   1.   2.   3.   4.   5.   "
               "6.   7.";
    default:
        return " Szelvény    1.   2.   3.   4.   5.                     Szelvény    1.   2.   3.   "
               "4.   5.";
    }
}

std::string BontSzelvenySzoveg(const BontasRiportAdatok& a, std::int32_t sor) {
    const TBontas& b = *a.Bontas;
    std::string s = Jobbra(std::to_string(sor + 1) + ".  ", 10);
    const bool tomor = b.HuzasMod() && b.Jatek() != 5;
    if (b.HuzasMod()) s += Jobbra(std::to_string(b.GetTaroltHuzasok(sor)), 6) + "   ";
    const auto szamok = SzelvenySzamai(a, sor);
    for (std::size_t i = 0; i < szamok.size(); ++i)
        s += (i ? (tomor ? "-" : " - ") : "") + Ketjegyu(szamok[i]);
    return s;
}

Riport BontRiport(const BontasRiportAdatok& a, const RiportFejlec& fejlec) {
    const TBontas& b = *a.Bontas;
    const auto osszegzes = BontasAdatai(a);
    const std::string oszlopok(BontRiportOszlopok(b.Jatek(), b.HuzasMod()));
    // The right column starts where the header's second column does.
    const auto jobbOszlop = oszlopok.find(" Szelvény", 1);
    const int jobbKezdet = KarakterHossz(std::string_view(oszlopok).substr(0, jobbOszlop));

    // The pages as they will be written: the summary first, 64 lines a page, then the
    // tickets, two a line. The page count is the count of these pages.
    std::vector<Oldal> oldalak;
    std::size_t osszKov = 0;
    const int n = b.GetTaroltNyerSzelv();
    int kov = 0;
    while (oldalak.empty() || osszKov < osszegzes.size() || kov < n) {
        Oldal o;
        while (osszKov < osszegzes.size() &&
               static_cast<int>(o.Osszegzes.size()) < RiportOldalSorai)
            o.Osszegzes.push_back(osszegzes[osszKov++]);
        const int hely = RiportOldalSorai - static_cast<int>(o.Osszegzes.size());
        const int maradt = n - kov;
        o.ElsoSzelveny = kov;
        o.Sorok = std::min(hely, (maradt + 1) / 2);
        o.SzelvenyDb = std::min(maradt, 2 * o.Sorok);
        kov += o.SzelvenyDb;
        oldalak.push_back(std::move(o));
    }

    Riport r;
    const int oldalDb = static_cast<int>(oldalak.size());
    for (int p = 0; p < oldalDb; ++p) {
        const Oldal& o = oldalak[static_cast<std::size_t>(p)];
        if (p == 0) r.push_back({});
        r.push_back({BontasCimsor(a), true});
        r.push_back({OldalFejlec(fejlec, p + 1, oldalDb)});
        r.push_back({Elvalaszto()});
        for (const auto& s : o.Osszegzes) r.push_back({s});
        if (o.Sorok > 0) {
            if (!o.Osszegzes.empty()) r.push_back({Elvalaszto()});
            r.push_back({oszlopok});
            r.push_back({Elvalaszto()});
        }
        for (int i = 0; i < o.Sorok; ++i) {
            std::string s = BontSzelvenySzoveg(a, o.ElsoSzelveny + i);
            if (i + o.Sorok < o.SzelvenyDb) {
                const int hossz = KarakterHossz(s);
                s += std::string(static_cast<std::size_t>(std::max(1, jobbKezdet - hossz)), ' ');
                s += BontSzelvenySzoveg(a, o.ElsoSzelveny + o.Sorok + i);
            }
            r.push_back({std::move(s)});
        }
        r.push_back({Elvalaszto(), false, p + 1 < oldalDb});
    }
    r.push_back({std::string(ListaVege)});
    return r;
}

} // namespace varion
