"""The draw database as a player keeps it: draws entered on the entry dialog's ticket,
cancelled, undone and redone, saved, printed, kept over a game switch and over quitting."""

import os
import shutil
import struct

from jatekos import (
    JatekosHiba,
    Program,
    billentyu,
    bejelolt,
    cimke_szovegek,
    egy,
    engedelyezett,
    fajl,
    gyerekek,
    kattint,
    keres,
    lathato,
    nev,
    szam,
    szelveny_e,
    szerep,
    tabla,
    sorok,
    var,
)

LISTA = "Lottóhúzások listája"
BEVITEL = "Új húzás beolvasása"
BEVITEL_JEGY = "Számsor beolvasása"
BOVITES = "Új húzás hozzáadása az adatbázishoz."
MENTES = "Módosított adatbázis mentése."
VISSZA = "Előző módosítás visszavonása."
UJRA = "Visszavonás törlése."
NYOMTATAS = "A lottóhúzások listájának nyomtatása."


def gomb(ablak, nev_):
    return egy(ablak, nev_, "push button")


def eszkoz(ablak, nev_):
    """A tool button of the list, by its name (its hint)."""
    return var(lambda: next((o for o in keres(ablak, nev_) if szerep(o) in ("push button", "toggle button")), None),
               f"a(z) {nev_!r} gomb a listán")


def huzasok_szama(p):
    return tabla(p.ablak(LISTA)).queryTable().nRows


def utolso_huzas(p):
    t = tabla(p.ablak(LISTA))
    n = t.queryTable().nRows
    return sorok(t, n - 1, n)[0]


def lista_nyitas(p):
    """Ctrl+A from the main window (clicked first when the shortcut found no focus)."""
    for _ in range(3):
        billentyu("ctrl+a")
        try:
            return p.ablak(LISTA, 5)
        except JatekosHiba:
            kattint(p.foablak)
    return p.ablak(LISTA)


def uzenet(p, cim, szoveg_resz, valasz):
    """The message box titled cim whose text holds szoveg_resz, answered with valasz."""
    doboz = p.ablak(cim)
    var(lambda: any(szoveg_resz in s for s in cimke_szovegek(doboz)), f"{cim}: {szoveg_resz!r}")
    kattint(gomb(doboz, valasz))
    p.nincs_ablak(cim)


def bevitel_szamokkal(p, szamok):
    """Opens the entry dialog from the list and clicks szamok on its own ticket."""
    kattint(eszkoz(p.ablak(LISTA), BOVITES))
    dialogus = p.ablak(BEVITEL)
    jegy = p.ablak(BEVITEL_JEGY)
    for n in szamok:
        kattint(szam(jegy, n))
    return dialogus, jegy


def eset_kezzel_bevitt_huzas_mentve_ujrainditas_utan_is_megvan():
    with Program() as p:
        lista_nyitas(p)
        elotte = huzasok_szama(p)
        dialogus, jegy = bevitel_szamokkal(p, [7, 19, 33, 48, 81])
        var(lambda: sorted(int(nev(c)) for c in gyerekek(egy(jegy, feltetel=szelveny_e)) if bejelolt(c))
            == [7, 19, 33, 48, 81], "az öt szám a beviteli jegyen")
        rendben = gomb(dialogus, "Rendben")
        var(lambda: engedelyezett(rendben), "a Rendben engedélyezett")
        kattint(rendben)
        p.nincs_ablak(BEVITEL)
        p.nincs_ablak(BEVITEL_JEGY)
        var(lambda: huzasok_szama(p) == elotte + 1, "a húzás a lista végén")
        assert utolso_huzas(p)[3:8] == ["7", "19", "33", "48", "81"], utolso_huzas(p)

        # Undo and redo of the append.
        kattint(eszkoz(p.ablak(LISTA), VISSZA))
        var(lambda: huzasok_szama(p) == elotte, "a visszavonás elviszi")
        kattint(eszkoz(p.ablak(LISTA), UJRA))
        var(lambda: huzasok_szama(p) == elotte + 1, "az újra visszahozza")

        kattint(eszkoz(p.ablak(LISTA), MENTES))
        uzenet(p, "Információ", "Adatbázis elmentve.", "OK")

    with Program() as p:
        lista_nyitas(p)
        var(lambda: utolso_huzas(p)[3:8] == ["7", "19", "33", "48", "81"], "újraindítás után is megvan")


def eset_esc_es_zarodoboz_megse_a_kovetkezo_mentes_sikerul():
    with Program() as p:
        lista_nyitas(p)
        elotte = huzasok_szama(p)
        for kilepes in ("Escape", "alt+F4"):
            dialogus, _ = bevitel_szamokkal(p, [2, 4])
            kattint(dialogus)  # the keys go to the dialog, not to its ticket
            billentyu(kilepes)
            p.nincs_ablak(BEVITEL)
            p.nincs_ablak(BEVITEL_JEGY)
            var(lambda: huzasok_szama(p) == elotte, f"{kilepes}: nincs új sor")
            assert utolso_huzas(p)[0] != "0.", utolso_huzas(p)
        # Esc right after a click on the ticket reaches the ticket's window: it cancels the
        # entry too (it used to do nothing there).
        bevitel_szamokkal(p, [2, 4])
        billentyu("Escape")
        p.nincs_ablak(BEVITEL)
        p.nincs_ablak(BEVITEL_JEGY)
        var(lambda: huzasok_szama(p) == elotte, "Esc a szelvényen: nincs új sor")
        dialogus, _ = bevitel_szamokkal(p, [1, 2, 3, 4, 5])
        kattint(gomb(dialogus, "Rendben"))
        var(lambda: huzasok_szama(p) == elotte + 1, "a rendes bevitel megvan")
        kattint(eszkoz(p.ablak(LISTA), MENTES))
        uzenet(p, "Információ", "Adatbázis elmentve.", "OK")


