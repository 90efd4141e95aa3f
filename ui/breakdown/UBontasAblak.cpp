#include "breakdown/UBontasAblak.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "breakdown/UBontMegsz.h"

namespace varion::ui {

namespace {

struct DobozLeiras {
    const char* Felirat;
    std::uint8_t FeltetelAdatok::*Be;
};

// The boxes in the window's order, two columns.
constexpr std::array<DobozLeiras, 11> Dobozok{{
    {"Favorizált számok", &FeltetelAdatok::FavBe},
    {"Mobil számcsoportok", &FeltetelAdatok::MobBe},
    {"Fix számcsoportok", &FeltetelAdatok::FixBe},
    {"Páros-páratlan számcsoport", &FeltetelAdatok::SzcsParosBe},
    {"Számcsoport ismétlődés", &FeltetelAdatok::SzcsIsmetBe},
    {"Páros-páratlan számvégződés", &FeltetelAdatok::SzvParosBe},
    {"Számvégződés ismétlődés", &FeltetelAdatok::SzvIsmetBe},
    {"Számsor összege", &FeltetelAdatok::EsemOsszegBe},
    {"Ikerszám", &FeltetelAdatok::IkerszamBe},
    {"Tükörszám", &FeltetelAdatok::TukorszamBe},
    {"Találalti arányok", &FeltetelAdatok::TalArBe},
}};

constexpr const char* NincsMegSugo[5] = {
    "", " Az ellenőrzés ablaka ebben a változatban még nem érhető el. ",
    " A bontás listájának ablaka ebben a változatban még nem érhető el. ",
    " A bontás mentése ebben a változatban még nem érhető el. ", ""};

void Szin(QWidget* w, QColor c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

} // namespace

TBontasAblak::TBontasAblak(TBontas& bontas, QWidget* foablak)
    : QDialog(foablak), bontas_(bontas), foablak_(foablak), hid_(this) {
    setWindowModality(Qt::ApplicationModal);
    auto* fo = new QVBoxLayout(this);
    panel4_ = new QLabel;
    panel4_->setAlignment(Qt::AlignCenter);
    panel4_->setAutoFillBackground(true);
    panel4_->setMinimumHeight(28);
    QPalette pp = panel4_->palette();
    pp.setColor(QPalette::Window, QColor(0, 160, 80));
    pp.setColor(QPalette::WindowText, QColor(0, 0, 66));
    panel4_->setPalette(pp);
    QFont bf = panel4_->font();
    bf.setBold(true);
    panel4_->setFont(bf);
    fo->addWidget(panel4_);

    auto* racs = new QGridLayout;
    for (std::size_t i = 0; i < Dobozok.size(); ++i) {
        auto* d = new QCheckBox(QString::fromUtf8(Dobozok[i].Felirat));
        d->setEnabled(false);
        dobozok_[i] = d;
        racs->addWidget(d, static_cast<int>(i % 6), static_cast<int>(i / 6) * 2);
    }
    radio1_ = new QRadioButton;
    radio1_->setEnabled(false);
    radio1_->setChecked(true);
    racs->addWidget(radio1_, 5, 3);
    fo->addLayout(racs);

    szelvSzam_ = new QLabel;
    Szin(szelvSzam_, QColor(0, 0, 66));
    QFont nf = szelvSzam_->font();
    nf.setBold(true);
    szelvSzam_->setFont(nf);
    koltseg_ = new QLabel;
    ido_ = new QLabel;
    label4_ = new QLabel;
    folyamat_ = new QProgressBar;
    folyamat_->setRange(0, 100);
    folyamat_->setTextVisible(false);
    label1_ = new QLabel(QStringLiteral("A bontás tömbjének kiterjesztése."));
    Szin(label1_, QColor(0, 100, 100));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(nf);
    label1_->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{szelvSzam_, koltseg_, ido_, label4_, folyamat_, label1_})
        fo->addWidget(w);

    gombok_ = new QWidget;
    auto* gs = new QHBoxLayout(gombok_);
    gs->setContentsMargins(0, 6, 0, 0);
    stop_ = new QPushButton(QStringLiteral("Stop"));
    kilepes_ = new QPushButton(QStringLiteral("Háttérben"));
    lista_ = new QPushButton(QStringLiteral("Lista"));
    ellenorzes_ = new QPushButton(QStringLiteral("Ellenőrzés"));
    mentes_ = new QPushButton(QStringLiteral("Mentés"));
    modosit_ = new QPushButton(QStringLiteral("Módosítás"));
    for (auto* g : {stop_, kilepes_, lista_, ellenorzes_, mentes_, modosit_}) {
        g->setAutoDefault(false);
        g->setMinimumWidth(84);
        gs->addWidget(g);
    }
    fo->addWidget(gombok_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(560);

    connect(stop_, &QPushButton::clicked, this, &TBontasAblak::StopGombClick);
    connect(kilepes_, &QPushButton::clicked, this, &TBontasAblak::KilepesGombClick);
    connect(ellenorzes_, &QPushButton::clicked, this,
            [this] { MuveletGomb(BontasMuvelet::Ellenorzes); });
    connect(lista_, &QPushButton::clicked, this, [this] { MuveletGomb(BontasMuvelet::Lista); });
    connect(mentes_, &QPushButton::clicked, this, [this] { MuveletGomb(BontasMuvelet::Mentes); });
    connect(modosit_, &QPushButton::clicked, this,
            [this] { MuveletGomb(BontasMuvelet::Modositas); });

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &TBontasAblak::Timer1Timer);

