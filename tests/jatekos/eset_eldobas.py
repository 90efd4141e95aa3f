"""A finished breakdown let go while its windows are open, deleted, kept as the backup, saved
under names of every kind and checked for its guarantee: the way a player does it, with the
keyboard shortcuts, the menus and the message boxes."""

import os
import time

from jatekos import (
    Program,
    billentyu,
    engedelyezett,
    egy,
    fajl,
    gepel,
    kattint,
    keres,
    nev,
    szamokra_kattint,
    tabla,
    var,
)

HUSZONOT = list(range(1, 26))
HET = [3, 17, 25, 41, 52, 66, 70]


def bontas_kesz(p, szamok):
    """Marks the numbers, runs the breakdown with Ctrl+B and closes its window."""
    fo = p.ablak("Főszelvény")
    szamokra_kattint(fo, szamok)
    billentyu("ctrl+b")
    bontas = p.ablak("Bontás készítése", 60)
    kattint(egy(bontas, "Kilépés", "push button", 120))
    p.nincs_ablak("Bontás készítése")
    return fo


def igen(p):
    kerdes = p.ablak("Jóváhagyás kérése")
    kattint(egy(kerdes, "Igen", "push button"))
    p.nincs_ablak("Jóváhagyás kérése")


def menupont(p, menu, pont):
    kattint(egy(p.foablak, menu, "menu"))
    kattint(egy(p.foablak, pont, "menu item"))


def eset_lista_es_ellenorzes_eldobott_bontas_alatt():
    with Program() as p:
        bontas_kesz(p, HUSZONOT)
        billentyu("ctrl+l")
        lista = p.ablak("Bontás listája")
        kattint(tabla(lista).queryTable().getAccessibleAt(0, 0))
        billentyu("ctrl+e")
        p.ablak("Bontás ellenőrzés")
        # "Feltételek" → "Kijelölés" with a breakdown and no condition: the breakdown goes.
        billentyu("ctrl+f")
        igen(p)
        felt = p.ablak("Feltételek kijelölése")
        p.nincs_ablak("Bontás listája")
        p.nincs_ablak("Bontás ellenőrzés")
        kattint(egy(felt, "Kilépés", "push button"))
        p.nincs_ablak("Feltételek kijelölése")
        billentyu("ctrl+l", "Next", "Next")
        time.sleep(1)
        assert p.el(), "a program fut"
        assert not keres(p.app, "Bontás listája"), "nincs lista bontás nélkül"

        # A new breakdown, then a new number order: the list and the check go again.
        billentyu("ctrl+b")
        kattint(egy(p.ablak("Bontás készítése", 60), "Kilépés", "push button", 120))
        billentyu("ctrl+l")
        p.ablak("Bontás listája")
        billentyu("ctrl+e")
        p.ablak("Bontás ellenőrzés")
        menupont(p, "Számsor", "Számsorrend")
        kattint(egy(p.foablak, "Növekvő", "menu item"))
        igen(p)
        p.nincs_ablak("Bontás listája")
        p.nincs_ablak("Bontás ellenőrzés")
        billentyu("Next")
        time.sleep(1)
        assert p.el(), "a program fut"


def eset_torles_utan_start_ujra():
    with Program() as p:
        bontas_kesz(p, HET)
        billentyu("ctrl+i")
        p.ablak("Információk a bontásról")
        start = egy(p.foablak, "Start", "push button")
        assert not engedelyezett(start)
        menupont(p, "Bontás", "Törlés")
        igen(p)
        p.nincs_ablak("Információk a bontásról")
        var(lambda: engedelyezett(egy(p.foablak, "Start", "push button")), "a Start újra használható")


def eset_mentes_barmilyen_neven():
    for nev_, top, tip in [("x.tip", "x.top", "x.tip"), ("eredmeny", "eredmeny.top", "eredmeny.tip"),
                           ("sor.top", "sor.top", "sor.tip")]:
        with Program() as p:
            bontas_kesz(p, HET)
            menupont(p, "Bontás", "Mentés")
            d = p.ablak("Bontás mentése")
            mezo = egy(d, "Állománynév:", "text")
            kattint(mezo)
            billentyu("ctrl+a")
            gepel(os.path.join(fajl(), nev_))
            billentyu("Return")
            p.nincs_ablak("Bontás mentése")
            var(lambda: os.path.exists(fajl(top)) and os.path.exists(fajl(tip)), f"{top} és {tip}")
            assert os.path.getsize(fajl(top)) > os.path.getsize(fajl(tip)), nev_
            for f in (top, tip):
                os.remove(fajl(f))


def eset_garancia_ellenorzes_32_szamon():
    with Program() as p:
        bontas_kesz(p, list(range(1, 33)))
        menupont(p, "Bontás", "Garancia ellenőrzése")
        informacio = p.ablak("Információ", 30)
        szoveg = " ".join(nev(o) for o in keres(informacio, szerep_="label"))
        assert "A garancia teljesül" in szoveg and "201376" in szoveg, szoveg
        kattint(egy(informacio, "OK", "push button"))


def eset_torles_mind_elott_backup():
    with Program() as p:
        fo = p.ablak("Főszelvény")
        szamokra_kattint(fo, HET)
        billentyu("ctrl+f")
        felt = p.ablak("Feltételek kijelölése")
        egy(felt, "Favorizált számok").queryAction().doAction(0)
        kattint(egy(felt, "Bontás", "push button"))
        kattint(egy(p.ablak("Bontás készítése", 60), "Kilépés", "push button", 120))
        p.nincs_ablak("Bontás készítése")
        assert not os.path.exists(fajl("back5.tip"))
        billentyu("ctrl+f")
        lista = p.ablak("Beállított feltételek listája")
        kattint(egy(lista, "Törlés mind", "push button"))
        igen(p)
        var(lambda: os.path.exists(fajl("back5.tip")), "a back5.tip megvan a törlés után")
