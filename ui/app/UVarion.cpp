#include "app/UVarion.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "app/UAdatbazisParancsok.h"
#include "app/UBeallitasParancsok.h"
#include "app/UBontasParancsok.h"
#include "app/UFajlParancsok.h"
#include "app/UGaranciaParancsok.h"
#include "app/UIkonok.h"
#include "app/UListaParancsok.h"
#include "app/UNevjegy.h"
#include "app/UNyomtatasParancsok.h"
#include "app/UPeldaParancsok.h"
#include "app/USugo.h"
#include "app/UUzenetAblak.h"
#include "app/UUzenetek.h"
#include "app/UVisszatesztParancsok.h"
#include "base/ProgramVerzio.h"
#include "breakdown/UBontMegsz.h"
#include "draws/HuzasStatisztika.h"
#include "draws/UHuzLista.h"
#include "draws/UHuzSzama.h"
#include "files/AllomanyMuvelet.h"
#include "files/FajlNevek.h"
#include "files/SzamsorFajl.h"
#include "game/Jatek.h"
#include "game/UFoszelveny.h"
#include "game/UVelSzam.h"

namespace varion::ui {

namespace fs = std::filesystem;

namespace {

// A hint on one line for the status bar, as a bubble with its line breaks.
QString SorSugo(const std::string& s) {
    QString q = Qs(s);
    q.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return q;
}

constexpr std::array<Parancs, 20> GombSor{Parancs::Megnyitas,         Parancs::Visszatoltes,
                                          Parancs::MentesMaskent,     Parancs::Beallitasok,
                                          Parancs::VeletlenSzamok,    Parancs::MindenSzam,
                                          Parancs::UjFoszelveny,      Parancs::Zarol,
                                          Parancs::FeltKijeloles,     Parancs::Start,
                                          Parancs::Informaciok,       Parancs::Ellenorzes,
                                          Parancs::Modositas,         Parancs::BontListazas,
                                          Parancs::AdbListazas,       Parancs::Kereses,
                                          Parancs::Temakorok,         Parancs::LottohuzasokAlapjan,
                                          Parancs::VeletlenSzamokkal, Parancs::SajatSzamokkal};

// The toolbar groups end after these.
bool CsoportVege(Parancs p) {
    return p == Parancs::Beallitasok || p == Parancs::Zarol || p == Parancs::BontListazas ||
           p == Parancs::Kereses || p == Parancs::Temakorok;
}

} // namespace

TFoablak::TFoablak(fs::path programKonyvtar, Uzenetek& u, InditasPlatform& platform,
                   Veletlen& veletlen, QWidget* szulo)
    : QMainWindow(szulo), programKonyvtar_(std::move(programKonyvtar)), u_(u), platform_(platform),
      veletlen_(veletlen) {
    setWindowTitle(Qs(JatekAdat(beall_.Jatek).FoablakFelirat));
    resize(1024, 720);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(171, 171, 171));
    setPalette(p);
    MenukEpitese();
    new TGaranciaParancsok(*this, *MenuObj(Menu::Bontas), u_);
    statusBar()->setSizeGripEnabled(false);
    // The toast first, then the breakdown window and the conditions window.
    uzenetAblak_ = new TUzenetAblak(this);
    bontasParancsok_ = new BontasParancsok(*this, u_, *uzenetAblak_);
    velSzam_ = new TVelSzam(this, u_);
    listaParancsok_ = new TListaParancsok(*this, u_);
    {
        auto* v = new TVisszatesztParancsok(*this, *MenuObj(Menu::Bontas), u_);
        listaParancsok_->Lista().EszkozGomb(v->Akcio());
    }
    nyomtatas_ = new TNyomtatasParancsok(*this, u_);
    bontasParancsok_->Lista = [this] { listaParancsok_->BontListaStart(); };
    bontasParancsok_->Ellenorzes = [this] { listaParancsok_->BEStart(); };
    adb_ = new UAdatbazisParancsok(this, huzasDb_, allapot_, beall_, u_, programKonyvtar_, [this] {
        if (foszelveny_) foszelveny_->Megjelenites();
        ParancsokSzinkron();
    });
    // The list's print button is the menu's "Nyomtatás..." (same guard, same report).
    connect(&adb_->Lista(), &THuzLista::NyomtatasKeres, this,
            [this] { Vegrehajt(Parancs::AdbNyomtatas); });
    QMenu* adatbazis = MenuObj(Menu::Adatbazis);
    adatbazis->insertSeparator(Akcio(Parancs::AdbNyomtatas));
    adatbazis->insertAction(Akcio(Parancs::AdbNyomtatas), adb_->ImportAkcio());
    adatbazis->insertAction(Akcio(Parancs::AdbNyomtatas), adb_->FrissitesAkcio());
    // The hit-ratio condition's draws are the breakdown range of the range dialog.
    bontasParancsok_->HuzasTartomanyKeres = [this]() -> std::optional<Tartomany> {
        if (!adb_->HuzSzama().Start(TartomanyFajta::Bontas)) return std::nullopt;
        return Tartomanyok().Get(TartomanyFajta::Bontas);
    };
    fajlParancsok_ = new TFajlParancsok(*this, u_);
    fajlParancsok_->FeltetelekMutatasa = [this] { bontasParancsok_->BetoltottFeltetelek(); };
    bontasParancsok_->Mentes = [this] { fajlParancsok_->BontasMentese(); };
    new TBeallitasParancsok(*this, u_);
    pelda_ = new TPeldaParancsok(*this, u_);
    nevjegy_ = new TNevjegy(this);
    // Every path that deletes or replaces the breakdown (the conditions cleared, a new run,
    // a loaded file, "Törlés", a change of the ticket) goes through the engine: the windows
    // that show its rows let go of them there, before the rows are freed.
    bontas_.SetElengedes([this] { BontasElengedese(); });
    qApp->installEventFilter(this);
}

