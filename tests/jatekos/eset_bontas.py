"""A breakdown from start to check, the way a player makes it: numbers clicked on the main
ticket, the menu shortcuts, the list and the check ticket."""

import itertools
import re

from jatekos import (
    Program,
    billentyu,
    cimke_szovegek,
    egy,
    jelolt_szamok,
    kattint,
    kijelolt_sorok,
    sorok,
    szam,
    szamokra_kattint,
    tabla,
    var,
)

SZAMOK = [3, 7, 12, 18, 25, 33, 41, 47, 56, 62, 74, 88]
ELLENORZOTT = [7, 25, 41, 62, 88]


def talalat_osztalyok(szamok, kivalasztott, jatek=5):
    """How many of the variations of `szamok` reach each hit count, counted here."""
    db = {}
    for v in itertools.combinations(szamok, jatek):
        t = len(set(v) & set(kivalasztott))
        db[t] = db.get(t, 0) + 1
    return db


def riport_osztalyok(szoveg):
    return {int(t): int(n) for t, n in re.findall(r"»\s*(\d)\s+találat:\s*(\d+)", szoveg)}


def eset_tizenket_szam_bontasa_listaja_es_ellenorzese():
    with Program() as p:
        fo = p.ablak("Főszelvény")
        szamokra_kattint(fo, SZAMOK)
        assert jelolt_szamok(fo) == SZAMOK

        billentyu("ctrl+b")
        bontas = p.ablak("Bontás készítése")
        var(lambda: "792 db szelvény szükséges a játékhoz." in cimke_szovegek(bontas),
            "a bontás ablaka 792 szelvényt mond")
        kattint(egy(bontas, "Kilépés", "push button"))
        p.nincs_ablak("Bontás készítése")

        billentyu("ctrl+l")
        lista = p.ablak("Bontás listája")
        t = tabla(lista)
        kattint(t.queryTable().getAccessibleAt(0, 0))
        billentyu("End")
        var(lambda: sorok(t)[-1][0] == "792.", "a lista utolsó sora a 792.")
        assert kijelolt_sorok(t) == [len(sorok(t)) - 1]

        billentyu("ctrl+e")
        ell = p.ablak("Bontás ellenőrzés")
        for n in ELLENORZOTT:
            kattint(szam(ell, n))
        var(lambda: jelolt_szamok(ell) == sorted(ELLENORZOTT), "az öt szám kijelölve az ellenőrzésen")
        vart = {k: v for k, v in talalat_osztalyok(SZAMOK, ELLENORZOTT).items() if k >= 2}
        assert vart == {5: 1, 4: 35, 3: 210, 2: 350}
        riport = var(lambda: next((s for s in cimke_szovegek(ell) if "találat" in s), None),
                     "az ellenőrzés találati sorai")
        assert riport_osztalyok(riport) == vart, riport
