// Number rows and the number-order modes that rearrange the breakdown row.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/Veletlen.h"

namespace varion {

// An ordered row of distinct numbers 1..MaxSzam, one byte each, in marking order unless
// an order mode rearranged it.
using Szamsor = std::vector<std::uint8_t>;

enum class Szamsorrend : int { Valtozatlan = 0, Novekvo = 1, Csokkeno = 2, Veletlen = 3 };

constexpr bool ErvenyesSzamsorrend(int mod) {
    return mod >= 0 && mod <= 3;
}

struct SzamsorrendAdatok {
    std::string_view Felirat;
    std::string_view Sugo; // empty where the item has no hint
};

const SzamsorrendAdatok& SzamsorrendAdat(Szamsorrend mod);

// Rearranges `sor` by the mode and returns how many positions it wrote (each write counts
// as a change of the row). Ascending and descending are selection sorts that swap only
// when the extreme lies further on; the random mode swaps every position with one drawn
// from the whole row.
int SzamsorAtrendezes(Szamsor& sor, Szamsorrend mod, Veletlen& veletlen);

bool Tartalmaz(const Szamsor& sor, int szam);

} // namespace varion