HuzasTartomanyok& TFoablak::Tartomanyok() {
    return adb_->HuzSzama().Tartomanyok();
}

TFoablak::~TFoablak() {
    bontas_.SetElengedes({});
    qApp->removeEventFilter(this);
    delete bontasParancsok_;
    bontasParancsok_ = nullptr;
    delete uzenetAblak_;
    foszelveny_.reset();
}

int TFoablak::MaxSzam() const {
    return MaxSzamJatek(beall_.Jatek);
}

fs::path TFoablak::JatekKonyvtar() const {
    return varion::JatekKonyvtar(programKonyvtar_, beall_.Jatek);
}

void TFoablak::MenukEpitese() {
    for (Menu m : {Menu::Fajl, Menu::Szamsor, Menu::Foszelveny, Menu::Feltetelek, Menu::Bontas,
                   Menu::Adatbazis, Menu::Peldabontas, Menu::Sugo})
        menuk_[static_cast<std::size_t>(m)] = menuBar()->addMenu(Qs(MenuAdat(m).Felirat));
    std::array<QActionGroup*, MenuDb> csoportok{};
    for (const auto& l : ParancsTabla()) {
        const auto mi = static_cast<std::size_t>(l.Helye);
        if (!menuk_[mi]) {
            QMenu* szulo = menuk_[static_cast<std::size_t>(MenuAdat(l.Helye).Szulo)];
            menuk_[mi] = szulo->addMenu(Qs(MenuAdat(l.Helye).Felirat));
        }
        QMenu* menu = menuk_[mi];
        if (l.Azonosito == Parancs::Kilepes || l.Azonosito == Parancs::HuzasokSzama ||
            l.Azonosito == Parancs::NormalAlak || l.Azonosito == Parancs::Zarol ||
            l.Azonosito == Parancs::BontTorles || l.Azonosito == Parancs::Beallitasok ||
            l.Azonosito == Parancs::Nevjegy || l.Azonosito == Parancs::SzamsorMentes)
            menu->addSeparator();
        auto* a = menu->addAction(Qs(l.Felirat));
        if (!l.Gyorsbillentyu.empty()) a->setShortcut(QKeySequence(Qs(l.Gyorsbillentyu)));
        if (l.Radio) {
            a->setCheckable(true);
            if (!csoportok[mi]) csoportok[mi] = new QActionGroup(this);
            csoportok[mi]->addAction(a);
        }
        const Parancs p = l.Azonosito;
        connect(a, &QAction::triggered, this, [this, p] { Vegrehajt(p); });
        akciok_[static_cast<std::size_t>(p)] = a;
    }
    // The game submenu first in "Fájl", then the file commands.
    eszkoztar_ = addToolBar(QStringLiteral("Eszköztár"));
    eszkoztar_->setMovable(false);
    eszkoztar_->setIconSize(QSize(24, 24));
    for (Parancs p : GombSor) {
        eszkoztar_->addAction(Akcio(p));
        if (CsoportVege(p)) eszkoztar_->addSeparator();
    }
    eszkoztar_->setMouseTracking(true); // the application-wide filter reads its moves
    ParancsokSzinkron();
}

