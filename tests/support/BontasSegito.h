// Running a breakdown to its end in a test and reading its rows back.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "breakdown/UBontas.h"
#include "conditions/Feltetelek.h"

namespace varion::teszt {

using SorLista = std::vector<std::vector<std::uint8_t>>;

// Prepares and runs a breakdown of `jelolt` (and `fix`) with the condition set on the
// calling thread; plenty of free memory unless `szabad` says otherwise.
bool Bontas(TBontas& b, Uzenetek& u, int jatek, const Szamsor& jelolt,
            const FeltetelKeszlet* f = nullptr, const Szamsor& fix = {}, bool eloszlas = false,
            std::uint64_t szabad = std::uint64_t{1} << 40);

SorLista Sorok(const TBontas& b);
SorLista Sorok(const std::vector<std::array<std::uint8_t, 8>>& v, int k);

// A condition set for `jelolt` with markers built and `FeltetelJelzo` from the flags.
FeltetelKeszlet Keszlet(const FeltetelAdatok& a, const Szamsor& jelolt, int jatek);

} // namespace varion::teszt
