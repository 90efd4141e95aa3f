#include "app/UzenetAblakHelye.h"

namespace varion {

Helyzet UzenetAblakHelye(int helyzet, Meret kepernyo, Meret ablak, Helyzet eger) {
    if (helyzet != 1)
        return {kepernyo.Szelesseg / 2 - ablak.Szelesseg / 2,
                kepernyo.Magassag / 2 - ablak.Magassag / 2};
    Helyzet h{eger.Bal - 30, eger.Felso - 30};
    if (kepernyo.Szelesseg - h.Bal < ablak.Szelesseg)
        h.Bal = kepernyo.Szelesseg - (ablak.Szelesseg + 20);
    if (kepernyo.Magassag - h.Felso < ablak.Magassag)
        h.Felso = kepernyo.Magassag - (ablak.Magassag + 40);
    return h;
}

} // namespace varion
