"""The main ticket as a player and a screen reader use it, under a second window manager."""

from jatekos import Program, billentyu, gepel, jelolt_szamok, kattint, szam, szelveny, var


def eset_foszelveny_egerrel_billentyuvel_es_muvelettel():
    with Program() as p:
        fo = p.ablak("Főszelvény")
        kattint(szam(fo, 90))
        var(lambda: jelolt_szamok(fo) == [90], "a 90 kattintással jelölve")
        # Typed numbers go to the focused ticket; a pause forgets a half-typed number.
        gepel("17")
        billentyu("Return")
        gepel("5")
        billentyu("space")
        var(lambda: jelolt_szamok(fo) == [5, 17, 90], "a 17 és az 5 gépelve")
        # Assistive technology presses a number as a click would, and again to unmark it.
        szam(fo, 30).queryAction().doAction(0)
        var(lambda: jelolt_szamok(fo) == [5, 17, 30, 90], "a 30 a művelettel jelölve")
        szam(fo, 17).queryAction().doAction(0)
        var(lambda: jelolt_szamok(fo) == [5, 30, 90], "a 17 a művelettel törölve")
        assert szelveny(fo).name == "Főszelvény"


eset_foszelveny_egerrel_billentyuvel_es_muvelettel.ablakkezelo = "icewm"
