#include "breakdown/ListaNezet.h"

#include <algorithm>
#include <limits>

namespace varion {

namespace {
constexpr std::int64_t IntMax = std::numeric_limits<int>::max();
// Row times int range needs more than 64 bits.
__extension__ typedef unsigned __int128 U128;
} // namespace

std::int64_t ListaNezet::MaxElso() const {
    return std::max<std::int64_t>(0, Sorok - std::max<std::int64_t>(1, Lathato));
}

std::int64_t ListaNezet::Korlatozva(std::int64_t elso) const {
    return std::clamp<std::int64_t>(elso, 0, MaxElso());
}

std::int64_t ListaNezet::Lathatova(std::int64_t sor) const {
    const std::int64_t v = std::max<std::int64_t>(1, Lathato);
    if (sor < Elso) return Korlatozva(sor);
    if (sor >= Elso + v) return Korlatozva(sor - v + 1);
    return Korlatozva(Elso);
}

std::int64_t Lepes(ListaLepes l, std::int64_t kivalasztott, std::int64_t sorok,
                   std::int64_t lathato) {
    if (sorok <= 0) return -1;
    const std::int64_t s = std::clamp<std::int64_t>(kivalasztott, 0, sorok - 1);
    const std::int64_t v = std::max<std::int64_t>(1, lathato);
    // With nothing selected yet any move starts on the first row.
    if (kivalasztott < 0 && l != ListaLepes::Vegere) return 0;
    switch (l) {
    case ListaLepes::Fel:
        return std::max<std::int64_t>(0, s - 1);
    case ListaLepes::Le:
        return std::min(sorok - 1, s + 1);
    case ListaLepes::LapFel:
        return std::max<std::int64_t>(0, s - v);
    case ListaLepes::LapLe:
        return std::min(sorok - 1, s + v);
    case ListaLepes::Elejere:
        return 0;
    case ListaLepes::Vegere:
        return sorok - 1;
    }
    return s;
}

int GorgetoMax(std::int64_t maxElso) {
    return static_cast<int>(std::clamp<std::int64_t>(maxElso, 0, IntMax));
}

int GorgetoErtek(std::int64_t elso, std::int64_t maxElso) {
    if (maxElso <= 0) return 0;
    elso = std::clamp<std::int64_t>(elso, 0, maxElso);
    if (maxElso <= IntMax) return static_cast<int>(elso);
    // Rounded, so that the last row maps to the end of the bar and back.
    const auto e = static_cast<U128>(elso) * IntMax + static_cast<std::uint64_t>(maxElso) / 2;
    return static_cast<int>(e / static_cast<std::uint64_t>(maxElso));
}

std::int64_t ElsoSorErtekbol(int ertek, std::int64_t maxElso) {
    if (maxElso <= 0) return 0;
    const std::int64_t v = std::clamp<std::int64_t>(ertek, 0, GorgetoMax(maxElso));
    if (maxElso <= IntMax) return v;
    const auto e = static_cast<U128>(v) * static_cast<std::uint64_t>(maxElso) +
                   static_cast<std::uint64_t>(IntMax) / 2;
    return static_cast<std::int64_t>(e / IntMax);
}

} // namespace varion