bool TFoablak::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::ToolTip && !beall_.HintStatus) return true; // bubbles switched off
    // A disabled button gets no mouse events; the toolbar tells why it is disabled.
    if (o == eszkoztar_ && (e->type() == QEvent::MouseMove || e->type() == QEvent::ToolTip)) {
        const QPoint hol = e->type() == QEvent::MouseMove
                               ? static_cast<QMouseEvent*>(e)->position().toPoint()
                               : static_cast<QHelpEvent*>(e)->pos();
        QAction* a = eszkoztar_->actionAt(hol);
        if (a && !a->isEnabled()) {
            statusBar()->showMessage(a->statusTip());
            if (e->type() == QEvent::ToolTip)
                QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), a->toolTip(),
                                   eszkoztar_, {}, 20000);
            return e->type() == QEvent::ToolTip;
        }
    }
    if (o == eszkoztar_->widgetForAction(Akcio(Parancs::Temakorok)) &&
        (e->type() == QEvent::Enter || e->type() == QEvent::Leave)) {
        sugoKiemelt_ = e->type() == QEvent::Enter;
        Akcio(Parancs::Temakorok)->setIcon(KepIkon(sugoKiemelt_ ? Kep::SugoKiemelt : Kep::Sugo));
    }
    return QMainWindow::eventFilter(o, e);
}

void TFoablak::ParancsokSzinkron() {
    for (const auto& l : ParancsTabla()) {
        const auto& a = allapot_[l.Azonosito];
        QAction* q = Akcio(l.Azonosito);
        q->setText(Qs(a.Felirat));
        q->setStatusTip(SorSugo(a.Sugo));
        q->setToolTip(Qs(SortoresekCsereje(a.Sugo)).trimmed());
        Kep kep = a.Kepe;
        if (l.Azonosito == Parancs::Temakorok && sugoKiemelt_) kep = Kep::SugoKiemelt;
        q->setIcon(KepIkon(kep));
        q->setIconVisibleInMenu(false);
        q->setVisible(a.Lathato);
        if (q->isCheckable()) q->setChecked(a.Bejelolve);
        q->setEnabled(allapot_.Hasznalhato(l.Azonosito));
    }
    for (std::size_t i = 0; i < MenuDb; ++i) {
        if (!menuk_[i]) continue;
        const auto& m = allapot_[static_cast<Menu>(i)];
        menuk_[i]->menuAction()->setEnabled(m.Engedelyezve);
        menuk_[i]->menuAction()->setStatusTip(SorSugo(m.Sugo));
    }
    // The open breakdown list's tool buttons follow the commands they run.
    if (listaParancsok_) listaParancsok_->ParancsokSzinkron();
}

