// The checks the conditions window runs before it starts a breakdown: each warns about a
// combination of conditions that cannot (fully) be met and returns whether to go on. Each
// goes on silently while the conditions window is not visible.
#pragma once

#include "base/Uzenetek.h"
#include "conditions/FeltetelAdatok.h"

namespace varion {

// "Kizárt" hit ratio over the whole database with a low minimum.
bool TalArEll(const FeltetelAdatok& a, int jatek, int sorHossz, int elsoHuzas, int utolsoHuzas,
              int huzasDb, bool ablakLathato, Uzenetek& u);
// An exact even/odd count fixes the parity of every sum; a fixed sum of the other parity.
bool OsszegEll(const FeltetelAdatok& a, int sorHossz, bool ablakLathato, Uzenetek& u);
// The favourite range against the group limits.
bool FixFavEll(const FeltetelAdatok& a, bool ablakLathato, Uzenetek& u);
bool MobFavEll(const FeltetelAdatok& a, bool ablakLathato, Uzenetek& u);

// The largest count of favourite-range positions a variation can hold under the limit.
int FixFavKapacitas(const FeltetelAdatok& a);
int MobFavKapacitas(const FeltetelAdatok& a);

} // namespace varion