def hatos_adatbazis(ut):
    """Two Hatoslottó draws, the last of 2007 week 29, with plus numbers."""
    adat = struct.pack("<4i", 1, 0, 0, 0)
    for i, (het, szamok) in enumerate([(28, [1, 2, 3, 4, 5, 6, 7]), (29, [8, 9, 10, 11, 12, 13, 14])]):
        rekord = struct.pack("<iiHB", 0, i + 1, 2007, het) + bytes(szamok)
        adat += rekord + bytes(28 - len(rekord))
    with open(ut, "wb") as f:
        f.write(adat)


def eset_hatoslotto_2007_29_het_utan_plusz_szam_nelkul():
    hatos_adatbazis(fajl("Dat", "Huzas6.ldb"))
    with Program() as p:
        billentyu("F6")
        lista_nyitas(p)
        dialogus, jegy = bevitel_szamokkal(p, [40, 30, 20, 10, 5, 1])
        rendben = gomb(dialogus, "Rendben")
        var(lambda: engedelyezett(rendben), "hat számmal kész")
        kattint(szam(jegy, 45))  # no seventh number
        assert not bejelolt(szam(jegy, 45))
        assert not any("plusz" in s for w in p.ablakok() for s in cimke_szovegek(w))
        kattint(rendben)
        var(lambda: huzasok_szama(p) == 3, "a harmadik húzás")
        sor = utolso_huzas(p)
        assert sor[1:3] == ["2007.", "30."], sor
        assert sor[3:9] == ["1", "5", "10", "20", "30", "40"], sor
        assert sor[9] in ("0", ""), sor


def segedszelveny(p):
    return var(lambda: next((w for w in p.ablakok() if "húzás számsora" in nev(w)), None),
               "a segédszelvény látszik")


def eset_jatekvaltas_utan_a_segedszelveny_az_uj_jateke():
    with Program() as p:
        lista_nyitas(p)
        assert egy(segedszelveny(p), feltetel=szelveny_e).childCount == 90
        billentyu("F6")
        p.nincs_ablak(LISTA)
        lista_nyitas(p)
        var(lambda: egy(segedszelveny(p), feltetel=szelveny_e).childCount == 45,
            "45 szám a Hatoslottó segédszelvényén")


def eset_a_lista_nyomtatas_gombja_a_huzasok_riportjat_adja():
    riport = fajl("huzlist.rtf")
    with Program() as p:
        lista_nyitas(p)
        kattint(eszkoz(p.ablak(LISTA), NYOMTATAS))
        # Without a default printer the program says so; with one the report is written.
        var(lambda: os.path.exists(riport) or any(
            "Nincs alapértelmezett nyomtató!" in s for w in p.ablakok() for s in cimke_szovegek(w)),
            "a nyomtatás gombja a riportot kéri")
        if not os.path.exists(riport):
            uzenet(p, "Hiba!", "Nincs alapértelmezett nyomtató!", "OK")
        else:
            with open(riport, encoding="latin-1") as f:
                assert "Lista v" in f.read()


def eset_kilepes_mentetlen_huzassal_sikertelen_mentes_nyitva_tart():
    ldb = fajl("Dat", "Huzas5.ldb")
    with Program() as p:
        lista_nyitas(p)
        elotte = huzasok_szama(p)
        dialogus, _ = bevitel_szamokkal(p, [11, 22, 33, 44, 55])
        kattint(gomb(dialogus, "Rendben"))
        var(lambda: huzasok_szama(p) == elotte + 1, "a húzás bevive")

        # A folder in the file's place: the save cannot replace it.
        eredeti = ldb + ".eredeti"
        shutil.move(ldb, eredeti)
        os.makedirs(os.path.join(ldb, "foglalt"))
        kattint(p.foablak)
        billentyu("alt+F4")
        uzenet(p, "Jóváhagyás kérése", "Biztos kilép a programból?", "Igen")
        uzenet(p, "Figyelmeztetés!", "Menti a módosításokat?", "Igen")
        uzenet(p, "Hiba!", "írása során", "OK")
        assert p.el(), "a program nyitva marad"
        var(lambda: huzasok_szama(p) == elotte + 1, "a húzás megmaradt")

        shutil.rmtree(ldb)
        shutil.move(eredeti, ldb)
        kattint(p.foablak)
        billentyu("alt+F4")
        uzenet(p, "Jóváhagyás kérése", "Biztos kilép a programból?", "Igen")
        uzenet(p, "Figyelmeztetés!", "Menti a módosításokat?", "Igen")
        uzenet(p, "Információ", "Adatbázis elmentve.", "OK")
        p.kilep(5)

    with Program() as p:
        lista_nyitas(p)
        var(lambda: huzasok_szama(p) == elotte + 1, "újraindítás után is megvan")
        assert utolso_huzas(p)[3:8] == ["11", "22", "33", "44", "55"], utolso_huzas(p)


def eset_kilepes_a_lebego_ablakokkal_egyutt_veget_er():
    with Program() as p:
        lista = lista_nyitas(p)
        kattint(p.foablak)
        billentyu("alt+F4")
        uzenet(p, "Jóváhagyás kérése", "Biztos kilép a programból?", "Nem")
        assert p.el(), "a program nyitva marad"
        assert lathato(lista) and lathato(p.foablak), "a lista és a főablak is marad"

        kattint(p.foablak)
        billentyu("alt+F4")
        uzenet(p, "Jóváhagyás kérése", "Biztos kilép a programból?", "Igen")
        p.kilep(5)
