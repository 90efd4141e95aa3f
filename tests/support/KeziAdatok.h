// Small values the tests write out by hand: the marked numbers 1..n and a draw.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <numeric>

#include "draws/HuzasAdatbazis.h"
#include "game/Szamsor.h"

namespace varion::teszt {

inline Szamsor Sorozat(int n) {
    Szamsor s(static_cast<std::size_t>(n));
    std::iota(s.begin(), s.end(), std::uint8_t{1});
    return s;
}

inline Huzas H(int ev, int het, std::initializer_list<int> szamok) {
    Huzas h;
    h.Ev = ev;
    h.Het = het;
    std::size_t i = 0;
    for (int s : szamok) h.Szamok[i++] = static_cast<std::uint8_t>(s);
    return h;
}

} // namespace varion::teszt
