#include "breakdown/BontListaSzovegek.h"

#include <algorithm>

namespace varion {

namespace {

// Characters, not bytes: the captions hold Hungarian letters.
std::size_t Karakterek(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Elotag(bool pelda) {
    return pelda ? "  Példabontás" : "  Bontás";
}

} // namespace

bool PeldabontasFelirat(std::string_view f) {
    return Karakterek(f) >= 20;
}

bool TalalatSzamitasToastKell(std::int32_t sorok) {
    return sorok > 100000;
}

bool PeldaEllenorzesFelirat(std::string_view f) {
    return Karakterek(f) > 30;
}

std::string ListaFelirat(bool pelda) {
    return pelda ? "  Példabontás listája" : "  Bontás listája";
}

std::string SegedSzelvenyFelirat(bool pelda) {
    return pelda ? "  Példabontás szelvénye" : "  Bontás szelvénye";
}

std::string SegedSzelvenyFelirat(bool pelda, std::int32_t sor) {
    return Elotag(pelda) + " " + std::to_string(sor) + ". szelvénye";
}

std::string EllenorzesFelirat(bool pelda) {
    return pelda ? "  Példabontás ellenőrzés" : "  Bontás ellenőrzés";
}

std::string Jobbra(std::int64_t ertek, int szelesseg) {
    std::string s = std::to_string(ertek);
    if (static_cast<int>(s.size()) < szelesseg)
        s.insert(0, static_cast<std::size_t>(szelesseg) - s.size(), ' ');
    return s;
}

std::string JobbraNullaUres(std::int64_t ertek, int szelesseg) {
    return ertek == 0 ? std::string(static_cast<std::size_t>(szelesseg), ' ')
                      : Jobbra(ertek, szelesseg);
}

std::string SegedRiport(int jatek, const TalalatOsztalyok& e, int osszeg) {
    std::string s = " Telitalálat esetén \r";
    for (int t = jatek; t >= jatek - 3; --t)
        s += "  -" + std::to_string(t) + " találat:" + JobbraNullaUres(e.Osztalyban(t, jatek), 8) +
             "\r";
    return s + " Számsor összege: " + Jobbra(osszeg, 3);
}

std::string EllenorzesRiport(int jatek, int db, int osszeg, const TalalatOsztalyok& o,
                             bool pluszSzam) {
    std::string s = " Kijelölve: " + std::to_string(db) + " szám\r";
    if (db >= jatek - 3) {
        for (int t = std::min(db, jatek); t >= jatek - 3; --t) {
            if (t == 5 && jatek == 6 && pluszSzam)
                s += "  »5+1 találat:" + Jobbra(o.Plusz, 6) + "\r";
            s += "  » " + std::to_string(t) + "  találat:" + Jobbra(o.Osztalyban(t, jatek), 6) +
                 "\r";
        }
    }
    if (db > 1) s += " Számsor összege: " + Jobbra(osszeg, 3);
    return s;
}

std::string EllSzamSugo(EllSzamFajta f, int szam, int pozicio, bool huzasMod) {
    const std::string p = std::to_string(pozicio);
    switch (f) {
    case EllSzamFajta::Allando:
        return " Bontásra kijelölt állandó szám. \r " + p + ". szám a számsoron belül. ";
    case EllSzamFajta::Veletlen:
        return " Bontásra kijelölt véletlen szám. \r " + p + ". szám a számsoron belül. ";
    case EllSzamFajta::Jelolt:
        return " Bontásra kijelölt szám. \r " + p + ". szám a számsoron belül. ";
    case EllSzamFajta::Hianyzo:
        if (huzasMod)
            return " Nem a bontásra kijelölt számsorból készült listát ellenőrzi! \r A bontás "
                   "listája, a lottóhúzások adatbázisából lett összeállítva. ";
        return " Bontásra kijelölt, de a bontásban nem szereplő szám. \r " + p +
               ". szám a (bontásra kijelölt) számsoron belül. ";
    case EllSzamFajta::Fix:
        return " Bontásra kijelölt fix szám. \r " + p + ". szám a számsoron belül. ";
    case EllSzamFajta::Egyeb:
        break;
    }
    return " Szám (" + std::to_string(szam) + ") ";
}

} // namespace varion
