#include "game/Szamsor.h"

#include <algorithm>
#include <array>
#include <utility>

namespace varion {

const SzamsorrendAdatok& SzamsorrendAdat(Szamsorrend mod) {
    static constexpr std::array<SzamsorrendAdatok, 4> tabla{{
        {"Változatlan", " A kijelölés sorrendjében. "},
        {"Növekvő", ""},
        {"Csökkenő", ""},
        {"Véletlen", " Véletlen számsorrend kialakítása. "},
    }};
    return tabla[static_cast<std::size_t>(mod)];
}

namespace {

template <class Elobb> int Kivalasztas(Szamsor& sor, Elobb elobb) {
    int irasok = 0;
    const std::size_t n = sor.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::size_t m = i;
        for (std::size_t j = i + 1; j < n; ++j)
            if (elobb(sor[j], sor[m])) m = j;
        if (m > i) {
            std::swap(sor[i], sor[m]);
            irasok += 2;
        }
    }
    return irasok;
}

} // namespace

int SzamsorAtrendezes(Szamsor& sor, Szamsorrend mod, Veletlen& veletlen) {
    switch (mod) {
    case Szamsorrend::Novekvo:
        return Kivalasztas(sor, [](std::uint8_t a, std::uint8_t b) { return a < b; });
    case Szamsorrend::Csokkeno:
        return Kivalasztas(sor, [](std::uint8_t a, std::uint8_t b) { return a > b; });
    case Szamsorrend::Veletlen: {
        const int n = static_cast<int>(sor.size());
        for (int i = 0; i < n; ++i) {
            const int j = veletlen.Szam(n);
            std::swap(sor[static_cast<std::size_t>(i)], sor[static_cast<std::size_t>(j)]);
        }
        return 2 * n;
    }
    case Szamsorrend::Valtozatlan:
        break;
    }
    return 0;
}

bool Tartalmaz(const Szamsor& sor, int szam) {
    return std::find(sor.begin(), sor.end(), static_cast<std::uint8_t>(szam)) != sor.end();
}

} // namespace varion
