#include "app/UBeallitasok.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "app/UUzenetek.h"
#include "breakdown/UBontMegsz.h"
#include "game/USzelveny.h"

namespace varion::ui {

namespace {

// A size field that takes only the sizes of its steps: a typed odd size is not accepted,
// and on leaving it goes down to the step below.
class TParosMezo final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    QValidator::State validate(QString& szoveg, int& poz) const override {
        const QValidator::State a = QSpinBox::validate(szoveg, poz);
        if (a != QValidator::Acceptable) return a;
        const int v = valueFromText(szoveg);
        return ParosMeret(v, minimum(), maximum()) == v ? a : QValidator::Intermediate;
    }
    void fixup(QString& szoveg) const override {
        bool jo = false;
        const int v = szoveg.toInt(&jo);
        szoveg = QString::number(ParosMeret(jo ? v : minimum(), minimum(), maximum()));
    }
};

// The locale's decimal separator, as the price field accepts it.
char TizedesJel() {
    const QString p = QLocale().decimalPoint();
    return p == QStringLiteral(",") ? ',' : '.';
}

std::string Ss(const QString& s) {
    return s.toStdString();
}

// The key filter of the price field: what it may hold is the editor's rule.
class ArSzuro final : public QValidator {
public:
    ArSzuro(const BeallitasSzerkeszto& sz, QObject* szulo) : QValidator(szulo), sz_(sz) {}
    State validate(QString& szoveg, int&) const override {
        return sz_.ArSzovegErvenyes(Ss(szoveg)) ? Acceptable : Invalid;
    }

private:
    const BeallitasSzerkeszto& sz_;
};

QIcon SzinIkon(std::int32_t ertek) {
    QPixmap p(22, 14);
    p.fill(SzinErtek(ertek));
    QPainter f(&p);
    f.setPen(Qt::black);
    f.drawRect(0, 0, 21, 13);
    return QIcon(p);
}

void Sugo(QWidget* w, std::string_view sugo) {
    w->setToolTip(Qs(sugo).trimmed());
    w->setStatusTip(Qs(sugo));
}

} // namespace

void TKapacitasCsuszka::SetJeloles(std::optional<std::int64_t> korlat) {
    jeloles_ = korlat;
    update();
}

void TKapacitasCsuszka::paintEvent(QPaintEvent* e) {
    QSlider::paintEvent(e);
    if (!jeloles_) return;
    QStyleOptionSlider o;
    initStyleOption(&o);
    const QRect horony =
        style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderGroove, this);
    const QRect fogo =
        style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderHandle, this);
    const int hossz = horony.width() - fogo.width();
    const int veg = QStyle::sliderPositionFromValue(
        minimum(), maximum(),
        static_cast<int>(std::clamp<std::int64_t>(*jeloles_, minimum(), maximum())), hossz);
    QPainter p(this);
    const QRect sav(horony.left() + fogo.width() / 2, horony.bottom() + 3, veg, 4);
    p.fillRect(sav, QColor(0, 120, 215));
}