void TFoablak::Vegrehajt(Parancs p) {
    if (!allapot_.Hasznalhato(p)) return; // a shortcut of a disabled command does nothing
    auto* f = foszelveny_.get();
    const auto ticket = [f](auto&& muvelet) {
        if (f) f->Parancs(muvelet);
    };
    switch (p) {
    case Parancs::Otoslotto:
        JatekValtas(5);
        break;
    case Parancs::Hatoslotto:
        JatekValtas(6);
        break;
    case Parancs::Skandinav:
        JatekValtas(7);
        break;
    case Parancs::Kilepes:
        close();
        break;
    case Parancs::KijelolesMind:
        ticket([](TFoszelveny& t) { t.MindKijelol(); });
        break;
    case Parancs::VeletlenSzam:
        ticket([this](TFoszelveny& t) {
            if (BontasEldobhato()) t.EgyVeletlenSzam();
        });
        break;
    case Parancs::VeletlenSzamok:
        if (f && MaxSzam() - f->Foszelveny().Szamok().Kijelolve() > 2)
            velSzam_->Start(*f, [this] { return BontasEldobhato(); });
        break;
    case Parancs::SorrendValtozatlan:
    case Parancs::SorrendNovekvo:
    case Parancs::SorrendCsokkeno:
    case Parancs::SorrendVeletlen: {
        const auto mod = static_cast<Szamsorrend>(static_cast<int>(p) -
                                                  static_cast<int>(Parancs::SorrendValtozatlan));
        ticket([&](TFoszelveny& t) {
            if (t.SetSzamsorrend(mod)) SzamsorrendKijelzes(mod);
        });
        break;
    }
    case Parancs::Megnyitas:
        fajlParancsok_->Megnyitas();
        break;
    case Parancs::Visszatoltes:
        fajlParancsok_->Visszatoltes();
        break;
    case Parancs::MentesMaskent:
        fajlParancsok_->Mentes(MentesTipus::Nincs);
        break;
    case Parancs::SzamsorMentes:
        fajlParancsok_->Mentes(MentesTipus::Tip);
        break;
    case Parancs::BontMentes:
        fajlParancsok_->BontasMentese();
        break;
    case Parancs::MindenSzam:
        ticket([](TFoszelveny& t) { t.MindTorles(); });
        break;
    case Parancs::BontasSzamai:
        ticket([](TFoszelveny& t) { t.BontasSzamaiTorles(); });
        break;
    case Parancs::FixSzamok:
        ticket([](TFoszelveny& t) { t.FixTorles(); });
        break;
    case Parancs::AllandoSzamok:
        ticket([](TFoszelveny& t) { t.AllandoTorles(); });
        break;
    case Parancs::VeletlenSzamokTorles:
        ticket([](TFoszelveny& t) { t.VeletlenTorles(); });
        break;
    case Parancs::UjFoszelveny:
        ticket([](TFoszelveny& t) { t.UjFoszelveny(); });
        break;
    case Parancs::NormalAlak:
        ticket([](TFoszelveny& t) { t.Nezet(NezetMod::Normal); });
        break;
    case Parancs::HanyszorHuztak:
        ticket([](TFoszelveny& t) { t.Nezet(NezetMod::Hanyszor); });
        break;
    case Parancs::HanyHuzasOta:
        ticket([](TFoszelveny& t) { t.Nezet(NezetMod::HanyHuzasOta); });
        break;
    case Parancs::SzamokSorrendje:
        ticket([](TFoszelveny& t) { t.Nezet(NezetMod::Sorrend); });
        break;
    case Parancs::Zarol:
        ticket([](TFoszelveny& t) {
            if (t.Zarolt())
                t.Feloldas();
            else
                t.Zarolas();
        });
        break;
    case Parancs::FeltKijeloles:
        bontasParancsok_->FeltKijeloles();
        break;
    case Parancs::FeltTorles:
        bontasParancsok_->FeltTorles();
        break;
    case Parancs::Start:
        bontasParancsok_->Start();
        break;
    case Parancs::Modositas:
        bontasParancsok_->Modositas();
        break;
    case Parancs::BontTorles:
        bontasParancsok_->BontTorles();
        break;
    case Parancs::Temakorok:
        if (sugoAblak_) sugoAblak_->Tartalom();
        break;
    case Parancs::Nevjegy:
        nevjegy_->Start(QDate::currentDate().year());
        break;
    default:
        if (nyomtatas_->Vegrehajt(p)) break;
        if (pelda_->Vegrehajt(p)) break;
        if (adb_->Vegrehajt(p)) break;
        break; // the windows of these commands come later
    }
    ParancsokSzinkron();
}

