#include "app/UGaranciaParancsok.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "app/UUzenetek.h"
#include "app/UVarion.h"
#include "breakdown/OptimalisBontas.h"
#include "files/BontasAtadas.h"
#include "game/UFoszelveny.h"

namespace varion::ui {

TGaranciaParancsok::TGaranciaParancsok(TFoablak& foablak, QMenu& bontasMenu, Uzenetek& u)
    : QObject(&foablak), foablak_(foablak), u_(u) {
    akcio_ = bontasMenu.addAction(Qs(GaranciaFelirat));
    akcio_->setObjectName(QStringLiteral("GaranciaEllenorzes"));
    akcio_->setStatusTip(
        Qs("A bontás ellenőrzése: minden feltételeknek megfelelő változatra elérik-e a "
           "tárolt szelvények a hibapontok szerinti találatot."));
    connect(akcio_, &QAction::triggered, this, &TGaranciaParancsok::Ellenorzes);
    connect(&bontasMenu, &QMenu::aboutToShow, this, &TGaranciaParancsok::Frissites);
    Frissites();
}

void TGaranciaParancsok::Frissites() {
    akcio_->setEnabled(GaranciaEllenorizheto(foablak_.Bontas()));
}

void TGaranciaParancsok::Ellenorzes() {
    const TBontas& b = foablak_.Bontas();
    if (!GaranciaEllenorizheto(b)) return;
    const FeltetelKeszlet& f = foablak_.Feltetelek();
    const Tartomany t = foablak_.Tartomanyok().Get(TartomanyFajta::Bontas);
    JeloltFeladat jf = BontasJeloltjei(b, HuzasNezet(foablak_.Huzasok()), t.Elso, t.Utolso);
    jf.Feltetelek = &f;
    const int e = f.Adatok.Hibapont;
    Szamsor fix;
    if (const auto* fo = foablak_.Foszelveny()) fix = fo->Foszelveny().Szamok().FixSzamok();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const GaranciaEredmeny g = BontasGaranciaja(b, jf, e);
    QApplication::restoreOverrideCursor();
    const std::string szoveg = GaranciaSzoveg(g, b.Jatek(), e, b.BontasSzamok(), fix);
    if (g.Teljesul())
        u_.Informacio(szoveg);
    else
        u_.Figyelmeztetes(szoveg);
}

} // namespace varion::ui
