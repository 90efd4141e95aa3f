"""The program by keyboard alone: every window opened by its key, walked round with Tab, left
with Enter or Esc. No mouse event is sent in this test."""


import pyatspi

from jatekos import (
    JatekosHiba,
    Program,
    allapot,
    bejar,
    billentyu,
    cimke_szovegek,
    engedelyezett,
    fokusz_esemeny,
    gepel,
    gyerekek,
    jelolt_szamok,
    lathato,
    nev,
    sorok,
    szerep,
    tabla,
    var,
)

GOMB = ("push button", "toggle button")
SZAMOK = [3, 7, 12, 18, 25, 33, 41]


def korbejar(p, cim):
    """Tab round the active window: every enabled button is reached and everything reached
    has a name. The two halves of an up-down control are left out on purpose (the arrow keys
    in its edit do the same)."""
    ablak = p.ablak(cim)
    var(lambda: allapot(ablak, pyatspi.STATE_ACTIVE), f"a(z) {cim!r} ablak aktív", 10)
    latott = p.tab_kor(ablak)
    nevtelen = [szerep(o) for o in latott if not nev(o).strip()]
    assert not nevtelen, f"{cim}: név nélküli vezérlők kapnak fókuszt: {nevtelen}"
    elert = {(szerep(o), nev(o)) for o in latott}
    kimaradt = [
        nev(o)
        for o in bejar(ablak)
        if szerep(o) in GOMB
        and lathato(o)
        and engedelyezett(o)
        and allapot(o, pyatspi.STATE_FOCUSABLE)
        and (szerep(o), nev(o)) not in elert
    ]
    assert not kimaradt, f"{cim}: a Tab nem éri el: {kimaradt}"
    return ablak


def fokuszba(nev_, max_lepes=60):
    """Tab until the named control holds the focus."""
    for _ in range(max_lepes):
        f = fokusz_esemeny()
        if f is not None and nev(f).strip() == nev_:
            return f
        billentyu("Tab")
    raise JatekosHiba(f"a Tab nem ér el ide: {nev_!r}")


def megnyom(nev_):
    fokuszba(nev_)
    billentyu("Return")


def ablakra(p, cim, max_lepes=8):
    """Ctrl+F6 until the window is the active one."""
    for _ in range(max_lepes):
        if allapot(p.ablak(cim), pyatspi.STATE_ACTIVE):
            return
        billentyu("ctrl+F6", szunet=0.4)
    raise JatekosHiba(f"a Ctrl+F6 nem ér el ide: {cim!r}")


def menupont(p, menu, pont):
    """F10, then Right along the menu bar until that menu is open, Down to the item, Enter.
    The open menu and its active item are read from the tree."""
    billentyu("F10")

    def nyitott():
        return next((o for o in bejar(p.foablak, 4) if szerep(o) == "popup menu" and lathato(o)), None)

    latott = []
    for _ in range(12):
        m = var(nyitott, "egy menü nyitva", 5) if latott else nyitott()
        latott.append(nev(m) if m is not None else None)
        if m is not None and nev(m).strip() == menu:
            break
        billentyu("Right", szunet=0.3)
    else:
        raise JatekosHiba(f"nincs ilyen menü: {menu!r}; látott: {latott}")
    for _ in range(m.childCount + 1):
        cel = next((o for o in gyerekek(m) if nev(o).strip() == pont), None)
        if cel is None:
            raise JatekosHiba(f"nincs ilyen menüpont: {menu} → {pont}")
        if allapot(cel, pyatspi.STATE_FOCUSED):
            billentyu("Return")
            return
        billentyu("Down", szunet=0.25)
    raise JatekosHiba(f"a nyilak nem érik el: {menu} → {pont}")


