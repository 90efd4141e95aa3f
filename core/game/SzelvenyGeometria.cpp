#include "game/SzelvenyGeometria.h"

#include "game/Jatek.h"

namespace varion {

int KarakterSzam(std::string_view utf8) {
    int db = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++db;
    return db;
}

int RiportPanelMagassag(int jatek, int szelvFajta, std::string_view felirat) {
    if (jatek == 6 && (szelvFajta == 2 || szelvFajta == 5)) return 110;
    return KarakterSzam(felirat) == 12 ? 80 : 95;
}

SzelvenyMeretek SzelvenyMeretezes(int jatek, int szelvFajta, int cellameret, bool vanRiport,
                                  bool vanTorlesGomb, std::string_view felirat) {
    const auto& j = JatekAdat(jatek);
    SzelvenyMeretek m{};
    m.MaxSzam = j.MaxSzam;
    m.Oszlopok = j.Oszlopok;
    m.Sorok = j.Sorok;
    // A cell never shrinks to nothing, whatever a damaged settings file says.
    m.Cellameret = cellameret < 8 ? 8 : (cellameret > 200 ? 200 : cellameret);
    m.GombsavMagassag = vanTorlesGomb ? 27 : 0;
    m.VanRiport = vanRiport;
    m.RiportMagassag = vanRiport ? RiportPanelMagassag(jatek, szelvFajta, felirat) : 0;
    return m;
}

int KliensSzelesseg(const SzelvenyMeretek& m) {
    return m.Cellameret * m.Oszlopok + m.Oszlopok + 4;
}

int KliensMagassag(const SzelvenyMeretek& m) {
    return m.Cellameret * m.Sorok + m.GombsavMagassag + m.RiportMagassag + m.Sorok + 4;
}

Teglalap CellaHelye(const SzelvenyMeretek& m, int szam) {
    const int c = (szam - 1) % m.Oszlopok;
    const int r = (szam - 1) / m.Oszlopok;
    const int s = m.Cellameret;
    return {3 + c * (s + 1), 3 + r * (s + 1), s, s};
}

int Talalat(const SzelvenyMeretek& m, int x, int y) {
    const int lepes = m.Cellameret + 1;
    const int dx = x - 3, dy = y - 3;
    if (dx < 0 || dy < 0) return 0; // integer division would round the margin into cell 0
    const int c = dx / lepes, r = dy / lepes;
    if (c >= m.Oszlopok || r >= m.Sorok) return 0;
    if (dx % lepes >= m.Cellameret || dy % lepes >= m.Cellameret) return 0;
    const int szam = r * m.Oszlopok + c + 1;
    return szam <= m.MaxSzam ? szam : 0;
}

GombHelyek GombElrendezes(const SzelvenyMeretek& m) {
    const int w = KliensSzelesseg(m) / 2 - 6;
    return {w, w + 9};
}

int BillentyuJelolesFajta(bool ctrl, bool shift, bool alt) {
    if (ctrl && !shift && !alt) return 100;
    if (shift && !ctrl && !alt) return 50;
    return 0;
}

} // namespace varion
