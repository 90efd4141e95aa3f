#include "draws/HuzasStatisztika.h"

#include <string>

#include "game/Jatek.h"

namespace varion {

namespace {

// The range clipped to the database; empty when nothing of it is inside.
Tartomany Vagott(const HuzasAdatbazis& db, Tartomany t) {
    if (t.Elso < 1) t.Elso = 1;
    if (t.Utolso > db.HuzasDb()) t.Utolso = db.HuzasDb();
    return t;
}

template <class F> void HuzottSzamok(const HuzasAdatbazis& db, int index, F&& f) {
    const int maxSzam = MaxSzamJatek(db.Jatek());
    for (const std::int32_t szam : db.Szamok(index))
        if (szam >= 1 && szam <= maxSzam) f(static_cast<std::size_t>(szam - 1));
}

} // namespace

std::vector<std::int32_t> HanyszorHuztak(const HuzasAdatbazis& db, Tartomany t) {
    std::vector<std::int32_t> ki(static_cast<std::size_t>(MaxSzamJatek(db.Jatek())), 0);
    t = Vagott(db, t);
    for (int d = t.Elso; d <= t.Utolso; ++d)
        HuzottSzamok(db, d - 1, [&](std::size_t i) { ++ki[i]; });
    return ki;
}

std::vector<std::int32_t> HanyHuzasOta(const HuzasAdatbazis& db, Tartomany t) {
    std::vector<std::int32_t> ki(static_cast<std::size_t>(MaxSzamJatek(db.Jatek())), 0);
    t = Vagott(db, t);
    for (int d = t.Elso; d <= t.Utolso; ++d) {
        HuzottSzamok(db, d - 1, [&](std::size_t i) { ki[i] = -1; });
        for (auto& v : ki) ++v;
    }
    return ki;
}

std::string StatSzoveg(std::int32_t ertek) {
    return ertek == 0 ? std::string("-") : std::to_string(ertek);
}

} // namespace varion
