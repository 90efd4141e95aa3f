#include "app/UAdatbazisParancsok.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QProgressDialog>

#include "app/UUzenetAblak.h"
#include "app/UUzenetek.h"
#include "base/ProgramVerzio.h"
#include "draws/HuzasImport.h"
#include "draws/HuzasLetoltesHiba.h"
#include "draws/UHuzBe.h"
#include "draws/UHuzKeresSzelveny.h"
#include "draws/UHuzLista.h"
#include "draws/UHuzSzama.h"
#include "draws/UHuzasLetoltes.h"
#include "game/Jatek.h"
#include "game/USzelveny.h"

namespace varion::ui {

UAdatbazisParancsok::UAdatbazisParancsok(QMainWindow* foablak, HuzasAdatbazis& db,
                                         FoablakAllapot& allapot, Beallitasok& beall, Uzenetek& u,
                                         std::filesystem::path programKonyvtar,
                                         std::function<void()> frissites)
    : QObject(foablak), foablak_(foablak), db_(db), allapot_(allapot), beall_(beall), u_(u),
      programKonyvtar_(std::move(programKonyvtar)), frissites_fv_(std::move(frissites)) {
    huzSzama_ = new THuzSzama(foablak, u_);
    db_.TartomanyTulajdonos(&huzSzama_->Tartomanyok());
    huzBe_ = new THuzBe(foablak, db_, u_, beall_.SzelvSzinek, beall_.Szinsema);
    lista_ = new THuzLista(foablak, db_, *huzBe_, u_, beall_.SzelvSzinek, beall_.Szinsema);
    letoltes_ = new THuzasLetoltes(this);
    toast_ = std::make_unique<TUzenetAblak>(foablak);

    connect(lista_, &THuzLista::Valtozott, this, [this] { Allapot(); });
    connect(lista_, &THuzLista::MentesKeres, this, [this] { Mentes(); });
    connect(lista_, &THuzLista::TartomanyKeres, this,
            [this] { Vegrehajt(Parancs::AdbHuzasokSzama); });
    connect(lista_, &THuzLista::KeresesKeres, this,
            [this](std::vector<int> szamok) { KeresesNyitas(szamok); });
    connect(huzSzama_, &THuzSzama::Tarolva, this, [this](TartomanyFajta tag) {
        if (tag == TartomanyFajta::Kereses && kereses_ && lista_->isVisible()) {
            lista_->KeresesKapcsolas(kereses_.get());
            kereses_->Ujraszamlalas();
        }
        if (frissites_fv_) frissites_fv_();
    });

    import_ = new QAction(QStringLiteral("Importálás..."), this);
    import_->setStatusTip(QStringLiteral(" A lottótársaság húzásainak beolvasása állományból. "));
    frissites_ = new QAction(QStringLiteral("Frissítés az internetről"), this);
    frissites_->setStatusTip(
        QStringLiteral(" A lottótársaság közzétett húzásainak letöltése és beolvasása. "));
    connect(import_, &QAction::triggered, this, [this] {
        const QString f =
            QFileDialog::getOpenFileName(foablak_, QStringLiteral("Húzások importálása"), QString(),
                                         QStringLiteral("Húzások (*.csv);;Minden állomány (*)"));
        if (!f.isEmpty()) Importalas(f);
    });
    connect(frissites_, &QAction::triggered, this, &UAdatbazisParancsok::InternetesFrissites);

    connect(letoltes_, &THuzasLetoltes::Halad, this, [this](qint64 megvan, qint64 osszes) {
        if (!folyamat_) return;
        folyamat_->setMaximum(osszes > 0 ? static_cast<int>(osszes) : 0);
        folyamat_->setValue(static_cast<int>(megvan));
    });
    auto vege = [this] {
        if (folyamat_) folyamat_->deleteLater();
        folyamat_ = nullptr;
    };
    connect(letoltes_, &THuzasLetoltes::Kesz, this, [this, vege](const QByteArray& adat) {
        vege();
        ImportSzoveg(adat, true);
    });
    connect(letoltes_, &THuzasLetoltes::Hiba, this, [this, vege](const QString& s) {
        vege();
        u_.HibaUzenet(s.toStdString());
    });
    connect(letoltes_, &THuzasLetoltes::Megszakitva, this, vege);
}

UAdatbazisParancsok::~UAdatbazisParancsok() {
    kereses_.reset();
    toast_.reset();
}

std::filesystem::path UAdatbazisParancsok::Fajl() const {
    return programKonyvtar_ / AdatbazisFajl(db_.Jatek());
}

void UAdatbazisParancsok::Allapot() {
    allapot_.Beallit(Parancs::AdbMentes, db_.AdatbazisModositva, db_.MentesSugo());
    const bool van = allapot_[Menu::Adatbazis].Engedelyezve;
    import_->setEnabled(van);
    frissites_->setEnabled(van);
    if (frissites_fv_) frissites_fv_();
}

bool UAdatbazisParancsok::Vegrehajt(Parancs p) {
    switch (p) {
    case Parancs::AdbListazas:
        lista_->ListaAktiv();
        lista_->Start();
        return true;
    case Parancs::Kereses:
        KeresesNyitas({});
        return true;
    case Parancs::AdbHuzasokSzama:
        huzSzama_->Start(TartomanyFajta::Kereses);
        return true;
    case Parancs::HuzasokSzama:
        huzSzama_->Start(TartomanyFajta::Statisztika);
        return true;
    case Parancs::AdbMentes:
        Mentes();
        return true;
    default:
        return false;
    }
}

bool UAdatbazisParancsok::Mentes() {
    const bool ok = db_.AdatbazisMentese(Fajl(), SajatVerzio(), u_);
    if (ok) lista_->ListaAktiv();
    Allapot();
    return ok;
}

bool UAdatbazisParancsok::HuzTorlesEng() {
    const bool ok = db_.HuzTorlesEng(Fajl(), SajatVerzio(), u_);
    Allapot();
    return ok;
}

void UAdatbazisParancsok::Betoltve() {
    huzBe_->hide();
    lista_->AdatbazisValtozott();
    lista_->ListaAktiv();
    Allapot();
}

void UAdatbazisParancsok::JatekValtasElott() {
    KeresesBezaras();
    huzBe_->hide();
    lista_->hide();
}

void UAdatbazisParancsok::KeresesMegszuntetes() {
    if (!kereses_) return;
    keresesHely_ = kereses_->Szelveny().pos();
    kereses_.reset();
}

void UAdatbazisParancsok::KeresesNyitas(const std::vector<int>& szamok) {
    KeresesMegszuntetes();
    kereses_ = std::make_unique<THuzKeresSzelveny>(foablak_, db_, huzSzama_->Tartomanyok(), *lista_,
                                                   u_, beall_.SzelvSzinek, beall_.Szinsema);
    connect(kereses_.get(), &THuzKeresSzelveny::Bezaras, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { KeresesBezaras(); }, Qt::QueuedConnection);
    });
    connect(kereses_.get(), &THuzKeresSzelveny::UjKereses, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { KeresesNyitas({}); }, Qt::QueuedConnection);
    });
    lista_->KeresesKapcsolas(kereses_.get());
    lista_->KeresAktiv();
    kereses_->Szelveny().move(
        keresesHely_.value_or(foablak_->geometry().topLeft() + QPoint(330, 120)));
    kereses_->Szelveny().show();
    for (int n : szamok) kereses_->Jeloles(n);
    lista_->Start();
    kereses_->Szelveny().raise();
}

