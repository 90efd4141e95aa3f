// The visible part of a long list: which row stands on top, where a key or a jump moves the
// selection, and how a scroll bar's int range stands for a 64-bit row count.
#pragma once

#include <cstdint>

namespace varion {

enum class ListaLepes { Fel, Le, LapFel, LapLe, Elejere, Vegere };

struct ListaNezet {
    std::int64_t Sorok = 0;   // rows of the list
    std::int64_t Lathato = 1; // whole rows that fit on the screen (at least 1)
    std::int64_t Elso = 0;    // the row on top

    // The lowest top row: the last row at the bottom of the screen.
    std::int64_t MaxElso() const;
    // A top row inside 0 .. MaxElso().
    std::int64_t Korlatozva(std::int64_t elso) const;
    // The top row that brings `sor` into view with the least movement.
    std::int64_t Lathatova(std::int64_t sor) const;
};

// The row a key moves the selection to from `kivalasztott` (-1: none selected yet).
std::int64_t Lepes(ListaLepes l, std::int64_t kivalasztott, std::int64_t sorok,
                   std::int64_t lathato);

// The scroll bar's value for top row `elso` and back. The value is the row itself while
// `maxElso` fits in an int, else scaled over the int range.
int GorgetoErtek(std::int64_t elso, std::int64_t maxElso);
int GorgetoMax(std::int64_t maxElso);
std::int64_t ElsoSorErtekbol(int ertek, std::int64_t maxElso);

} // namespace varion
