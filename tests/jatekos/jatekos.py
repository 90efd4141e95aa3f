"""Player-test helpers: the program is driven by real X input (xdotool, XTest) and read the
way a screen reader reads it, over AT-SPI. Nothing here reaches inside the program.

The runner (futtat) prepares the display, the buses and a fresh program folder, then runs
each test function in its own process with VARION_PROGRAM (the executable) and
VARION_MAPPA (the program folder) in the environment.
"""

import os
import subprocess
import time

import pyatspi

ALAP_VARAKOZAS = 30.0


class JatekosHiba(AssertionError):
    pass


class Kihagyas(Exception):
    """Raised by a test that cannot run here; its text is the reason."""


def var(feltetel, leiras, ido=ALAP_VARAKOZAS, lepes=0.1):
    """Polls feltetel until it returns something truthy; that value is returned."""
    hatarido = time.monotonic() + ido
    utolso_hiba = None
    while True:
        try:
            ertek = feltetel()
            if ertek:
                return ertek
        except Exception as e:  # objects vanish while windows are rebuilt
            utolso_hiba = e
        if time.monotonic() > hatarido:
            extra = f" (utolsó hiba: {utolso_hiba!r})" if utolso_hiba else ""
            raise JatekosHiba(f"nem teljesült {ido:.0f} s alatt: {leiras}{extra}")
        time.sleep(lepes)


# --- the accessible tree ---------------------------------------------------------------


def gyerekek(obj):
    try:
        n = obj.childCount
    except Exception:
        return []
    out = []
    for i in range(n):
        try:
            c = obj.getChildAtIndex(i)
        except Exception:
            c = None
        if c is not None:
            out.append(c)
    return out


def bejar(obj, melyseg=40):
    """Every object under obj, depth first, obj included; a table's cells are left out (a
    table of every draw has tens of thousands)."""
    verem = [(obj, 0)]
    while verem:
        o, d = verem.pop()
        yield o
        if d < melyseg and (d == 0 or szerep(o) not in ("table", "tree table")):
            verem.extend((c, d + 1) for c in reversed(gyerekek(o)))


def nev(obj):
    try:
        return obj.name or ""
    except Exception:
        return ""


def szerep(obj):
    try:
        return obj.getRoleName()
    except Exception:
        return ""


def allapot(obj, s):
    try:
        return obj.getState().contains(s)
    except Exception:
        return False


def bejelolt(obj):
    return allapot(obj, pyatspi.STATE_CHECKED)


def lathato(obj):
    return allapot(obj, pyatspi.STATE_SHOWING) and allapot(obj, pyatspi.STATE_VISIBLE)


def engedelyezett(obj):
    return allapot(obj, pyatspi.STATE_ENABLED)


def keres(gyoker, nev_=None, szerep_=None, feltetel=None, csak_lathato=True):
    """The objects under gyoker with this (trimmed) name and role name."""
    talalt = []
    for o in bejar(gyoker):
        if nev_ is not None and nev(o).strip() != nev_:
            continue
        if szerep_ is not None and szerep(o) != szerep_:
            continue
        if csak_lathato and not lathato(o):
            continue
        if feltetel is not None and not feltetel(o):
            continue
        talalt.append(o)
    return talalt


def egy(gyoker, nev_=None, szerep_=None, ido=ALAP_VARAKOZAS, **kw):
    """Waits for exactly one visible object with this name and role; returns it."""

    def f():
        t = keres(gyoker, nev_, szerep_, **kw)
        return t[0] if len(t) == 1 else None

    return var(f, f"egy {szerep_ or 'objektum'} {nev_!r} néven", ido)


def kiir(obj, melyseg=6, behuzas=0):
    """The tree as text, for looking at what a window exposes."""
    sorok = []
    sorok.append("  " * behuzas + f"[{szerep(obj)}] {nev(obj)!r}")
    if melyseg > 0:
        for c in gyerekek(obj):
            sorok.append(kiir(c, melyseg - 1, behuzas + 1))
    return "\n".join(sorok)


# --- focus ------------------------------------------------------------------------------
# The focused-state of an object can lag (a tab widget reports focus while its child holds
# it), so the focus is followed by the events a screen reader follows.

_fokusz = {"figyel": False, "utolso": None}