void UAdatbazisParancsok::KeresesBezaras() {
    if (!kereses_) return;
    lista_->KeresesKapcsolas(nullptr);
    KeresesMegszuntetes();
}

void UAdatbazisParancsok::Importalas(const QString& fajl) {
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly)) {
        u_.HibaUzenet("Nem sikerült megnyitni az állományt:\r" + fajl.toStdString());
        return;
    }
    ImportSzoveg(f.readAll());
}

void UAdatbazisParancsok::ImportSzoveg(const QByteArray& adat, bool letoltott) {
    toast_->UzenetKi(QStringLiteral("A húzások beolvasása folyamatban..."));
    // The prizes are kept beside the draws, saved at once: they are keyed by week, so no
    // later edit of the draw list can make them wrong. A damaged prize file stays as it is.
    const auto nyFajl = NyeremenyFajl(programKonyvtar_ / AdatbazisFajl(db_.Jatek()));
    auto ny = NyeremenyTar::Betoltes(nyFajl, db_.Jatek());
    const auto n =
        HuzasImport(db_, std::string_view(adat.constData(), static_cast<std::size_t>(adat.size())),
                    ny ? &*ny : nullptr);
    toast_->UzenetVege();
    if (!n) {
        u_.HibaUzenet(letoltott ? LetoltottAllomanyHiba(db_.Jatek(), n.error()) : n.error());
        return;
    }
    if (!ny)
        u_.HibaUzenet(ny.error());
    else if (!ny->Mentes(nyFajl, SajatVerzio()))
        u_.HibaUzenet(NyeremenyIrasHibaSzoveg);
    u_.Informacio(ImportEredmenySzoveg(*n));
    lista_->AdatbazisValtozott();
    lista_->Kijeloles(db_.HuzasDb());
    Allapot();
}

void UAdatbazisParancsok::InternetesFrissites() {
    if (letoltes_->Fut()) return;
    const QUrl cim(QString::fromStdString(
        beall_.HuzasCim[static_cast<std::size_t>(JatekAdat(db_.Jatek()).Jatek - 5)]));
    folyamat_ = new QProgressDialog(QStringLiteral("A húzások letöltése folyamatban..."),
                                    QStringLiteral("Mégse"), 0, 0, foablak_);
    folyamat_->setWindowTitle(QStringLiteral("  Frissítés az internetről"));
    folyamat_->setMinimumDuration(0);
    folyamat_->setAutoClose(false);
    folyamat_->setAutoReset(false);
    connect(folyamat_, &QProgressDialog::canceled, letoltes_, &THuzasLetoltes::Megszakitas);
    folyamat_->show();
    letoltes_->Start(cim, LetoltesIdokorlat);
}

} // namespace varion::ui
