// How each cell of the draw list looks: text, colours, font and where the text starts.
// Computed per cell when it is drawn, never stored.
#pragma once

#include <cstdint>
#include <string>

#include "draws/HuzasAdatbazis.h"

namespace varion {

// Colours as 0xRRGGBB; the two theme colours are named.
inline constexpr std::uint32_t GombSzin = 0xF0F0F0;   // button face
inline constexpr std::uint32_t SugoHatter = 0xFFFFE1; // tooltip background
inline constexpr std::uint32_t AblakSzoveg = 0x000000;
inline constexpr std::uint32_t SzurkeSzoveg = 0x808080;

struct ListaCella {
    std::string Szoveg;
    std::uint32_t Hatter = GombSzin;
    std::uint32_t SzovegSzin = AblakSzoveg;
    bool Felkover = false;
    int X = 0; // left edge of the text in the cell
};

struct ListaAllapot {
    int KijeloltHuzas = 1;  // grid row of the selected draw (its draw number)
    int KijeloltOszlop = 1; // last selected column
    bool KeresesNyitva = false;
    Tartomany Lista; // the search's range
};

// The header cell of column `oszlop`.
ListaCella FejlecCella(int jatek, int oszlop);
// The data cell of draw `sor` (1-based) in column `oszlop`.
ListaCella AdatCella(const HuzasAdatbazis& db, int sor, int oszlop, const ListaAllapot& a);

// Column widths of the list.
int OszlopSzelesseg(int oszlop);

// The enabled state of the four navigation buttons (first, page back, page forward, last).
struct NavigacioAllapot {
    bool Elore, EloreLapoz, HatraLapoz, Hatra;
};
NavigacioAllapot Navigacio(int huzasDb, int lathatoSorDb, int aktualis);

} // namespace varion