bool TFoablak::Inditas(const QStringList& argumentumok) {
    // Remembered with its folder: the program works in its own folder from here on.
    if (!argumentumok.isEmpty()) betoltendo_ = QFileInfo(argumentumok.first()).absoluteFilePath();
    beall_.SzelvFormatum = true;
    SzelvIniAlap(beall_);
    const InditasEredmeny e = InditasiEllenorzesek(programKonyvtar_, platform_, u_);
    if (!e.Folytat) return false;
    vanSugo_ = e.VanSugo;
    if (vanSugo_) {
        if (auto s = varion::Sugo::Betoltes(SugoFajl(programKonyvtar_),
                                            SugoTartalomFajl(programKonyvtar_)))
            sugoAblak_ = new TSugoAblak(this, std::move(*s));
        else
            vanSugo_ = false;
    }
    if (!vanSugo_) {
        allapot_.Beallit(Parancs::Temakorok, false, HianyzoSugoTipp);
    }
    backupEngedve_ = true;
    std::error_code ec;
    InditasiBeallitasok(programKonyvtar_, beall_, u_);
    u_.Jovahagyas = beall_.Jovahagyas;
    u_.Inform = beall_.Inform;
    VarionIni();
    // Only now is the game known whose last breakdown could be reloaded.
    const bool vanBack = fs::exists(programKonyvtar_ / BackNev(beall_.Jatek), ec);
    allapot_.Beallit(Parancs::Visszatoltes, vanBack,
                     vanBack ? " Az előző bontás számsorának és feltételeinek visszatöltése. "
                             : " Nincs visszatöltésre alkalmas állomány. ");
    FoszelvenyEpitese();
    AdatbazisBetoltes();
    ParancsokSzinkron();
    return true;
}

void TFoablak::VarionIni() {
    if (!betoltendo_.isEmpty() && !parancssorOlvasva_) {
        // The file named on the command line decides the game it is loaded into.
        parancssorOlvasva_ = true;
        if (const auto j = AllomanyJateka(betoltendo_.toStdString())) {
            beall_.Jatek = *j;
            beall_.Szamsorrend = 0;
            allapot_.Kijelol(Parancs::SorrendValtozatlan);
        }
    }
    const auto& j = JatekAdat(beall_.Jatek);
    setWindowTitle(Qs(j.FoablakFelirat));
    std::error_code ec;
    fs::create_directories(JatekKonyvtar(), ec);
    QDir::setCurrent(QString::fromStdString(programKonyvtar_.string()));
    allapot_.Kijelol(beall_.Jatek == 5   ? Parancs::Otoslotto
                     : beall_.Jatek == 6 ? Parancs::Hatoslotto
                                         : Parancs::Skandinav);
    allapot_.SajatSzamokSugo(beall_.Jatek);
    ParancsokSzinkron();
}

void TFoablak::FoszelvenyEpitese() {
    foszelveny_.reset();
    allapot_.Kijelol(Parancs::NormalAlak);
    foszelveny_ = std::make_unique<TFoszelvenyAblak>(this, beall_.Jatek, *this, u_, veletlen_,
                                                     allapot_, beall_.SzelvSzinek, beall_.Szinsema);
    foszelveny_->Foszelveny().Szamok().SzamsorrendKijelzes(
        static_cast<Szamsorrend>(beall_.Szamsorrend));
    SzamsorrendKijelzes(static_cast<Szamsorrend>(beall_.Szamsorrend));
    foszelveny_->Szelveny().MiEzLathato = vanSugo_;
    if (bontasParancsok_) bontasParancsok_->UjFoszelveny();
    foszelveny_->SetShowHint(beall_.HintStatus);
    connect(foszelveny_.get(), &TFoszelvenyAblak::Valtozott, this, &TFoablak::ParancsokSzinkron);
    connect(foszelveny_.get(), &TFoszelvenyAblak::Sugo, this,
            [this](const QString& s) { statusBar()->showMessage(s); });
    connect(foszelveny_.get(), &TFoszelvenyAblak::MiEz, this, [this](int tema) {
        if (sugoAblak_) sugoAblak_->Kontextus(tema);
    });
    foszelveny_->Szelveny().move(geometry().topLeft() + QPoint(15, 100));
    // A tool window learns whose it is when its native window is made and mapped: shown before
    // the main window, it floats free and window managers such as openbox bury it under the
    // maximised main window. Until the main window is shown and mapped, showEvent waits.
    if (isVisible()) foszelveny_->Szelveny().show();
}