TBeallitasok::TBeallitasok(QWidget* foablak, Uzenetek& u)
    : QDialog(foablak, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      u_(u), sz_(TizedesJel()) {
    setWindowTitle(QStringLiteral("  Program beállítások"));
    setModal(false);
    SzinDialogus = [this](const QColor& c) {
        return QColorDialog::getColor(c, this, QStringLiteral(" Színek"));
    };
    auto* l = new QVBoxLayout(this);
    lapok_ = new QTabWidget(this);
    lapok_->addTab(AltalanosLap(), QStringLiteral("Általános"));
    lapok_->addTab(SzelvenyekLap(), QStringLiteral("Szelvények"));
    lapok_->addTab(BontasLap(), QStringLiteral("Bontás"));
    l->addWidget(lapok_);
    auto* gombok = new QHBoxLayout;
    alkalmaz_ = new QPushButton(QStringLiteral("Alkalmaz"), this);
    mentes_ = new QPushButton(QStringLiteral("Mentés"), this);
    kilepes_ = new QPushButton(QStringLiteral("Kilépés"), this);
    Sugo(alkalmaz_, " Beállítások alkalmazása. ");
    Sugo(mentes_, " Beállítások alkalmazása és mentése. ");
    kilepes_->setDefault(true);
    gombok->addStretch(1);
    for (auto* g : {alkalmaz_, mentes_, kilepes_}) gombok->addWidget(g);
    l->addLayout(gombok);
    connect(alkalmaz_, &QPushButton::clicked, this, &TBeallitasok::AlkalmazGombClick);
    connect(mentes_, &QPushButton::clicked, this, &TBeallitasok::MentesGombClick);
    connect(kilepes_, &QPushButton::clicked, this, &TBeallitasok::KilepesGombClick);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TBeallitasok::AltalanosLap() {
    auto* lap = new QWidget(this);
    auto* l = new QVBoxLayout(lap);
    jovahagyas_ = new QCheckBox(QStringLiteral(" Jóváhagyást kérő ablak megjelenítése"), lap);
    inform_ = new QCheckBox(QStringLiteral(" Információs ablak megjelenítése"), lap);
    beallitasok_ = new QCheckBox(QStringLiteral(" Beállítások automatikus mentése"), lap);
    buborek_ = new QCheckBox(QStringLiteral(" Súgóbuborék engedélyezése "), lap);
    szelvAut_ = new QCheckBox(QStringLiteral(" Főszelvény automatikus zárolása/feloldása"), lap);
    Sugo(jovahagyas_, " Kérdés a számsor, a feltételek vagy a bontás törlése előtt. ");
    Sugo(inform_, " Hasznos információk megjelenítése. ");
    Sugo(beallitasok_, " A beállítások mentése a programból való kilépéskor. ");
    Sugo(buborek_, " Súgóbuborékok a vezérlők fölött. ");
    Sugo(szelvAut_, " A főszelvény zárolása a bontás indításakor. ");
    for (auto* c : {jovahagyas_, inform_, beallitasok_, buborek_, szelvAut_}) {
        l->addWidget(c);
        connect(c, &QCheckBox::toggled, this, [this] {
            if (toltes_) return;
            auto& m = sz_.Mezok();
            m.Jovahagyas = jovahagyas_->isChecked();
            m.Inform = inform_->isChecked();
            m.BeallitasokMentese = beallitasok_->isChecked();
            m.HintStatus = buborek_->isChecked();
            m.SzelvZarStatus = szelvAut_->isChecked();
        });
    }
    for (auto* c : {jovahagyas_, inform_})
        connect(c, &QCheckBox::clicked, this, &TBeallitasok::JovahagyasFigyelmeztetes);

    auto* arDoboz = new QGroupBox(QStringLiteral("Egy lottószelvény ára"), lap);
    auto* al = new QHBoxLayout(arDoboz);
    ar_ = new QLineEdit(arDoboz);
    ar_->setValidator(new ArSzuro(sz_, ar_));
    ar_->setMaximumWidth(110);
    ar_->setAlignment(Qt::AlignRight);
    Sugo(ar_, " Egy lottószelvény ára a választott pénznemben. ");
    penznem_ = new QComboBox(arDoboz);
    penznem_->addItems({QStringLiteral(" Forint"), QStringLiteral(" Euro")});
    Sugo(penznem_, " A bontás költségének pénzneme. ");
    al->addWidget(ar_);
    al->addWidget(penznem_);
    al->addStretch(1);
    l->addWidget(arDoboz);
    connect(ar_, &QLineEdit::textEdited, this, [this](const QString& s) { sz_.ArValtozas(Ss(s)); });
    connect(ar_, &QLineEdit::editingFinished, this, &TBeallitasok::ArKilepes);
    connect(penznem_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (toltes_) return;
        sz_.PenznemValtozas(i);
        ar_->setText(Qs(sz_.Urlap().Ar));
    });

    nyomtato_ = new QPushButton(QStringLiteral("Nyomtató beállítás"), lap);
    Sugo(nyomtato_, " A nyomtató és a lapméret beállítása. ");
    connect(nyomtato_, &QPushButton::clicked, this, [this] {
        if (NyomtatoBeallitas) NyomtatoBeallitas();
    });
    auto* nl = new QHBoxLayout;
    nl->addWidget(nyomtato_);
    nl->addStretch(1);
    l->addLayout(nl);
    l->addStretch(1);
    return lap;
}

QWidget* TBeallitasok::SzelvenyekLap() {
    auto* lap = new QWidget(this);
    auto* l = new QHBoxLayout(lap);
    auto* bal = new QVBoxLayout;
    szelvenyBox_ = new QComboBox(lap);
    for (auto n : SzelvNevek) szelvenyBox_->addItem(Qs(n));
    Sugo(szelvenyBox_, " A szelvény, amelynek megjelenését módosítja. ");
    bal->addWidget(szelvenyBox_);

    auto* semaDoboz = new QGroupBox(QStringLiteral("Színséma"), lap);
    auto* sl = new QVBoxLayout(semaDoboz);
    semaCsoport_ = new QButtonGroup(this);
    sema_[0] = new QRadioButton(QStringLiteral("  Alapértelmezett"), semaDoboz);
    sema_[1] = new QRadioButton(QStringLiteral("  Kedvenc"), semaDoboz);
    for (int i = 0; i < 2; ++i) {
        semaCsoport_->addButton(sema_[static_cast<std::size_t>(i)], i);
        sl->addWidget(sema_[static_cast<std::size_t>(i)]);
    }
    bal->addWidget(semaDoboz);

    auto* meretDoboz = new QGroupBox(QStringLiteral("Méret"), lap);
    meretCsoport_ = meretDoboz;
    auto* ml = new QHBoxLayout(meretDoboz);
    box_ = new TParosMezo(meretDoboz);
    box_->setRange(MinBox, MaxBox);
    box_->setSingleStep(2);
    szamMeret_ = new TParosMezo(meretDoboz);
    szamMeret_->setRange(MinSzamMeret, MaxSzamMeret);
    szamMeret_->setSingleStep(2);
    Sugo(box_, " A számmezők mérete (képpont). ");
    Sugo(szamMeret_, " A számok betűmérete (pont). ");
    ml->addWidget(new QLabel(QStringLiteral("Box"), meretDoboz));
    ml->addWidget(box_);
    ml->addWidget(new QLabel(QStringLiteral("Szám"), meretDoboz));
    ml->addWidget(szamMeret_);
    bal->addWidget(meretDoboz);

    auto* szinDoboz = new QGroupBox(QStringLiteral("Színek"), lap);
    auto* zl = new QVBoxLayout(szinDoboz);
    nevCombo_ = new QComboBox(szinDoboz);
    for (auto n : SzinElemNevek) nevCombo_->addItem(Qs(n));
    Sugo(nevCombo_, " A szelvény eleme, amelynek színét módosítja. ");
    auto* sor = new QHBoxLayout;
    boxColor_ = new QComboBox(szinDoboz);
    boxColor_->setMinimumWidth(170);
    Sugo(boxColor_, " Az elem színe a Kedvenc színsémában. ");
    tovabbi_ = new QPushButton(QStringLiteral(">>"), szinDoboz);
    tovabbi_->setFixedWidth(32);
    Sugo(tovabbi_, " További színek... ");
    sor->addWidget(boxColor_, 1);
    sor->addWidget(tovabbi_);
    zl->addWidget(nevCombo_);
    zl->addLayout(sor);
    bal->addWidget(szinDoboz);
    bal->addStretch(1);
    l->addLayout(bal);

    // The sample: nine cells, an information panel and a button of the ticket being edited.
    auto* keret = new QWidget(lap);
    keret->setFixedSize(176, 250);
    probaszin_ = new QFrame(keret);
    probaszin_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    probaszin_->setAutoFillBackground(true);
    for (const auto& c : MintaCellak()) {
        auto* cella = new QLabel(QString::number(c.Szam), probaszin_);
        cella->setAlignment(Qt::AlignCenter);
        cella->setAutoFillBackground(true);
        cella->setFrameStyle(QFrame::Panel | (c.Emelt ? QFrame::Raised : QFrame::Sunken));
        if (!c.Sugo.empty()) Sugo(cella, c.Sugo);
        minta_[static_cast<std::size_t>(c.Szam - 1)] = cella;
    }
    iPanel_ = new QLabel(QStringLiteral("  A szöveg színe"), probaszin_);
    iPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    iPanel_->setAutoFillBackground(true);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPointSize(8);
    iPanel_->setFont(courier);
    iGomb_ = new QPushButton(QStringLiteral("Kilépés"), probaszin_);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(8);
    iGomb_->setFont(arial);
    iGomb_->setFocusPolicy(Qt::NoFocus);
    l->addWidget(keret, 0, Qt::AlignTop);

    connect(szelvenyBox_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (toltes_) return;
        sz_.NezetValasztas(i);
        SzelvenyekFrissites();
    });
    connect(semaCsoport_, &QButtonGroup::idClicked, this, [this](int i) {
        if (toltes_) return;
        sz_.SemaValasztas(i);
        SzelvenyekFrissites();
    });
    connect(box_, &QSpinBox::valueChanged, this, [this](int v) {
        if (toltes_) return;
        sz_.BoxValtozas(v);
        MintaEpites();
    });
    connect(szamMeret_, &QSpinBox::valueChanged, this, [this](int v) {
        if (toltes_) return;
        sz_.SzamMeretValtozas(v);
        MintaEpites();
    });
    connect(nevCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (toltes_) return;
        const auto uzenet = sz_.ElemValasztas(i);
        SzelvenyekFrissites();
        if (uzenet) u_.Informacio(*uzenet);
    });
    connect(boxColor_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (toltes_ || i < 0) return;
        sz_.SzinValasztas(boxColor_->itemData(i).toInt());
        MintaEpites();
    });
    connect(tovabbi_, &QPushButton::clicked, this, [this] {
        if (!SzinDialogus) return;
        const QColor aktualis = SzinErtek(sz_.ElemSzin());
        const QColor c = SzinDialogus(aktualis);
        if (!c.isValid() || c.rgb() == aktualis.rgb()) return;
        sz_.TovabbiSzin(Rgb(c.red(), c.green(), c.blue()));
        SzelvenyekFrissites();
    });
    return lap;
}