def _fokusz_valtozas(e):
    if e.detail1 == 1:
        _fokusz["utolso"] = e.source


def fokusz_esemeny(varakozas=0.15):
    """Delivers the pending accessibility events, then returns the last focused object."""
    from gi.repository import GLib

    if not _fokusz["figyel"]:
        pyatspi.Registry.registerEventListener(_fokusz_valtozas, "object:state-changed:focused")
        _fokusz["figyel"] = True
    ctx = GLib.MainContext.default()
    hatarido = time.monotonic() + varakozas
    while True:
        while ctx.pending():
            ctx.iteration(False)
        if time.monotonic() > hatarido:
            return _fokusz["utolso"]
        time.sleep(0.02)


# --- input -------------------------------------------------------------------------------


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def kozep(obj):
    c = obj.queryComponent()
    x, y, w, h = c.getExtents(pyatspi.DESKTOP_COORDS)
    if w <= 0 or h <= 0:
        raise JatekosHiba(f"{nev(obj)!r} nem látszik a képernyőn ({x},{y} {w}x{h})")
    return x + w // 2, y + h // 2


def kattint(obj, gomb=1, modositok=()):
    """A real mouse click in the middle of obj's on-screen extents."""
    x, y = kozep(obj)
    xdotool("mousemove", "--sync", x, y)
    time.sleep(0.05)
    for m in modositok:
        xdotool("keydown", m)
    xdotool("click", gomb)
    for m in reversed(modositok):
        xdotool("keyup", m)
    time.sleep(0.1)


def billentyu(*kombinaciok, szunet=0.15):
    """Key presses in xdotool's names: 'ctrl+b', 'End', 'Tab', 'Return', 'Escape'."""
    for k in kombinaciok:
        xdotool("key", "--clearmodifiers", k)
        time.sleep(szunet)


def gepel(szoveg):
    xdotool("type", "--delay", 40, szoveg)
    time.sleep(0.1)


def kepernyokep(cel=None):
    """The whole screen into a PNG (by default where the runner keeps a failed test's)."""
    cel = cel or os.environ.get("VARION_KEPFAJL")
    if cel:
        os.makedirs(os.path.dirname(cel), exist_ok=True)
        subprocess.run(["import", "-window", "root", cel], capture_output=True, timeout=30)


# --- the program -------------------------------------------------------------------------


def mappa():
    return os.environ["VARION_MAPPA"]


def fajl(*resz):
    return os.path.join(mappa(), *resz)


