// The program's own toolbar pictures, drawn at 24 × 24 pixels.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "app/FoablakParancsok.h"

namespace varion::ui {

QPixmap KepRajz(Kep kep, int meret = 24);
QIcon KepIkon(Kep kep);

} // namespace varion::ui
