"""The backtest window on a 12-number breakdown: opened from the "Bontás" menu, its totals
read over AT-SPI and checked against the real history counted here, the charts on screen."""

import math
import os

from jatekos import (
    Program,
    bejar,
    billentyu,
    cimke_szovegek,
    egy,
    kattint,
    kepernyokep,
    lathato,
    nev,
    szamokra_kattint,
    szerep,
    var,
)

SZAMOK = [3, 7, 12, 18, 25, 33, 41, 47, 56, 62, 74, 88]
AR = 200  # the settings' ticket price of a fresh program folder
KEPEK = os.environ.get("VARION_VISSZATESZT_KEPEK")


def ezres(n):
    return f"{n:,}".replace(",", " ")


def tortenet():
    """The draws of otos.csv, oldest first: the numbers and the known prizes by class."""
    jeloltek = [os.environ.get("VARION_SHARED_DATA", "")]
    itt = os.path.dirname(os.path.abspath(__file__))
    for fel in (3, 4):
        d = itt
        for _ in range(fel):
            d = os.path.dirname(d)
        jeloltek.append(os.path.join(d, "shared", "data"))
    csv = next(os.path.join(d, "otos.csv") for d in jeloltek if d and os.path.exists(os.path.join(d, "otos.csv")))
    huzasok = []
    with open(csv, encoding="utf-8-sig") as f:
        for sor in f:
            m = sor.rstrip("\r\n").split(";")
            dijak = {}
            for i, talalat in enumerate((5, 4, 3, 2)):
                nyertes = int(m[3 + 2 * i])
                ft = int(m[4 + 2 * i].replace(" Ft", "").replace(" ", "") or 0)
                if nyertes > 0 and ft > 0:
                    dijak[talalat] = ft
            huzasok.append((set(int(x) for x in m[11:16]), dijak))
    huzasok.reverse()
    return huzasok


def varhato_osszegek():
    """Winnings and unpriced tickets of the full breakdown of SZAMOK into fives: a draw that
    takes k of the twelve gives C(k, h) · C(12 − k, 5 − h) tickets with h hits."""
    nyeremeny = ismeretlen = nyero = 0
    osztaly = {h: 0 for h in (2, 3, 4, 5)}
    huzasok = tortenet()
    for szamok, dijak in huzasok:
        k = len(szamok & set(SZAMOK))
        volt = False
        for h in (2, 3, 4, 5):
            db = math.comb(k, h) * math.comb(12 - k, 5 - h)
            if not db:
                continue
            volt = True
            osztaly[h] += db
            if h in dijak:
                nyeremeny += db * dijak[h]
            else:
                ismeretlen += db
        nyero += volt
    return len(huzasok), nyeremeny, ismeretlen, nyero, osztaly


def eset_visszateszt_tizenket_szam_bontasan():
    n, nyeremeny, ismeretlen, nyero, osztaly = varhato_osszegek()
    with Program() as p:
        fo = p.ablak("Főszelvény")
        szamokra_kattint(fo, SZAMOK)
        billentyu("ctrl+b")
        bontas = p.ablak("Bontás készítése")
        var(lambda: "792 db szelvény szükséges a játékhoz." in cimke_szovegek(bontas),
            "a bontás ablaka 792 szelvényt mond")
        kattint(egy(bontas, "Kilépés", "push button"))
        p.nincs_ablak("Bontás készítése")

        # "Bontás" → "Visszatesztelés", with the mouse.
        def menu(gyoker, nev_):
            return var(lambda: next((o for o in bejar(gyoker) if nev(o) == nev_ and lathato(o)
                                     and szerep(o) in ("menu", "menu item")), None),
                       f"a(z) {nev_!r} menü", 15)

        kattint(menu(p.foablak, "Bontás"))
        kattint(menu(p.app, "Visszatesztelés"))
        ablak = p.ablak("Visszatesztelés", 60)
        osszegzes = var(lambda: next((s for s in cimke_szovegek(ablak) if s.startswith("Vizsgált húzások:")), None),
                        "az összesítés látszik", 60)
        sorok = osszegzes.split("\n")
        assert sorok[0] == f"Vizsgált húzások: 1. - {n}. húzás, {ezres(n)} sorsolás", sorok
        assert "Szelvények száma: 792 db sorsolásonként" in sorok
        assert f"Költség: {ezres(792 * AR * n)} Ft" in sorok, sorok
        assert f"Nyeremény: {ezres(nyeremeny)} Ft" in sorok, (sorok, nyeremeny)
        egyenleg = nyeremeny - 792 * AR * n
        assert f"Egyenleg: {'-' if egyenleg < 0 else ''}{ezres(abs(egyenleg))} Ft" in sorok, sorok
        assert f"Nyerő sorsolások: {ezres(nyero)} db" in sorok, sorok
        assert f"Ismeretlen nyereményű találat: {ezres(ismeretlen)} szelvény (nem számolt nyeremény)" in sorok, sorok

        # The class table as a screen reader reads it.
        tablak = [o for o in bejar(ablak) if szerep(o) == "table" and lathato(o)]
        osztalyok = next(t for t in tablak if nev(t) == "Találati osztályok")
        t = osztalyok.queryTable()
        cellak = {t.getAccessibleAt(r, 0).name: t.getAccessibleAt(r, 1).name for r in range(t.nRows)}
        assert cellak == {f"{h} találat": ezres(osztaly[h]) for h in (5, 4, 3, 2)}, cellak
        eselyek = next(t for t in tablak if nev(t) == "Esélyek egy játékra").queryTable()
        # Every draw inside the twelve is exactly one ticket: 792 chances in C(90, 5).
        otos = eselyek.getAccessibleAt(0, 1).name
        assert otos in {f"1 : {ezres(43949268 // 792 + d)}" for d in (0, 1)}, otos

        # Both charts are on screen: one picture of the whole window.
        assert egy(ablak, "Összesített költség és nyeremény")
        assert egy(ablak, "Szelvények találati osztályonként")
        if KEPEK:
            kepernyokep(os.path.join(KEPEK, "visszateszt.png"))
