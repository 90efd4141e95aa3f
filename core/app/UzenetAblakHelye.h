// Where the waiting toast stands: centred on the screen, or at the mouse pointer and
// pushed back inside the screen.
#pragma once

namespace varion {

struct Helyzet {
    int Bal = 0, Felso = 0;
    bool operator==(const Helyzet&) const = default;
};

struct Meret {
    int Szelesseg = 0, Magassag = 0;
};

// `helyzet` 1 places the toast at the pointer; any other value centres it.
Helyzet UzenetAblakHelye(int helyzet, Meret kepernyo, Meret ablak, Helyzet eger);

} // namespace varion