QWidget* TBeallitasok::BontasLap() {
    auto* lap = new QWidget(this);
    auto* l = new QVBoxLayout(lap);
    auto* cim = new QLabel(QStringLiteral(" A bontás tömbjének kezdeti mérete:"), lap);
    l->addWidget(cim);
    csuszka_ = new TKapacitasCsuszka(Qt::Horizontal, lap);
    csuszka_->setSingleStep(static_cast<int>(KapacitasLepes));
    csuszka_->setPageStep(static_cast<int>(10 * KapacitasLepes));
    csuszka_->setMinimumWidth(330);
    Sugo(csuszka_, " Ennyi szelvény helyét foglalja le a program a bontás indításakor. ");
    l->addWidget(csuszka_);
    auto* hatarok = new QHBoxLayout;
    also_ = new QLabel(lap);
    felso_ = new QLabel(lap);
    hatarok->addWidget(also_);
    hatarok->addStretch(1);
    hatarok->addWidget(felso_);
    l->addLayout(hatarok);
    kapacitasCimke_ = new QLabel(lap);
    kapacitasCimke_->setAlignment(Qt::AlignCenter);
    l->addWidget(kapacitasCimke_);
    memo1_ = new QLabel(Qs(SortoresekCsereje(KapacitasFigyelmeztetes)), lap);
    memo1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    memo1_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; background: #fffbf0; }"));
    memo1_->setMargin(4);
    memo1_->hide();
    l->addWidget(memo1_);
    auto* idoSor = new QHBoxLayout;
    idoSor->addWidget(new QLabel(QStringLiteral(" Optimalizálás időkorlátja (mp):"), lap));
    optIdo_ = new QSpinBox(lap);
    optIdo_->setRange(MinOptimalizalasIdo, MaxOptimalizalasIdo);
    Sugo(optIdo_, " Ennyi ideig keres kevesebb szelvényt az optimalizált csökkentés. ");
    idoSor->addWidget(optIdo_);
    idoSor->addStretch(1);
    l->addLayout(idoSor);
    l->addStretch(1);
    connect(csuszka_, &QSlider::valueChanged, this, [this](int v) {
        if (toltes_) return;
        sz_.KapacitasValtozas(v);
        KapacitasFrissites();
    });
    connect(optIdo_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!toltes_) sz_.Mezok().OptimalizalasIdo = v;
    });
    return lap;
}

