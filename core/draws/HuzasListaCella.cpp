#include "draws/HuzasListaCella.h"

namespace varion {

namespace {

constexpr std::uint32_t SorszamHatter = 0xFFFBF0;
constexpr std::uint32_t ElsoSorHatter = 0xC0DCC0;
constexpr std::uint32_t MasodikSorHatter = 0xF2DCC0; // also the plus number
constexpr std::uint32_t KijeloltHatter = 0x0080C0;
constexpr std::uint32_t Feher = 0xFFFFFF;

// Text widths are estimated at 3 pixels a character, which right-aligns the numbers.
int Igazit(int alap, const std::string& s) {
    return alap - 3 * static_cast<int>(s.size());
}

bool PluszOszlop(int jatek, int oszlop) {
    return jatek == 6 && oszlop == 9;
}

} // namespace

ListaCella FejlecCella(int jatek, int oszlop) {
    // Built whole: assigning a literal to a default-built cell's text trips a false overlap
    // warning in GCC 12's optimiser.
    switch (oszlop) {
    case 0:
        return {.Szoveg = "Húzás", .X = 15};
    case 1:
        return {.Szoveg = "Év", .X = 13};
    case 2:
        return {.Szoveg = "Hét", .X = 4};
    default:
        break;
    }
    if (PluszOszlop(jatek, oszlop)) return {.Szoveg = "+", .X = 9};
    const int n = jatek == 7 && oszlop >= 10 ? oszlop - 9 : oszlop - 2;
    std::string szoveg = std::to_string(n) + ".";
    const int x = Igazit(14, szoveg);
    return {.Szoveg = std::move(szoveg), .X = x};
}

namespace {

ListaCella Cella(const HuzasAdatbazis& db, int sor, int oszlop, const ListaAllapot& a) {
    ListaCella c;
    if (sor < 1 || sor > db.HuzasDb() || oszlop < 0 || oszlop >= db.OszlopDb()) return c;
    const int jatek = db.Jatek();
    const std::int32_t v = db.Ertek(sor - 1, oszlop);
    const bool kivul = a.KeresesNyitva && (sor < a.Lista.Elso || sor > a.Lista.Utolso);
    if (kivul) c.SzovegSzin = SzurkeSzoveg;
    switch (oszlop) {
    case 0:
        c.Szoveg = std::to_string(v) + ".";
        c.Hatter = SorszamHatter;
        c.Felkover = true;
        c.X = Igazit(30, c.Szoveg);
        return c;
    case 1:
    case 2:
        c.Szoveg = std::to_string(v) + ".";
        c.Hatter = SugoHatter;
        c.X = Igazit(oszlop == 1 ? 22 : 15, c.Szoveg);
        return c;
    default:
        break;
    }
    c.Szoveg = v == 0 && PluszOszlop(jatek, oszlop) ? std::string() : std::to_string(v);
    c.Felkover = true;
    c.X = Igazit(11, c.Szoveg);
    c.Hatter = oszlop >= 10 || PluszOszlop(jatek, oszlop) ? MasodikSorHatter : ElsoSorHatter;
    if (sor == a.KijeloltHuzas && !PluszOszlop(jatek, oszlop)) {
        const bool masodik = jatek == 7 && oszlop >= 10;
        const bool kijeloltMasodik = jatek == 7 && a.KijeloltOszlop > 9;
        if (jatek != 7 || masodik == kijeloltMasodik) {
            c.Hatter = KijeloltHatter;
            if (!kivul) c.SzovegSzin = Feher;
        }
    }
    return c;
}

} // namespace

ListaCella AdatCella(const HuzasAdatbazis& db, int sor, int oszlop, const ListaAllapot& a) {
    ListaCella c = Cella(db, sor, oszlop, a);
    // The row an append or insert opened for its dialog is no draw yet: its cells stay empty.
    if (sor >= 1 && sor <= db.HuzasDb() && db.Ertek(sor - 1, 1) == 0) c.Szoveg.clear();
    return c;
}

int OszlopSzelesseg(int oszlop) {
    switch (oszlop) {
    case 0:
        return 60;
    case 1:
        return 40;
    case 2:
        return 28;
    case 3:
        return 25;
    default:
        return 24;
    }
}

NavigacioAllapot Navigacio(int huzasDb, int lathato, int akt) {
    const int sorDb = huzasDb + 1; // with the header row
    NavigacioAllapot n{};
    if (lathato <= akt) {
        n.Elore = n.EloreLapoz = true;
    } else {
        n.EloreLapoz = false;
        n.Elore = akt > 1;
    }
    if (sorDb - lathato >= akt) {
        n.HatraLapoz = n.Hatra = true;
    } else {
        n.HatraLapoz = false;
        n.Hatra = akt < huzasDb;
    }
    return n;
}

} // namespace varion
