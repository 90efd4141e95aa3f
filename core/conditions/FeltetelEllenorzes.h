// The check of a condition record that comes from outside the program (a number-row or
// breakdown file): every switch 0 or 1, every value a number the conditions window can
// produce for the row it was set on. The engine's bound computations rely on it.
#pragma once

#include "conditions/FeltetelAdatok.h"

namespace varion {

inline constexpr int MaxHibapont = 3;

// `jeloltDb` is N (marked numbers), `sorHossz` K, `jatek` the game count. A switched-off
// condition keeps the values it had when it was last on, possibly for another row, so
// its values are only held to the loose limits every value of the window lies in.
bool FeltetelAdatokErvenyes(const FeltetelAdatok& f, int jeloltDb, int sorHossz, int jatek);

// Moves every value of `f` into the limits above (switches to 0 or 1): a record that passes
// the check stays as it is, any other can no longer drive the engine's bounds out of range.
// For the engine, which may be handed a record that never went through the check.
void FeltetelAdatokIgazitas(FeltetelAdatok& f, int jeloltDb, int sorHossz, int jatek);

} // namespace varion