class Program:
    """The program started from its folder; stopped at the end of the with block."""

    def __init__(self, *argumentumok):
        self.argumentumok = argumentumok
        self.folyamat = None
        self.app = None

    def __enter__(self):
        self.folyamat = subprocess.Popen(
            [os.environ["VARION_PROGRAM"], *self.argumentumok],
            cwd=mappa(),
            stdout=open(fajl("varion.stdout"), "w"),
            stderr=open(fajl("varion.stderr"), "w"),
        )
        fokusz_esemeny(0)
        self.app = var(self._alkalmazas, "a program megjelenik az AT-SPI-n", 40)
        self.foablak = var(
            lambda: next((w for w in gyerekek(self.app) if lathato(w) and "Varion" in nev(w)), None),
            "a főablak látszik",
            30,
        )
        return self

    def _alkalmazas(self):
        if self.folyamat.poll() is not None:
            raise JatekosHiba(f"a program kilépett ({self.folyamat.returncode}): {self.hibakimenet()[-2000:]}")
        asztal = pyatspi.Registry.getDesktop(0)
        for a in gyerekek(asztal):
            try:
                if a.get_process_id() == self.folyamat.pid and a.childCount > 0:
                    return a
            except Exception:
                continue
        return None

    def hibakimenet(self):
        try:
            with open(fajl("varion.stderr"), encoding="utf-8", errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def __exit__(self, tipus, *_):
        if tipus is not None:
            kepernyokep()
        if self.folyamat.poll() is None:
            self.folyamat.terminate()
            try:
                self.folyamat.wait(5)
            except subprocess.TimeoutExpired:
                self.folyamat.kill()
                self.folyamat.wait()
        # A sanitized build reports memory and undefined-behaviour faults on its error output.
        hiba = self.hibakimenet()
        if tipus is None and ("ERROR: AddressSanitizer" in hiba or "runtime error:" in hiba):
            raise JatekosHiba("a program hibát jelzett:\n" + hiba[:4000])
        return False

    def kilep(self, ido=ALAP_VARAKOZAS):
        """Waits for the program to end by itself (after the player closed it)."""
        var(lambda: self.folyamat.poll() is not None, "a program kilép", ido)

    def el(self):
        return self.folyamat.poll() is None

    # Windows: every top-level frame or dialog of the application, by trimmed title.
    def ablakok(self):
        return [w for w in gyerekek(self.app) if lathato(w)]

    def ablak(self, cim, ido=ALAP_VARAKOZAS):
        return var(
            lambda: next((w for w in self.ablakok() if nev(w).strip() == cim), None),
            f"a(z) {cim!r} ablak látszik (látszik: {[nev(w) for w in self.ablakok()]})",
            ido,
        )

    def nincs_ablak(self, cim, ido=ALAP_VARAKOZAS):
        var(lambda: all(nev(w).strip() != cim for w in self.ablakok()), f"a(z) {cim!r} ablak eltűnik", ido)

    def aktiv_ablak(self):
        return next((w for w in self.ablakok() if allapot(w, pyatspi.STATE_ACTIVE)), None)

    def fokusz(self, ablak=None):
        """The object that took the keyboard focus last, as the focus events report it."""
        return fokusz_esemeny()

    def tab_kor(self, ablak, max_lepes=80):
        """Presses Tab until the focus comes round to where it started (or stays, in a window
        with one control); returns the objects that held the focus, in order."""
        latott, kulcsok = [], []
        elozo = fokusz_esemeny()
        for _ in range(max_lepes):
            billentyu("Tab")
            hatarido = time.monotonic() + 2
            f = fokusz_esemeny()
            while f is elozo and time.monotonic() < hatarido:
                f = fokusz_esemeny()
            if f is None:
                raise JatekosHiba(f"a(z) {nev(ablak)!r} ablakban semmi sem kap fókuszt")
            k = azonosito(f)
            if k in kulcsok:
                return latott
            kulcsok.append(k)
            latott.append(f)
            elozo = f
        raise JatekosHiba(f"a fókusz {max_lepes} Tab után sem ért körbe")


def azonosito(obj):
    try:
        x, y, w, h = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except Exception:
        x = y = w = h = None
    return (szerep(obj), nev(obj), x, y, w, h)


# --- tickets and tables ------------------------------------------------------------------


def szelveny_e(o):
    if o.childCount < 35:
        return False
    elso = o.getChildAtIndex(0)
    return nev(elso) == "1" and szerep(elso) == "check box"


def szelveny(ablak):
    """The cell area of a ticket window: the group whose children are the numbers."""
    return egy(ablak, feltetel=szelveny_e)


def szam(ablak, n):
    """The cell of number n on a ticket window."""
    sz = szelveny(ablak)
    c = sz.getChildAtIndex(n - 1)
    if nev(c) != str(n):
        raise JatekosHiba(f"a(z) {n}. cella neve {nev(c)!r}")
    return c


def jelolt_szamok(ablak):
    return [int(nev(c)) for c in gyerekek(szelveny(ablak)) if bejelolt(c)]


def szamokra_kattint(ablak, szamok, modositok=()):
    for n in szamok:
        c = szam(ablak, n)
        kattint(c, modositok=modositok)
        var(lambda: bejelolt(szam(ablak, n)) or modositok, f"a(z) {n} jelölve")


def tabla(ablak):
    return egy(ablak, szerep_="table")


def sorok(t, tol=0, ig=None):
    """Rows tol..ig-1 of a table (default: all) as lists of cell texts. The breakdown list
    exposes only the rows on screen; the draw list every draw."""
    ti = t.queryTable()
    out = []
    for r in range(tol, ti.nRows if ig is None else min(ig, ti.nRows)):
        sor = []
        for c in range(ti.nColumns):
            cella = ti.getAccessibleAt(r, c)
            sor.append(nev(cella) if cella is not None else "")
        out.append(sor)
    return out


def kijelolt_sorok(t):
    return sorted(t.queryTable().getSelectedRows())


def cimke_szovegek(ablak):
    return [nev(o) for o in bejar(ablak) if szerep(o) == "label" and lathato(o)]