void TFoablak::AdatbazisBetoltes() {
    // The loader names a missing or damaged file itself.
    const auto e =
        huzasDb_.HuzasokBe(programKonyvtar_ / AdatbazisFajl(beall_.Jatek), beall_.Jatek, u_);
    vanAdatbazis_ = e == BetoltesEredmeny::Rendben;
    if (vanAdatbazis_)
        allapot_.VanAdatbazisAction();
    else
        allapot_.NincsAdatbazisAction();
    adb_->Betoltve();
}

void TFoablak::JatekValtas(int jatek) {
    if (jatek == beall_.Jatek || !ErvenyesJatek(jatek)) return;
    if (foszelveny_ && !foszelveny_->Foszelveny().TorlesJovahagyas()) return;
    // Unsaved draws first: when their save fails the game stays and so do they.
    if (!adb_->HuzTorlesEng()) return;
    FeltetelekTorlese();
    beall_.Jatek = jatek;
    VarionIni();
    adb_->JatekValtasElott();
    vanAdatbazis_ = false;
    FoszelvenyEpitese();
    AdatbazisBetoltes();
    if (foszelveny_) foszelveny_->Parancs([](TFoszelveny& t) { t.Nezet(NezetMod::Normal); });
    ParancsokSzinkron();
}

void TFoablak::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // The show event comes before the main window is mapped: the ticket follows once it is.
    if (!e->spontaneous())
        QTimer::singleShot(0, this, [this] {
            if (foszelveny_ && isVisible()) foszelveny_->Szelveny().show();
        });
}

void TFoablak::closeEvent(QCloseEvent* e) {
    if (!u_.JovahagyasKeres(KilepesKerdes)) {
        e->ignore();
        return;
    }
    if (!fajlParancsok_->KilepesElottiMentes()) {
        e->ignore();
        return;
    }
    // A failed save of the draws keeps the program open with them.
    if (!adb_->HuzTorlesEng()) {
        e->ignore();
        return;
    }
    if (beall_.BeallitasokMentese)
        BeallitasIras(programKonyvtar_ / std::string(BeallitasFajlNev), beall_,
                      JatekKonyvtar().string(), u_);
    FeltetelekTorlese();
    // The floating windows go with the main window. A ticket refuses to be closed, and a
    // visible one would keep the application from quitting once the main window is gone.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->hide();
    e->accept();
}

void TFoablak::BontasElengedese() {
    if (listaParancsok_) listaParancsok_->BontasTorolve();
    if (nyomtatas_) nyomtatas_->BontasTorolve();
}

void TFoablak::FeltetelekTorlese() {
    BackMentese();
    varion::FeltetelekTorlese(feltetelek_, bontas_);
    allapot_.BontMenuAll(allapot_[Menu::Bontas].Engedelyezve, VanKeszBontas());
    if (bontasParancsok_) bontasParancsok_->FeltetelekTorolve();
}

bool TFoablak::BontasEldobhato() {
    return fajlParancsok_->BontasEldobhato();
}

void TFoablak::BackMentese() {
    fajlParancsok_->BackMentese();
}

void TFoablak::Betoltes() {
    fajlParancsok_->Betoltes(betoltendo_);
}

void TFoablak::SzamsorrendKijelzes(Szamsorrend mod) {
    beall_.Szamsorrend = static_cast<int>(mod);
    allapot_.Kijelol(static_cast<Parancs>(static_cast<int>(Parancs::SorrendValtozatlan) +
                                          static_cast<int>(mod)));
}

void TFoablak::VisszatoltesAjanlasa() {
    if (!allapot_[Parancs::Visszatoltes].Engedelyezve)
        allapot_.Beallit(Parancs::Visszatoltes, true,
                         " Az előző bontás számsorának és feltételeinek visszatöltése. ");
}

std::optional<std::vector<int>> TFoablak::HuzasStatisztika(NezetMod m) {
    if (!vanAdatbazis_ || huzasDb_.Ures()) return std::nullopt;
    const auto ertekek =
        m == NezetMod::Hanyszor
            ? HanyszorHuztak(huzasDb_, Tartomanyok().Get(TartomanyFajta::Statisztika))
            : HanyHuzasOta(huzasDb_, Tartomanyok().Get(TartomanyFajta::Statisztika));
    return std::vector<int>(ertekek.begin(), ertekek.end());
}

} // namespace varion::ui
