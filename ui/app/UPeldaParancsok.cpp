#include "app/UPeldaParancsok.h"

#include "app/UAdatbazisParancsok.h"
#include "app/UBontasParancsok.h"
#include "app/UFajlParancsok.h"
#include "app/UUzenetek.h"
#include "app/UVarion.h"
#include "draws/UHuzLista.h"
#include "draws/UHuzSzama.h"
#include "game/Jatek.h"
#include "game/UFoszelveny.h"

namespace varion::ui {

TPeldaParancsok::TPeldaParancsok(TFoablak& foablak, Uzenetek& u)
    : QObject(&foablak), fo_(foablak), u_(u) {
    connect(&fo_.Adatbazis().Lista(), &THuzLista::Peldabontas, this,
            &TPeldaParancsok::HuzasokAlapjan);
}

bool TPeldaParancsok::Vegrehajt(Parancs p) {
    switch (p) {
    case Parancs::LottohuzasokAlapjan:
        LottohuzasokAlapjan();
        return true;
    case Parancs::VeletlenSzamokkal:
        VeletlenSzamokkal();
        return true;
    case Parancs::SajatSzamokkal:
        SajatSzamokkal();
        return true;
    default:
        return false;
    }
}

void TPeldaParancsok::LottohuzasokAlapjan() {
    if (!fo_.VanAdatbazis() || fo_.Huzasok().Ures()) return;
    auto& lista = fo_.Adatbazis().Lista();
    lista.PeldabontasAktiv();
    lista.Start();
}

bool TPeldaParancsok::Torles() {
    auto* f = fo_.Foszelveny();
    if (!f) return false;
    f->Parancs([](TFoszelveny& t) { t.MindTorles(); });
    fo_.ParancsokSzinkron();
    return f->Foszelveny().Szamok().Kijelolve() == 0;
}

void TPeldaParancsok::Tartomany(int huzas) {
    auto& hs = fo_.Adatbazis().HuzSzama();
    auto& t = hs.Tartomanyok();
    t.MindenHuzas(TartomanyFajta::Bontas);
    if (huzas > 2) t.Set(TartomanyFajta::Bontas, {1, huzas - 1});
    hs.Elokeszites(TartomanyFajta::Bontas); // the dialog shows the range it now holds
}

void TPeldaParancsok::Novekvo() {
    fo_.Foszelveny()->Parancs([](TFoszelveny& t) { t.SetSzamsorrend(Szamsorrend::Novekvo); });
    fo_.SzamsorrendKijelzes(Szamsorrend::Novekvo);
}

void TPeldaParancsok::HuzasokAlapjan(int huzas, int elsoOszlop) {
    const auto& db = fo_.Huzasok();
    const int jatek = fo_.Jatek();
    if (!fo_.Foszelveny() || db.Jatek() != jatek || huzas < 1 || huzas > db.HuzasDb()) return;
    const int kezd = elsoOszlop == 10 && jatek == 7 ? 7 : 0;
    if (!Torles()) return;
    // The breakdown window and the list of its rows come next; the draw list would float
    // above them.
    fo_.Adatbazis().Lista().close();
    Tartomany(huzas);
    const auto szamok = db.Szamok(huzas - 1);
    fo_.Foszelveny()->Parancs([&](TFoszelveny& t) {
        for (int i = 0; i < jatek; ++i)
            t.SzamValtas(szamok[static_cast<std::size_t>(kezd + i)], false, false,
                         SzamFajta::Allando);
    });
    Novekvo();
    PeldaBontasok(huzas, PeldaFajta::Huzas);
}

void TPeldaParancsok::VeletlenSzamokkal() {
    if (!Torles()) return;
    Tartomany(0);
    const int jatek = fo_.Jatek();
    fo_.Foszelveny()->Parancs([jatek](TFoszelveny& t) {
        for (int i = 0; i < jatek; ++i) t.EgyVeletlenSzam();
    });
    Novekvo();
    PeldaBontasok(fo_.Tartomanyok().Get(TartomanyFajta::Bontas).Utolso, PeldaFajta::Veletlen);
}

void TPeldaParancsok::SajatSzamokkal() {
    auto* f = fo_.Foszelveny();
    if (!f || !SajatSzamokkalLehet(f->Foszelveny().Szamok())) return;
    // Marking every number throws a finished breakdown away: ask first, as every command
    // that discards one does.
    if (!fo_.FajlParancsok().BontasEldobhato()) return;
    Tartomany(0);
    Novekvo();
    PeldaBontasok(fo_.Tartomanyok().Get(TartomanyFajta::Bontas).Utolso, PeldaFajta::Sajat);
}

void TPeldaParancsok::PeldaBontasok(int huzas, PeldaFajta fajta) {
    auto* f = fo_.Foszelveny();
    const int jatek = fo_.Jatek();
    const auto& jelolt = f->Foszelveny().Szamok().JeloltSzamok();
    if (static_cast<int>(jelolt.size()) < jatek) return;
    const Szamsor sor(jelolt.begin(), jelolt.begin() + jatek);
    const auto h = fo_.VanAdatbazis()
                       ? PeldaTalalatMax(fo_.Huzasok(),
                                         fo_.Tartomanyok().Get(TartomanyFajta::Bontas), sor, huzas)
                       : std::nullopt;
    const auto pelda = PeldaFeltetelek(sor, jatek, h);
    if (!pelda) return;

    // Every number of the game; each mark clears the conditions, so they come after.
    f->Parancs([](TFoszelveny& t) { t.MindKijelol(false); });
    auto& felt = fo_.Feltetelek();
    PeldaFeltetelekMasolasa(pelda->Adatok, felt.Adatok);
    const auto& sz = f->Foszelveny().Szamok();
    OsszegHatarok(felt.Adatok, sz.JeloltSzamok(), sz.ValtozoSzamDb());
    // The conditions window takes them through its own rules and ticks their boxes.
    fo_.BontasParancsai().BetoltottFeltetelek();
    fo_.ParancsokSzinkron();
    fo_.BontasParancsai().Start(Qs(PeldaCim(fajta, huzas)));
}

} // namespace varion::ui
