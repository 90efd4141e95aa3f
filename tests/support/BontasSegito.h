// Running a breakdown to its end in a test and reading its rows back.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "breakdown/OptimalisFedes.h"
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

// The cover search's settings by position (its test seam left empty).
FedesBeallitas Beall(int n, int k, int e, std::uint64_t mag, std::chrono::milliseconds ido,
                     std::uint64_t korok, int szalak);

} // namespace varion::teszt
