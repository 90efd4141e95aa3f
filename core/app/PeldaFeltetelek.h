// Example breakdowns: one row of the game's count of numbers (a past draw, random numbers or
// the player's own constant numbers) turned into a tight condition set that the row itself
// meets, for a breakdown over every number of the game. After "Kijelölés mind" the marked
// row is 1..MaxSzam in ascending order, so every position in the conditions is the number.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "conditions/FeltetelAdatok.h"
#include "conditions/FeltetelHatarok.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasTartomany.h"
#include "game/Szamsor.h"

namespace varion {

enum class PeldaFajta { Huzas, Veletlen, Sajat };

// The breakdown window's caption of an example breakdown; `huzas` is the 1-based draw the
// row comes from. The list, the check and the reports tell an example by its length.
std::string PeldaCim(PeldaFajta fajta, int huzas = 0);

// The hit-ratio input of an example: the largest count of the row's numbers among the
// numbers of one draw of `tartomany` (game 6 without the plus number, game 7 each of a
// week's two draws on its own). Nothing when the example gets no hit-ratio condition: an
// empty table, or a row taken from draw 1 or 2 (`huzas` < 3), which has no draw before it.
std::optional<int> PeldaTalalatMax(const HuzasAdatbazis& db, Tartomany tartomany,
                                   const Szamsor& sor, int huzas);

struct PeldaFeltetelekEredmeny {
    // Every user-settable field; the aggregates are zero (the conditions window computes
    // them for the marked numbers) and so are the error points.
    FeltetelAdatok Adatok;
    // The group boxes ticked in the conditions window, by `Feltetel`: a box shows its flag.
    std::array<bool, 11> Dobozok{};
};

// The derived conditions of `sor` (`jatek` distinct numbers of the game, any order) in game
// `jatek`; `talalatMax` is `PeldaTalalatMax` (nothing: no hit-ratio condition). Nothing when
// the row is not such a row.
std::optional<PeldaFeltetelekEredmeny> PeldaFeltetelek(const Szamsor& sor, int jatek,
                                                       std::optional<int> talalatMax);

// The fields of `pelda` the player could set, copied over `cel`; the aggregates and the
// error points of `cel` stay.
void PeldaFeltetelekMasolasa(const FeltetelAdatok& pelda, FeltetelAdatok& cel);

} // namespace varion