void TBeallitasok::BeallitasokStart(const Beallitasok& b, const KapacitasAdat& k) {
    sz_.Megnyitas(b, k);
    const auto& u = sz_.Urlap();
    toltes_ = true;
    csuszka_->setRange(static_cast<int>(u.KapacitasMin), static_cast<int>(u.KapacitasMax));
    csuszka_->setValue(static_cast<int>(u.KapacitasPozicio));
    also_->setText(Qs(EzresTagolas(static_cast<double>(u.KapacitasMin), 0)));
    felso_->setText(Qs(EzresTagolas(static_cast<double>(u.KapacitasMax), 0)));
    jovahagyas_->setChecked(u.Jovahagyas);
    inform_->setChecked(u.Inform);
    beallitasok_->setChecked(u.BeallitasokMentese);
    buborek_->setChecked(u.HintStatus);
    szelvAut_->setChecked(u.SzelvZarStatus);
    penznem_->setCurrentIndex(u.Penznem);
    ar_->setText(Qs(u.Ar));
    optIdo_->setValue(u.OptimalizalasIdo);
    toltes_ = false;
    SzelvenyekFrissites();
    KapacitasFrissites();
    lapok_->setCurrentIndex(0);
    show();
    raise();
    activateWindow();
}

void TBeallitasok::SzelvenyekFrissites() {
    const auto& u = sz_.Urlap();
    toltes_ = true;
    szelvenyBox_->setCurrentIndex(u.Nezet);
    sema_[static_cast<std::size_t>(u.Szinsema)]->setChecked(true);
    box_->setValue(sz_.Box());
    szamMeret_->setValue(sz_.SzamMeret());
    nevCombo_->setCurrentIndex(u.Elem);
    const bool kedvenc = sz_.MeretSzerkesztheto();
    meretCsoport_->setEnabled(kedvenc);
    boxColor_->setEnabled(kedvenc);
    tovabbi_->setEnabled(kedvenc);
    SzinListaFeltoltes();
    toltes_ = false;
    MintaEpites();
}

