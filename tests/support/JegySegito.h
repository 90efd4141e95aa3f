// A ticket set written out as numbers, turned into what the counting reads: the marked
// numbers are the union of the tickets, the matrix their indices.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "breakdown/BontasEllenorzes.h"

namespace varion::teszt {

struct Jegyek {
    std::vector<std::uint8_t> Matrix;
    BontasAdat Adat;

    Jegyek(int jatek, const std::vector<std::vector<int>>& jegyek, Szamsor fix = {}) {
        Szamsor jelolt;
        for (const auto& j : jegyek)
            for (int n : j)
                if (std::find(jelolt.begin(), jelolt.end(), n) == jelolt.end())
                    jelolt.push_back(static_cast<std::uint8_t>(n));
        std::sort(jelolt.begin(), jelolt.end());
        const int K = jegyek.empty() ? jatek - static_cast<int>(fix.size())
                                     : static_cast<int>(jegyek[0].size());
        for (const auto& j : jegyek)
            for (int n : j)
                Matrix.push_back(static_cast<std::uint8_t>(
                    std::find(jelolt.begin(), jelolt.end(), n) - jelolt.begin()));
        Adat.Matrix = Matrix.data();
        Adat.Sorok = static_cast<std::int32_t>(jegyek.size());
        Adat.Szelesseg = Adat.SorHossz = K;
        Adat.Jatek = jatek;
        Adat.BontasSzamok = jelolt;
        Adat.FixSzamok = std::move(fix);
    }
    Jegyek(const Jegyek&) = delete;
};

} // namespace varion::teszt
