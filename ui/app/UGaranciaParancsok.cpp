#include "app/UGaranciaParancsok.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

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

namespace {

// What the worker owns: copies of everything it reads, so nothing of the program changes
// under it.
struct GaranciaMunka {
    FeltetelKeszlet Feltetelek;
    JeloltFeladat Feladat;
    std::vector<SorMaszk> Sorok;
    int K = 0, Hibapont = 0;
    GaranciaAllapot Allapot;
    GaranciaEredmeny Eredmeny;
    std::atomic<bool> Kesz{false};
};

} // namespace

void TGaranciaParancsok::Ellenorzes() {
    const TBontas& b = foablak_.Bontas();
    if (!GaranciaEllenorizheto(b) || haladas_) return;
    const Tartomany t = foablak_.Tartomanyok().Get(TartomanyFajta::Bontas);
    auto m = std::make_shared<GaranciaMunka>();
    m->Feltetelek = foablak_.Feltetelek();
    m->Feladat = BontasJeloltjei(b, HuzasNezet(foablak_.Huzasok()), t.Elso, t.Utolso);
    m->Feladat.Feltetelek = &m->Feltetelek;
    m->Sorok = BontasMaszkjai(b);
    m->K = b.SorHossz();
    m->Hibapont = m->Feltetelek.Adatok.Hibapont;
    Szamsor fix;
    if (const auto* fo = foablak_.Foszelveny()) fix = fo->Foszelveny().Szamok().FixSzamok();

    std::thread szal([m] {
        const std::vector<SorMaszk> jeloltek = Jeloltek(m->Feladat, &m->Allapot.Stop);
        if (m->Allapot.Stop.load())
            m->Eredmeny.Megszakitva = true;
        else
            m->Eredmeny =
                GaranciaEllenorzes(m->K, m->Hibapont, jeloltek, m->Sorok, 10, &m->Allapot);
        m->Kesz.store(true);
    });

    QProgressDialog d(&foablak_);
    haladas_ = &d;
    d.setWindowTitle(Qs("  Garancia ellenőrzése"));
    d.setLabelText(Qs("A garancia ellenőrzése folyamatban..."));
    d.setCancelButtonText(QStringLiteral("Stop"));
    d.setAccessibleName(Qs("Garancia ellenőrzése"));
    if (auto* gomb = d.findChild<QPushButton*>()) {
        gomb->setAccessibleName(QStringLiteral("Stop"));
        gomb->setToolTip(Qs(" Az ellenőrzés leállítása. "));
    }
    d.setRange(0, 100);
    d.setAutoClose(false);
    d.setAutoReset(false);
    d.setMinimumDuration(0);
    d.setWindowModality(Qt::ApplicationModal);
    connect(&d, &QProgressDialog::canceled, &d, [m] { m->Allapot.Stop.store(true); });
    QEventLoop hurok;
    QTimer ora;
    connect(&ora, &QTimer::timeout, &hurok, [&] {
        d.setValue(m->Allapot.Szazalek());
        if (m->Kesz.load()) hurok.quit();
    });
    ora.start(50);
    d.show();
    hurok.exec();
    szal.join();
    haladas_ = nullptr;
    d.hide();
    if (m->Eredmeny.Megszakitva) return;
    const std::string szoveg =
        GaranciaSzoveg(m->Eredmeny, b.Jatek(), m->Hibapont, b.BontasSzamok(), fix);
    if (m->Eredmeny.Teljesul())
        u_.Informacio(szoveg);
    else
        u_.Figyelmeztetes(szoveg);
}

} // namespace varion::ui
