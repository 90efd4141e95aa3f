// Where everything sits on a ticket grid window: cells in a fixed grid with 1-pixel gaps and
// a 3-pixel margin, the information panel and the button strip under them, and the hit
// test that maps a client point back to a number.
#pragma once

#include <string_view>

namespace varion {

struct Teglalap {
    int Bal = 0, Felso = 0, Szelesseg = 0, Magassag = 0;
    bool operator==(const Teglalap&) const = default;
};

struct SzelvenyMeretek {
    int MaxSzam;
    int Oszlopok;
    int Sorok;
    int Cellameret;      // entry 1 of the appearance table
    int GombsavMagassag; // 27 with the clear button, else 0
    int RiportMagassag;  // 0 without an information panel
    bool VanRiport = false;
};

// The geometry of one view for the game; `felirat` is the window caption, whose length
// decides the information panel's height.
SzelvenyMeretek SzelvenyMeretezes(int jatek, int szelvFajta, int cellameret, bool vanRiport,
                                  bool vanTorlesGomb, std::string_view felirat);

// Height of the information panel: 110 for views 2 and 5 in game 6, else 80 when the
// caption is exactly 12 characters long, else 95.
int RiportPanelMagassag(int jatek, int szelvFajta, std::string_view felirat);

int KliensSzelesseg(const SzelvenyMeretek& m);
int KliensMagassag(const SzelvenyMeretek& m);

// The cell of number `szam` (1-based) in client coordinates.
Teglalap CellaHelye(const SzelvenyMeretek& m, int szam);

// The number under a client point, or 0 for gaps, margins and empty grid places.
int Talalat(const SzelvenyMeretek& m, int x, int y);

// Widths of the two buttons of the strip: the exit button takes half the client width
// less 6, the clear button sits 9 pixels right of it with the same width.
struct GombHelyek {
    int KilepesSzelesseg;
    int TorlesBal;
};
GombHelyek GombElrendezes(const SzelvenyMeretek& m);

// The mark kind chosen by the keyboard: exactly CTRL 100, exactly SHIFT 50, else 0.
int BillentyuJelolesFajta(bool ctrl, bool shift, bool alt);

// Characters counted the way the caption length is measured (code points, not bytes).
int KarakterSzam(std::string_view utf8);

} // namespace varion