    // Queued: the engine calls these on its worker.
    connect(
        &hid_, &BontasEsemenyHid::KerdesElott, this, [this] { gombok_->setEnabled(false); },
        Qt::QueuedConnection);
    connect(
        &hid_, &BontasEsemenyHid::Kezdodik, this, [this] { Bovites(true); }, Qt::QueuedConnection);
    connect(
        &hid_, &BontasEsemenyHid::Vege, this, [this] { Bovites(false); }, Qt::QueuedConnection);
    connect(
        &hid_, &BontasEsemenyHid::MemoriaHiba, this,
        [this] {
            stop_->setEnabled(false);
            kilepes_->setEnabled(false);
        },
        Qt::QueuedConnection);
    connect(&hid_, &BontasEsemenyHid::Befejezodott, this, &TBontasAblak::Vege,
            Qt::QueuedConnection);
    connect(&hid_, &BontasEsemenyHid::Kilepett, this, &TBontasAblak::SzalKilepett,
            Qt::QueuedConnection);
}

TBontasAblak::~TBontasAblak() {
    bontas_.Stop();
    bontas_.Megvar();
    bontas_.SetEsemenyek(nullptr);
}

QPushButton* TBontasAblak::Gomb(BontasMuvelet m) const {
    switch (m) {
    case BontasMuvelet::Ellenorzes:
        return ellenorzes_;
    case BontasMuvelet::Lista:
        return lista_;
    case BontasMuvelet::Mentes:
        return mentes_;
    case BontasMuvelet::Modositas:
        return modosit_;
    default:
        return nullptr;
    }
}

void TBontasAblak::Bekotes(BontasMuvelet m, bool van) {
    bekotve_[static_cast<std::size_t>(m)] = van;
}

void TBontasAblak::Elokeszites(const FeltetelAdatok& a, bool feltetelJelzo) {
    // The title uses the error points the engine applies, not the record's.
    panel4_->setText(Qs(BontasCim(bontas_.JeloltDb(), bontas_.Hibapont(), bontas_.SorHossz())));
    for (std::size_t i = 0; i < Dobozok.size(); ++i)
        dobozok_[i]->setChecked(feltetelJelzo && a.*(Dobozok[i].Be));
    radio1_->setVisible(dobozok_[10]->isChecked());
    radio1_->setText(a.TalArHuzasok ? QStringLiteral("húzások alapján")
                                    : QStringLiteral("bontás alapján"));
    szelvSzam_->setText(QStringLiteral("0 db szelvény szükséges a játékhoz."));
    koltseg_->setText(QStringLiteral("Bontás költsége: 0 Forint."));
    ido_->setText(Qs(IdoCimkeSzoveg(std::chrono::milliseconds{0})));
    label4_->setText(QStringLiteral("Bontás folyamata: 0 %"));
    folyamat_->setValue(0);
    folyamat_->show();
    label1_->hide();
    stop_->setEnabled(true);
    kilepes_->setEnabled(true);
    kilepes_->setText(QStringLiteral("Háttérben"));
    kilepes_->setToolTip(QStringLiteral(" A Varion program a háttérben fut. "));
    for (auto m : {BontasMuvelet::Ellenorzes, BontasMuvelet::Lista, BontasMuvelet::Mentes,
                   BontasMuvelet::Modositas}) {
        Gomb(m)->setEnabled(false);
        Gomb(m)->setToolTip(QString::fromUtf8(NincsMegSugo[static_cast<int>(m)]));
    }
    gombok_->setEnabled(true);
    muvelet_ = BontasMuvelet::Nincs;
    if (windowTitle().isEmpty()) setWindowTitle(QStringLiteral("  Bontás készítése"));
}

int TBontasAblak::Inditas(double jegyAr, bool euro) {
    jegyAr_ = jegyAr;
    euro_ = euro;
    fut_ = true;
    bezarasKert_ = false;
    bontas_.SetEsemenyek(&hid_);
    if (foablak_) foablakCim_ = foablak_->windowTitle();
    timer_->start(1000);
    bontas_.SzalInditas();
    return exec();
}

void TBontasAblak::ArValtozas(double jegyAr, bool euro) {
    jegyAr_ = jegyAr;
    euro_ = euro;
    if (!fut_ && bontas_.GetBontStatus() != 0 && bontas_.GetTaroltNyerSzelv() > 0)
        koltseg_->setText(Qs(KoltsegSzoveg(bontas_.GetTaroltNyerSzelv(), jegyAr_, euro_)));
}

void TBontasAblak::Timer1Timer() {
    if (!bontas_.TickKezdes()) return;
    const BontasHaladas h = bontas_.Haladas();
    if (const auto k = HaladasSzamitas(h, jegyAr_, euro_, isActiveWindow()); k.Frissul) {
        ido_->setText(Qs(k.IdoCimke));
        szelvSzam_->setText(Qs(k.SzelvSzamCimke));
        koltseg_->setText(Qs(k.KoltsegCimke));
        folyamat_->setValue(k.Szazalek);
        // The progress shows on the taskbar in the main window's title; the application's
        // display name would be appended to every window's title, message boxes included.
        if (foablak_)
            foablak_->setWindowTitle(isActiveWindow() ? foablakCim_ : Qs(k.AlkalmazasCim));
        label4_->setText(Qs(k.FolyamatCimke));
    }
    bontas_.TickVege();
}

void TBontasAblak::Bovites(bool kezdodik) {
    if (kezdodik) {
        stop_->setEnabled(false);
        kilepes_->setEnabled(false);
        folyamat_->hide();
        label1_->show();
        if (!varakozoKurzor_) QApplication::setOverrideCursor(Qt::WaitCursor);
        varakozoKurzor_ = true;
        return;
    }
    if (varakozoKurzor_) QApplication::restoreOverrideCursor();
    varakozoKurzor_ = false;
    label1_->hide();
    folyamat_->show();
    const bool megy = fut_ && bontas_.GetBontStatus() == 1;
    stop_->setEnabled(megy);
    kilepes_->setEnabled(true);
    gombok_->setEnabled(true);
}

void TBontasAblak::Vege(bool befejezett) {
    timer_->stop();
    if (varakozoKurzor_) Bovites(false);
    folyamat_->setValue(100);
    label4_->setText(QStringLiteral("Bontás folyamata: 100 %"));
    stop_->setEnabled(false);
    kilepes_->setEnabled(true);
    kilepes_->setText(QStringLiteral("Kilépés"));
    kilepes_->setToolTip(QString());
    gombok_->setEnabled(true);
    if (foablak_) foablak_->setWindowTitle(foablakCim_);
    if (!befejezett || bontas_.GetTaroltNyerSzelv() == 0 || bontas_.GetBontStatus() == 0) return;
    ido_->setText(Qs(VegIdoSzoveg(bontas_.Idotartam())));
    szelvSzam_->setText(Qs(SzelvSzamSzoveg(bontas_.GetTaroltNyerSzelv())));
    koltseg_->setText(Qs(KoltsegSzoveg(bontas_.GetTaroltNyerSzelv(), jegyAr_, euro_)));
    if (!bontas_.OptimalisMegtagadas().empty())
        label4_->setText(Qs(MegadottCsokkentesSzoveg(bontas_.OptimalisMegtagadas())));
    else if (bontas_.Optimalizalt())
        label4_->setText(
            Qs(OptimalisVegSzoveg(bontas_.OptimalisMag(), bontas_.OptimalisLepesek())));
    for (auto m : {BontasMuvelet::Ellenorzes, BontasMuvelet::Lista, BontasMuvelet::Mentes,
                   BontasMuvelet::Modositas}) {
        const bool van = bekotve_[static_cast<std::size_t>(m)];
        Gomb(m)->setEnabled(van);
        Gomb(m)->setToolTip(van ? QString() : QString::fromUtf8(NincsMegSugo[static_cast<int>(m)]));
    }
    if (BontasKesz) BontasKesz();
}

void TBontasAblak::SzalKilepett() {
    bontas_.Megvar(); // the worker has returned: this join does not wait on its work
    fut_ = false;
    bontas_.SetEsemenyek(nullptr);
    if (bezarasKert_ || bontas_.GetBontStatus() == 0) {
        bezarasKert_ = false;
        if (isVisible()) QDialog::done(static_cast<int>(muvelet_));
    }
}

void TBontasAblak::StopGombClick() {
    stop_->setEnabled(false);
    // Stopping the optimised search keeps its best cover: the run ends as finished and the
    // window stays to show it. Otherwise the window closes once the worker has returned,
    // and the breakdown is deleted after.
    if (bontas_.Stop()) return;
    bezarasKert_ = true;
    if (!fut_) SzalKilepett();
}

void TBontasAblak::KilepesGombClick() {
    if (fut_ && stop_->isEnabled()) {
        if (Hatterbe) Hatterbe();
        return;
    }
    if (fut_) {
        bezarasKert_ = true;
        return;
    }
    QDialog::done(static_cast<int>(muvelet_));
    if (foablak_) foablak_->activateWindow();
}

void TBontasAblak::MuveletGomb(BontasMuvelet m) {
    muvelet_ = m;
    KilepesGombClick();
}

void TBontasAblak::closeEvent(QCloseEvent* e) {
    if (fut_) {
        e->ignore(); // the run goes on; Stop or "Háttérben" decide
        return;
    }
    QDialog::closeEvent(e);
}

void TBontasAblak::reject() {
    if (!fut_) QDialog::done(static_cast<int>(muvelet_));
}

} // namespace varion::ui