def eset_minden_ablak_billentyuzettel():
    with Program() as p:
        # The main ticket has the keyboard at start-up and takes typed numbers.
        fo = p.ablak("Főszelvény")
        var(lambda: allapot(fo, pyatspi.STATE_ACTIVE), "a főszelvény aktív induláskor")
        for n in SZAMOK:
            gepel(str(n))
            billentyu("Return")
        var(lambda: jelolt_szamok(fo) == SZAMOK, "hét szám gépelve")
        korbejar(p, "Főszelvény")
        ablakra(p, "Varion  -  Ötöslottó")
        korbejar(p, "Varion  -  Ötöslottó")

        # Dialogs opened by their shortcuts, left with Esc.
        for gomb, cim in (("ctrl+w", "Véletlen számok kijelölése"), ("ctrl+h", "Húzások száma"),
                          ("ctrl+f", "Feltételek kijelölése")):
            billentyu(gomb)
            korbejar(p, cim)
            billentyu("Escape")
            p.nincs_ablak(cim)

        # The draw list, its search ticket and its draw entry.
        billentyu("ctrl+a")
        korbejar(p, "Lottóhúzások listája")
        megnyom("Új húzás hozzáadása az adatbázishoz.")
        korbejar(p, "Új húzás beolvasása")
        billentyu("Escape")
        # Esc ends the entry as "Mégse" does: its ticket goes with it and the list drops the
        # row it had opened for the new draw.
        p.nincs_ablak("Új húzás beolvasása")
        p.nincs_ablak("Számsor beolvasása")
        lista = tabla(p.ablak("Lottóhúzások listája"))
        var(lambda: sorok(lista, lista.queryTable().nRows - 1)[0][0] == "3441.", "nincs félbehagyott sor")
        billentyu("ctrl+k")
        korbejar(p, "Számsor keresés")
        megnyom("Kilépés")
        p.nincs_ablak("Számsor keresés")
        ablakra(p, "Lottóhúzások listája")
        billentyu("Escape")
        p.nincs_ablak("Lottóhúzások listája")

        # A breakdown: its window, the list, the check and the information.
        billentyu("ctrl+b")
        bontas = p.ablak("Bontás készítése")
        var(lambda: "21 db szelvény szükséges a játékhoz." in cimke_szovegek(bontas), "kész a bontás")
        korbejar(p, "Bontás készítése")
        megnyom("Kilépés")
        p.nincs_ablak("Bontás készítése")
        billentyu("ctrl+l")
        korbejar(p, "Bontás listája")
        billentyu("Escape")
        p.nincs_ablak("Bontás listája")
        billentyu("ctrl+e")
        korbejar(p, "Bontás ellenőrzés")
        megnyom("Kilépés")
        p.nincs_ablak("Bontás ellenőrzés")
        billentyu("ctrl+i")
        korbejar(p, "Információk a bontásról")
        billentyu("Escape")
        p.nincs_ablak("Információk a bontásról")

        # Help, settings, about box: by key, tool button and menu.
        billentyu("F1")
        korbejar(p, "Varion Súgó")
        billentyu("Escape")
        p.nincs_ablak("Varion Súgó")
        ablakra(p, "Varion  -  Ötöslottó")
        megnyom("Beállítások")
        korbejar(p, "Program beállítások")
        billentyu("Escape")
        p.nincs_ablak("Program beállítások")
        menupont(p, "Súgó", "Névjegy")
        korbejar(p, "Névjegy")
        billentyu("Escape")
        p.nincs_ablak("Névjegy")

        # A question, answered no with Esc; then the way out from the menu, each question
        # answered yes.
        billentyu("ctrl+t")
        korbejar(p, "Jóváhagyás kérése")
        billentyu("Escape")
        p.nincs_ablak("Jóváhagyás kérése")
        assert jelolt_szamok(fo) == SZAMOK, "a nem választ a számok túlélik"
        # The way out is a menu item away: F10, the arrows, Enter, and the question it asks.
        menupont(p, "Fájl", "Kilépés")
        kerdes = p.ablak("Jóváhagyás kérése")
        assert "Biztos kilép a programból?" in cimke_szovegek(kerdes)
        billentyu("Escape")
        p.nincs_ablak("Jóváhagyás kérése")


eset_minden_ablak_billentyuzettel.ido = 600
