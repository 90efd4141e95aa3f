#include "printing/HuzRiport.h"

namespace varion {

std::string_view HuzRiportCim(int jatek) {
    switch (jatek) {
    case 6:
        return "A Hatoslottó sorsolásain kihúzott nyerőszámok listája.";
    case 7:
        return "A Skandináv lottó sorsolásain kihúzott nyerőszámok listája.";
    default:
        return "Az Ötöslottó sorsolásain kihúzott nyerőszámok listája.";
    }
}

std::string_view HuzRiportOszlopok(int jatek) {
    switch (jatek) {
    case 6:
        return "  Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  +        Húzás   Év   Hét    1. 2. 3. 4. "
               "5. 6.  +";
    case 7:
        return "  Húzás   Év   Hét    1.   2.   3.   4.   5.   6.   7.    1.   2.   3.   4.   5.  "
               " 6.   7.";
    default:
        return "  Húzás   Év   Hét    1.   2.   3.   4.   5.    Húzás   Év   Hét    1.   2.   3.  "
               " 4.   5.";
    }
}

std::string HuzasSzoveg(const HuzasAdatbazis& db, int index) {
    const auto sor = db.Sor(index);
    std::string s = " ";
    s += Jobbra(std::to_string(sor[0]) + ".", 6);
    s += Jobbra(std::to_string(sor[1]) + ".", 7);
    s += Jobbra(std::to_string(sor[2]), 3);
    s += ".   ";
    const auto szamok = db.Szamok(index);
    // Appended piece by piece: "literal" + string trips a false -Wrestrict in GCC 12.
    const auto szamsor = [&](std::size_t darab, auto elvalaszto) {
        for (std::size_t i = 0; i < darab; ++i) {
            s += elvalaszto(i);
            s += Jobbra(std::to_string(szamok[i]), 2);
        }
    };
    switch (db.Jatek()) {
    case 6:
        szamsor(7, [](std::size_t i) { return i == 6 ? "  " : i ? "-" : ""; });
        break;
    case 7:
        szamsor(14, [](std::size_t i) { return i == 7 ? "    " : i ? " - " : ""; });
        break;
    default:
        szamsor(5, [](std::size_t i) { return i ? " - " : ""; });
        break;
    }
    return s;
}

int HuzRiportOldalDb(int jatek, int huzasDb) {
    const int lapon = jatek == 7 ? RiportOldalSorai : 2 * RiportOldalSorai;
    return std::max(1, (huzasDb + lapon - 1) / lapon);
}

Riport HuzRiport(const HuzasAdatbazis& db, const RiportFejlec& fejlec) {
    const int jatek = db.Jatek();
    const int n = db.HuzasDb();
    const int oldalDb = HuzRiportOldalDb(jatek, n);
    const bool ketOszlop = jatek != 7;
    const std::string koz = jatek == 6 ? "      " : "   ";
    Riport r;
    int kov = 0;
    for (int oldal = 1; oldal <= oldalDb; ++oldal) {
        if (oldal == 1) r.push_back({});
        r.push_back({std::string(HuzRiportCim(jatek)), true});
        r.push_back({OldalFejlec(fejlec, oldal, oldalDb)});
        r.push_back({Elvalaszto()});
        r.push_back({std::string(HuzRiportOszlopok(jatek))});
        r.push_back({Elvalaszto()});
        const int maradt = n - kov;
        int sorok = std::min(RiportOldalSorai, ketOszlop ? (maradt + 1) / 2 : maradt);
        for (int i = 0; i < sorok; ++i) {
            std::string s = HuzasSzoveg(db, kov + i);
            if (ketOszlop && kov + sorok + i < n && (i < maradt - sorok))
                s += koz + HuzasSzoveg(db, kov + sorok + i);
            r.push_back({std::move(s)});
        }
        kov += ketOszlop ? std::min(maradt, 2 * sorok) : sorok;
        r.push_back({Elvalaszto(), false, oldal < oldalDb});
    }
    r.push_back({std::string(ListaVege)});
    return r;
}

} // namespace varion
