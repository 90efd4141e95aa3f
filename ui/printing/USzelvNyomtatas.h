// The slip print run on a printer: the printer's metrics, the checks, and one document per
// slip with the marks placed from the slip geometry.
#pragma once

#include <QPrinter>

#include "base/Uzenetek.h"
#include "printing/BontRiport.h"
#include "printing/SzelvNyomtatas.h"

namespace varion::ui {

class TUzenetAblak;

// The printer as the geometry needs it; the printer draws on the full page.
NyomtatoMeretek NyomtatoMeretei(QPrinter& p);

struct SzelvNyomtOpciok {
    JokerJeloles Joker = JokerJeloles::Nem;
    bool Sorszam = true;
};

// Prints the slips of `tartomany` (already clamped). A printer slips cannot be printed on
// gets its message and nothing is printed; false then. A PDF file holds the slips as the
// pages of one document, a printer gets one document per slip.
bool SzelvNyomtVez(QPrinter& p, const BontasRiportAdatok& a, NyomtTartomany tartomany,
                   const SzelvNyomtOpciok& o, Uzenetek& u, TUzenetAblak* uzenetAblak = nullptr);

} // namespace varion::ui