void TBeallitasok::SzinListaFeltoltes() {
    const std::int32_t szin = sz_.ElemSzin();
    boxColor_->clear();
    bool van = false;
    for (const auto& n : SzinLista()) van = van || n.Ertek == szin;
    if (!van) boxColor_->addItem(SzinIkon(szin), Qs(SajatSzinNev), szin);
    for (const auto& n : SzinLista()) boxColor_->addItem(SzinIkon(n.Ertek), Qs(n.Nev), n.Ertek);
    boxColor_->setCurrentIndex(boxColor_->findData(szin));
}

void TBeallitasok::MintaEpites() {
    using B = SzelvBejegyzes;
    const int s = sz_.Box();
    QFont betu(QStringLiteral("DejaVu Sans"));
    betu.setPointSize(sz_.SzamMeret());
    // The panel is at least as wide as its text; the small cells stand in its middle.
    const int racsSzeles = 3 * (s + 1) + 5;
    const int szeles =
        std::max(racsSzeles, iPanel_->fontMetrics().horizontalAdvance(iPanel_->text()) + 14);
    const int bal = (szeles - racsSzeles) / 2;
    for (const auto& c : MintaCellak()) {
        QLabel* cella = minta_[static_cast<std::size_t>(c.Szam - 1)];
        const int i = c.Szam - 1;
        cella->setGeometry(bal + 3 + (i % 3) * (s + 1), 3 + (i / 3) * (s + 1), s, s);
        QPalette p = cella->palette();
        p.setColor(QPalette::Window, SzinErtek(sz_.Bejegyzes(c.Hatter)));
        p.setColor(QPalette::WindowText, SzinErtek(sz_.Bejegyzes(c.Szoveg)));
        cella->setPalette(p);
        betu.setBold(c.Emelt);
        cella->setFont(betu);
    }
    const int racs = 3 + 3 * (s + 1) + 2;
    iPanel_->setGeometry(2, racs, szeles - 4, 24);
    iGomb_->setGeometry(4, racs + 28, szeles - 8, 22);
    QPalette ip = iPanel_->palette();
    ip.setColor(QPalette::Window, SzinErtek(sz_.Bejegyzes(B::RiportPanel)));
    ip.setColor(QPalette::WindowText, SzinErtek(sz_.Bejegyzes(B::RiportSzoveg)));
    iPanel_->setPalette(ip);
    QPalette pp = probaszin_->palette();
    pp.setColor(QPalette::Window, SzinErtek(sz_.Bejegyzes(B::Hatter)));
    probaszin_->setPalette(pp);
    const QSize meret(szeles, racs + 54);
    probaszin_->setGeometry((176 - meret.width()) / 2, 0, meret.width(), meret.height());
}

void TBeallitasok::KapacitasFrissites() {
    const auto k = sz_.Kapacitas();
    kapacitasCimke_->setText(Qs(k.Cimke));
    memo1_->setVisible(k.Figyelmeztetes);
    csuszka_->SetJeloles(k.Korlat);
}

void TBeallitasok::ArKilepes() {
    sz_.ArValtozas(Ss(ar_->text()));
    if (!sz_.ArKilepes()) return;
    ar_->setText(Qs(sz_.Urlap().Ar));
    if (isVisible()) u_.ParameterHiba();
}

void TBeallitasok::JovahagyasFigyelmeztetes() {
    if (!jovahagyas_->isChecked() && isVisible()) u_.Figyelmeztetes(JovahagyasKikapcsolasSzoveg);
}

void TBeallitasok::Alkalmaz() {
    if (Alkalmazas) Alkalmazas(sz_);
}

void TBeallitasok::AlkalmazGombClick() {
    ArKilepes();
    const QPoint hely = pos(); // some window managers place a window anew when it is shown
    hide();
    Alkalmaz();
    move(hely);
    show();
}

void TBeallitasok::MentesGombClick() {
    ArKilepes();
    const QPoint hely = pos();
    hide();
    Alkalmaz();
    if (Iras) {
        if (Iras())
            u_.Informacio(BeallitasMentveSzoveg);
        else
            u_.HibaUzenet(IniMentesHibaSzoveg);
    }
    move(hely);
    show();
}

} // namespace varion::ui
