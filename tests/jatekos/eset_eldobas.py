"""A finished breakdown let go while its windows are open, and saved under names of every
kind: the way a player does it, with the keyboard shortcuts and the message boxes."""

import os
import time

from jatekos import (
    Program,
    billentyu,
    egy,
    fajl,
    gepel,
    kattint,
    keres,
    szam,
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

        # A new breakdown with the list and the check open, then a number taken off the
        # ticket: neither window stays on the old rows.
        billentyu("ctrl+b")
        kattint(egy(p.ablak("Bontás készítése", 60), "Kilépés", "push button", 120))
        p.nincs_ablak("Bontás készítése")
        billentyu("ctrl+l")
        p.ablak("Bontás listája")
        billentyu("ctrl+e")
        p.ablak("Bontás ellenőrzés")
        kattint(szam(p.ablak("Főszelvény"), 1))
        igen(p)
        p.nincs_ablak("Bontás listája")
        p.nincs_ablak("Bontás ellenőrzés")
        billentyu("Next")
        time.sleep(1)
        assert p.el(), "a program fut"


def mentes_neven(nev_, top, tip):
    """The breakdown saved through the breakdown window's "Mentés" as nev_: a .top that holds
    the rows and the .tip beside it."""
    with Program() as p:
        fo = p.ablak("Főszelvény")
        szamokra_kattint(fo, HET)
        billentyu("ctrl+b")
        kattint(egy(p.ablak("Bontás készítése", 60), "Mentés", "push button", 120))
        d = p.ablak("Bontás mentése")
        mezo = egy(d, "Állománynév:", "text")
        kattint(mezo)
        billentyu("ctrl+a")
        gepel(os.path.join(fajl(), nev_))
        billentyu("Return")
        p.nincs_ablak("Bontás mentése")
        var(lambda: os.path.exists(fajl(top)) and os.path.exists(fajl(tip)), f"{top} és {tip}")
        assert os.path.getsize(fajl(top)) > os.path.getsize(fajl(tip)), nev_


def eset_mentes_tip_nevvel():
    mentes_neven("x.tip", "x.top", "x.tip")


def eset_mentes_kiterjesztes_nelkul():
    mentes_neven("eredmeny", "eredmeny.top", "eredmeny.tip")


def eset_mentes_top_nevvel():
    mentes_neven("sor.top", "sor.top", "sor.tip")
