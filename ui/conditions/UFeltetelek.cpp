#include "conditions/UFeltetelek.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "app/UUzenetek.h"
#include "conditions/Megvalosithatosag.h"

namespace varion::ui {

namespace {

QString Sugo(std::string_view s) {
    QString q = Qs(s);
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

constexpr std::string_view KijelolesSugo = " Feltétel kijelölése. ";
constexpr std::string_view TorlesSugo = " Feltétel törlése. ";

} // namespace

TLeptetoEdit::TLeptetoEdit(QWidget* szulo) : QSpinBox(szulo) {
    lineEdit()->setReadOnly(true);
    setFixedWidth(52);
    setAlignment(Qt::AlignRight);
}

void TLeptetoEdit::Hatarok(Hatar h, const QString& sajatSugo) {
    setRange(h.Also, std::max(h.Also, h.Felso));
    const std::string fix = FixErtekSugo(h);
    setToolTip(fix.empty() ? sajatSugo : Sugo(fix));
}

TOsszegEdit::TOsszegEdit(QWidget* szulo) : QSpinBox(szulo) {
    setFixedWidth(62);
    setAlignment(Qt::AlignRight);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QValidator::State TOsszegEdit::validate(QString& szoveg, int&) const {
    for (QChar c : szoveg)
        if (!c.isDigit()) return QValidator::Invalid;
    return szoveg.size() <= hossz_ ? QValidator::Acceptable : QValidator::Invalid;
}

int TOsszegEdit::valueFromText(const QString& szoveg) const {
    return szoveg.toInt();
}

std::optional<int> TOsszegEdit::Beirt() const {
    bool ok = false;
    const int v = lineEdit()->text().toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

void TOsszegEdit::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    const bool szamjegy = t.size() == 1 && t[0].isDigit();
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool kombinacio = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (enter ||
        (!kombinacio && !t.isEmpty() && !szamjegy && e->key() != Qt::Key_Backspace &&
         e->key() != Qt::Key_Tab && e->key() != Qt::Key_Backtab && e->key() != Qt::Key_Escape)) {
        emit Elhagyva();
        e->accept();
        return;
    }
    QSpinBox::keyPressEvent(e);
}

void TOsszegEdit::focusOutEvent(QFocusEvent* e) {
    emit Elhagyva(); // before the spin box corrects the text on its own
    QSpinBox::focusOutEvent(e);
}

TFeltetelek::TFeltetelek(FeltetelKeszlet& f, Uzenetek& u, QWidget* szulo)
    : QDialog(szulo), f_(f), u_(u) {
    setWindowTitle(Qs(FeltetelCim));
    setModal(true);
    Epites();
}

QGroupBox* TFeltetelek::UjDoboz(Feltetel f, const char* felirat) {
    auto* d = new QGroupBox(QString::fromUtf8(felirat));
    d->setCheckable(true);
    d->setChecked(false);
    QFont b = d->font();
    b.setBold(true);
    d->setFont(b);
    d->setToolTip(Sugo(KijelolesSugo));
    dobozok_[static_cast<std::size_t>(f)] = d;
    connect(d, &QGroupBox::toggled, this, [this, f](bool be) {
        if (!csendes_) Kapcsolas(f, be);
    });
    return d;
}

void TFeltetelek::Epites() {
    auto* fo = new QVBoxLayout(this);
    lapok_ = new QTabWidget;
    lapok_->addTab(EloszlasLap(), QStringLiteral("Eloszlás "));
    lapok_->addTab(SzamcsoportLap(), QStringLiteral("Számcsoport"));
    lapok_->addTab(TalArLap(), QStringLiteral("Találati arány"));
    lapok_->addTab(SzamvegzodesLap(), QStringLiteral("Számvégződés"));
    lapok_->addTab(EsemenyekLap(), QStringLiteral("Események "));
    fo->addWidget(lapok_);
    connect(lapok_, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 2) TalArValtozott();
    });

    hibapontPanel_ = new QWidget;
    auto* hs = new QHBoxLayout(hibapontPanel_);
    hs->setContentsMargins(4, 0, 4, 0);
    hs->addWidget(new QLabel(QStringLiteral("Bontás hibapontja")));
    hibapont_ = new TLeptetoEdit;
    hibapont_->Hatarok({0, 3}, Sugo(" A bontás hibapontjának száma. "));
    hs->addWidget(hibapont_);
    hs->addSpacing(24);
    opcioSor_ = new QHBoxLayout;
    eloszlasOptBox_ = new QCheckBox(QStringLiteral(" Gyakorisági eloszlás"));
    eloszlasOptBox_->setToolTip(QStringLiteral(
        " A hibapontos bontás számainak egyenletesebb gyakorisága. \n Általában csökkenti a "
        "bontás szelvényeinek számát is. "));
    eloszlasOptBox_->setEnabled(false);
    opcioSor_->addWidget(eloszlasOptBox_);
    // Both may be ticked: the distribution pass then gives the rows the search starts from.
    optimalizaltBox_ = new QCheckBox(QStringLiteral(" Optimalizált csökkentés"));
    optimalizaltBox_->setToolTip(QStringLiteral(
        " Kevesebb szelvény ugyanazzal a garanciával: a bontás után a program legfeljebb \n 10 "
        "másodpercig keresi a kisebb fedést. "));
    optimalizaltBox_->setEnabled(false);
    opcioSor_->addSpacing(12);
    opcioSor_->addWidget(optimalizaltBox_);
    hs->addLayout(opcioSor_);
    hs->addStretch();
    fo->addWidget(hibapontPanel_);
    connect(hibapont_, &QSpinBox::valueChanged, this, [this] {
        if (!csendes_) HibapontValtozott();
    });
    connect(eloszlasOptBox_, &QCheckBox::toggled, this,
            [this](bool be) { f_.EloszlasOpt = be ? 1 : 0; });

    auto* gombok = new QHBoxLayout;
    bontasGomb_ = new QPushButton(QStringLiteral("Bontás"));
    kilepesGomb_ = new QPushButton(QStringLiteral("Kilépés"));
    torlesGomb_ = new QPushButton(QStringLiteral("Törlés mind"));
    torlesGomb_->setToolTip(Sugo(" Minden kijelölt feltétel törlése! "));
    for (auto* g : {bontasGomb_, torlesGomb_, kilepesGomb_}) {
        g->setMinimumWidth(96);
        g->setAutoDefault(false);
    }
    gombok->addStretch();
    gombok->addWidget(bontasGomb_);
    gombok->addWidget(torlesGomb_);
    gombok->addWidget(kilepesGomb_);
    fo->addLayout(gombok);
    connect(bontasGomb_, &QPushButton::clicked, this, &TFeltetelek::BontasGombClick);
    connect(torlesGomb_, &QPushButton::clicked, this, &TFeltetelek::TorlesGombClick);
    connect(kilepesGomb_, &QPushButton::clicked, this, [this] { done(0); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Only the boxes' captions are bold, not the controls inside them.
    QFont normal = font();
    normal.setBold(false);
    for (auto* d : dobozok_)
        for (auto* w : d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->setFont(normal);
}

namespace {

QLabel* Cimke(const char* s) {
    return new QLabel(QString::fromUtf8(s));
}

// Two radio buttons in a frame of their own, so each pair is a group.
QWidget* Par(QRadioButton*& a, const char* aSz, QRadioButton*& b, const char* bSz, bool bAlap) {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    a = new QRadioButton(QString::fromUtf8(aSz));
    b = new QRadioButton(QString::fromUtf8(bSz));
    (bAlap ? b : a)->setChecked(true);
    auto* cs = new QButtonGroup(w);
    cs->addButton(a);
    cs->addButton(b);
    l->addWidget(a);
    l->addWidget(b);
    l->addStretch();
    return w;
}

} // namespace

QWidget* TFeltetelek::EloszlasLap() {
    auto* lap = new QWidget;
    auto* v = new QVBoxLayout(lap);
    auto* fav = UjDoboz(Feltetel::Fav, " Favorizált számok");
    auto* g = new QGridLayout(fav);
    FavElso = new TLeptetoEdit;
    FavUtolso = new TLeptetoEdit;
    FavMin = new TLeptetoEdit;
    FavMax = new TLeptetoEdit;
    g->addWidget(Cimke("a(z)"), 0, 0);
    g->addWidget(FavElso, 0, 1);
    g->addWidget(Cimke("számtól, a(z)"), 0, 2);
    g->addWidget(FavUtolso, 0, 3);
    g->addWidget(Cimke("számig terjednek."), 0, 4);
    g->addWidget(Cimke("A számcsoporton belül"), 1, 0, 1, 1);
    g->addWidget(FavMin, 1, 1);
    g->addWidget(Cimke("-"), 1, 2, Qt::AlignCenter);
    g->addWidget(FavMax, 1, 3);
    g->addWidget(Cimke(" találat elérése."), 1, 4);
    g->setColumnStretch(5, 1);
    v->addWidget(fav);
    FavElso->setValue(1);
    FavUtolso->Hatarok({3, 90}, {});
    FavUtolso->setValue(3);
    FavMin->setValue(1);
    FavMax->setValue(1);
    connect(FavElso, &QSpinBox::valueChanged, this, [this] { FavValtozott(FavValtozas::Elso); });
    connect(FavUtolso, &QSpinBox::valueChanged, this,
            [this] { FavValtozott(FavValtozas::Utolso); });
    connect(FavMin, &QSpinBox::valueChanged, this, [this] { FavValtozott(FavValtozas::Min); });
    connect(FavMax, &QSpinBox::valueChanged, this, [this] { FavValtozott(FavValtozas::Max); });

    for (bool fix : {false, true}) {
        auto* d = UjDoboz(fix ? Feltetel::Fix : Feltetel::Mob,
                          fix ? " Fix számcsoportok" : " Mobil számcsoportok");
        auto* l = new QGridLayout(d);
        auto* meret = new TLeptetoEdit;
        auto* max = new TLeptetoEdit;
        meret->setRange(2, 2);
        max->setRange(1, 1);
        l->addWidget(Cimke("Egy számcsoport mérete:"), 0, 0);
        l->addWidget(meret, 0, 1);
        l->addWidget(Cimke("szám, legfeljebb"), 0, 2);
        l->addWidget(max, 0, 3);
        l->addWidget(Cimke("találattal."), 0, 4);
        l->setColumnStretch(5, 1);
        (fix ? FixMeret : MobMeret) = meret;
        (fix ? FixMax : MobMax) = max;
        connect(meret, &QSpinBox::valueChanged, this, [this, fix] { CsoportValtozott(fix); });
        connect(max, &QSpinBox::valueChanged, this, [this, fix] { CsoportValtozott(fix); });
        v->addWidget(d);
    }
    v->addStretch();
    return lap;
}

namespace {

struct ParosVezerlok {
    QRadioButton *Fix, *Tobb, *Paros, *Paratlan, *Egy, *TobbIsmet;
    TLeptetoEdit *PMin, *PMax, *IMin, *IMax;
};

} // namespace

static QWidget* ParosIsmetLap(TFeltetelek* w, QGroupBox* paros, QGroupBox* ismet,
                              ParosVezerlok& c) {
    auto* lap = new QWidget;
    auto* v = new QVBoxLayout(lap);
    auto* g = new QGridLayout(paros);
    g->addWidget(Par(c.Fix, "Fix", c.Tobb, "Több", false), 0, 0, 1, 2);
    g->addWidget(Par(c.Paros, "páros", c.Paratlan, "páratlan", false), 0, 2, 1, 3);
    c.PMin = new TLeptetoEdit;
    c.PMax = new TLeptetoEdit;
    c.PMin->setRange(1, 1);
    c.PMax->setRange(1, 1);
    g->addWidget(Cimke("Találati arány:"), 1, 0);
    g->addWidget(c.PMin, 1, 1);
    g->addWidget(Cimke("-"), 1, 2, Qt::AlignCenter);
    g->addWidget(c.PMax, 1, 3);
    g->setColumnStretch(4, 1);
    v->addWidget(paros);
    auto* gi = new QGridLayout(ismet);
    gi->addWidget(Par(c.Egy, "Egy", c.TobbIsmet, "Több", false), 0, 0, 1, 4);
    c.IMin = new TLeptetoEdit;
    c.IMax = new TLeptetoEdit;
    gi->addWidget(Cimke("Ismétlődés:"), 1, 0);
    gi->addWidget(c.IMin, 1, 1);
    gi->addWidget(Cimke("-"), 1, 2, Qt::AlignCenter);
    gi->addWidget(c.IMax, 1, 3);
    gi->setColumnStretch(4, 1);
    v->addWidget(ismet);
    v->addStretch();
    (void)w;
    return lap;
}

void TFeltetelek::ParosIsmetKotes(bool csoport) {
    auto* fix = csoport ? SzcsFix : SzvFix;
    auto* tobb = csoport ? SzcsTobb : SzvTobb;
    auto* paros = csoport ? SzcsParos : SzvParos;
    auto* paratlan = csoport ? SzcsParatlan : SzvParatlan;
    auto* pmin = csoport ? SzcsParosMin : SzvParosMin;
    auto* pmax = csoport ? SzcsParosMax : SzvParosMax;
    const Feltetel pf = csoport ? Feltetel::SzcsParos : Feltetel::SzvParos;
    for (auto* r : {fix, tobb})
        connect(r, &QRadioButton::clicked, this,
                [this, csoport] { ParosValtozott(csoport, false, true); });
    for (auto* r : {paros, paratlan})
        connect(r, &QRadioButton::clicked, this,
                [this, csoport] { ParosValtozott(csoport, true, false); });
    connect(pmin, &QSpinBox::valueChanged, this, [this, pmin, pmax, pf] {
        if (csendes_) return;
        if (pmin->value() > pmax->value()) pmax->setValue(pmin->value());
        Rogzit(pf);
    });
    connect(pmax, &QSpinBox::valueChanged, this, [this, pmin, pmax, pf] {
        if (csendes_) return;
        if (pmax->value() < pmin->value()) pmin->setValue(pmax->value());
        Rogzit(pf);
    });
    auto* egy = csoport ? SzcsEgy : SzvEgy;
    auto* tobbI = csoport ? SzcsTobbIsmet : SzvTobbIsmet;
    auto* imin = csoport ? SzcsIsmetMin : SzvIsmetMin;
    auto* imax = csoport ? SzcsIsmetMax : SzvIsmetMax;
    for (auto* r : {egy, tobbI})
        connect(r, &QRadioButton::clicked, this,
                [this, csoport] { IsmetValtozott(csoport, false); });
    auto regi = std::make_shared<int>(0);
    connect(imax, &QSpinBox::valueChanged, this, [this, csoport, regi, imax] {
        IsmetMaxLepes(csoport, *regi);
        *regi = imax->value();
    });
    connect(imin, &QSpinBox::valueChanged, this, [this, csoport, imin, imax, tobbI] {
        if (csendes_) return;
        const int mx = tobbI->isChecked() ? TobbMinUtanMax(imin->value(), imax->value(),
                                                           {imax->minimum(), imax->maximum()})
                                          : std::max(imin->value(), imax->value());
        if (mx != imax->value()) {
            ++csendes_;
            imax->setValue(mx);
            --csendes_;
        }
        Rogzit(csoport ? Feltetel::SzcsIsmet : Feltetel::SzvIsmet);
    });
}

QWidget* TFeltetelek::SzamcsoportLap() {
    ParosVezerlok c{};
    auto* lap = ParosIsmetLap(this, UjDoboz(Feltetel::SzcsParos, " Páros-páratlan"),
                              UjDoboz(Feltetel::SzcsIsmet, " Ismétlődés"), c);
    SzcsFix = c.Fix, SzcsTobb = c.Tobb, SzcsParos = c.Paros, SzcsParatlan = c.Paratlan;
    SzcsEgy = c.Egy, SzcsTobbIsmet = c.TobbIsmet;
    SzcsParosMin = c.PMin, SzcsParosMax = c.PMax, SzcsIsmetMin = c.IMin, SzcsIsmetMax = c.IMax;
    SzcsFix->setToolTip(Sugo(" Számcsoportok fixen meghatározott találati aránya. "));
    SzcsTobb->setToolTip(Sugo(" Páros, vagy páratlan számcsoportból legyen több egy szelvényen. "));
    ParosIsmetKotes(true);
    return lap;
}

QWidget* TFeltetelek::SzamvegzodesLap() {
    ParosVezerlok c{};
    auto* lap = ParosIsmetLap(this, UjDoboz(Feltetel::SzvParos, " Páros-páratlan"),
                              UjDoboz(Feltetel::SzvIsmet, " Ismétlődés"), c);
    SzvFix = c.Fix, SzvTobb = c.Tobb, SzvParos = c.Paros, SzvParatlan = c.Paratlan;
    SzvEgy = c.Egy, SzvTobbIsmet = c.TobbIsmet;
    SzvParosMin = c.PMin, SzvParosMax = c.PMax, SzvIsmetMin = c.IMin, SzvIsmetMax = c.IMax;
    SzvFix->setToolTip(
        Sugo(" Számvégződések (páros/páratlan számok) fixen meghatározott találati aránya. "));
    SzvTobb->setToolTip(
        Sugo(" Több páros, vagy több páratlan számvégződés (szám) egy szelvényen. "));
    ParosIsmetKotes(false);
    return lap;
}

QWidget* TFeltetelek::TalArLap() {
    auto* lap = new QWidget;
    auto* v = new QVBoxLayout(lap);
    auto* d = UjDoboz(Feltetel::TalAr, " Találati arány");
    auto* g = new QGridLayout(d);
    g->addWidget(Par(TalArKizart, "Kizárt", TalArKeresett, "Keresett", true), 0, 0, 1, 5);
    TalArKizart->setToolTip(
        Sugo(" A beállított találati arány(oka)t elérő szelvények kizárása a bontásból. "));
    TalArKeresett->setToolTip(
        Sugo(" A beállított találati arány(oka)t elérő számsorok kiválogatása. "));
    TalArMin = new TLeptetoEdit;
    TalArMax = new TLeptetoEdit;
    TalArMin->setRange(1, 5);
    TalArMax->setRange(1, 5);
    TalArMin->setValue(4);
    TalArMax->setValue(5);
    g->addWidget(Cimke("Találat:"), 1, 0);
    g->addWidget(TalArMin, 1, 1);
    g->addWidget(Cimke("-"), 1, 2, Qt::AlignCenter);
    g->addWidget(TalArMax, 1, 3);
    g->addWidget(Par(TalArBontas, "bontás", TalArHuzasok, "húzások", false), 2, 0, 1, 5);
    g->setColumnStretch(4, 1);
    v->addWidget(d);
    huzasokGomb_ = new QPushButton(QStringLiteral("Húzások számának beállítása"));
    huzasokGomb_->setAutoDefault(false);
    label15_ = new QLabel;
    label15_->setWordWrap(true);
    v->addWidget(label15_);
    auto* gs = new QHBoxLayout;
    gs->addWidget(huzasokGomb_);
    gs->addStretch();
    v->addLayout(gs);
    v->addStretch();
    connect(huzasokGomb_, &QPushButton::clicked, this, [this] {
        if (!HuzasTartomanyKeres) return;
        if (const auto t = HuzasTartomanyKeres()) Kornyezet.HuzasTartomany = *t;
        TalArValtozott();
    });
    connect(TalArMin, &QSpinBox::valueChanged, this, [this] {
        if (csendes_) return;
        if (TalArMin->value() > TalArMax->value()) TalArMax->setValue(TalArMin->value());
        Rogzit(Feltetel::TalAr);
    });
    connect(TalArMax, &QSpinBox::valueChanged, this, [this] {
        if (csendes_) return;
        if (TalArMax->value() < TalArMin->value()) TalArMin->setValue(TalArMax->value());
        Rogzit(Feltetel::TalAr);
    });
    connect(TalArKizart, &QRadioButton::clicked, this, [this] { TalArTipusValtozott(false); });
    connect(TalArKeresett, &QRadioButton::clicked, this, [this] { TalArTipusValtozott(false); });
    connect(TalArHuzasok, &QRadioButton::clicked, this, [this] { TalArTipusValtozott(true); });
    connect(TalArBontas, &QRadioButton::clicked, this, [this] { TalArTipusValtozott(true); });
    return lap;
}

QWidget* TFeltetelek::EsemenyekLap() {
    auto* lap = new QWidget;
    auto* v = new QVBoxLayout(lap);
    auto* d = UjDoboz(Feltetel::Osszeg, " Számsor összege");
    auto* g = new QGridLayout(d);
    g->addWidget(Par(OsszegFix, "Fix", OsszegMobil, "Mobil", true), 0, 0, 1, 5);
    OsszegMin = new TOsszegEdit;
    OsszegMax = new TOsszegEdit;
    OsszegMin->setRange(0, 9999);
    OsszegMax->setRange(0, 9999);
    OsszegMin->setValue(15);
    OsszegMax->setValue(16);
    osszegKotojel_ = Cimke("-");
    osszegIg_ = Cimke("-ig terjedhet.");
    g->addWidget(Cimke("Egy szelvény számainak összege"), 1, 0);
    g->addWidget(OsszegMin, 1, 1);
    g->addWidget(osszegKotojel_, 1, 2);
    g->addWidget(OsszegMax, 1, 3);
    g->addWidget(osszegIg_, 1, 4);
    g->setColumnStretch(5, 1);
    v->addWidget(d);
    connect(OsszegFix, &QRadioButton::clicked, this, [this] { OsszegValtozott(true); });
    connect(OsszegMobil, &QRadioButton::clicked, this, [this] { OsszegValtozott(true); });
    connect(OsszegMin, &QSpinBox::valueChanged, this, [this] { OsszegValtozott(false); });
    connect(OsszegMax, &QSpinBox::valueChanged, this, [this] { OsszegValtozott(false); });
    connect(OsszegMin, &TOsszegEdit::Elhagyva, this, [this] { OsszegElhagyva(false); });
    connect(OsszegMax, &TOsszegEdit::Elhagyva, this, [this] { OsszegElhagyva(true); });

    for (bool tukor : {false, true}) {
        auto* b = UjDoboz(tukor ? Feltetel::Tukorszam : Feltetel::Ikerszam,
                          tukor ? " Tükörszám" : " Ikerszám");
        b->setToolTip(Sugo(KijelolesSugo));
        auto* l = new QGridLayout(b);
        auto* mn = new TLeptetoEdit;
        auto* mx = new TLeptetoEdit;
        mn->setRange(0, 0);
        mx->setRange(0, 0);
        if (!tukor) l->addWidget(Cimke("Egy szelvényen, pontosan "), 0, 0);
        l->addWidget(mn, 0, 1);
        l->addWidget(Cimke("-"), 0, 2, Qt::AlignCenter);
        l->addWidget(mx, 0, 3);
        l->addWidget(
            Cimke(tukor ? "     darab tükörszám pár lehet." : "     darab ikerszám lehet."), 0, 4);
        l->setColumnStretch(5, 1);
        (tukor ? TukorMin : IkerMin) = mn;
        (tukor ? TukorMax : IkerMax) = mx;
        for (auto* e : {mn, mx}) {
            e->installEventFilter(this);
            auto mezo = tukor
                            ? (e == mn ? &FeltetelAdatok::Tukorszam : &FeltetelAdatok::TukorszamMax)
                            : (e == mn ? &FeltetelAdatok::Ikerszam : &FeltetelAdatok::IkerszamMax);
            connect(e, &QSpinBox::valueChanged, this, [this, tukor, mezo](int v) {
                const bool felfele = v > f_.Adatok.*mezo;
                IkerTukorValtozott();
                IkerTukorLepes(tukor, felfele);
            });
        }
        v->addWidget(b);
    }
    v->addStretch();
    return lap;
}

void TFeltetelek::Jelez(const Elutasitas& e) {
    if (!isVisible()) return; // a loaded file's conditions are applied silently
    switch (e.Tipus) {
    case UzenetTipus::Figyelmeztetes:
        u_.Figyelmeztetes(e.Szoveg);
        break;
    default:
        u_.HibaUzenet(e.Szoveg);
        break;
    }
}

bool TFeltetelek::Kerdez(std::string_view szoveg) {
    return !isVisible() || u_.FigyelmeztetoKerdes(szoveg);
}

bool TFeltetelek::CsakOlvashato() const {
    return Kornyezet.VanBontas && f_.FeltetelJelzo;
}

int TFeltetelek::FeltetelStart() {
    SzamJelzoBeallitas(f_, Kornyezet.Jelolt, Kornyezet.Jatek);
    {
        ++csendes_;
        hibapont_->Hatarok(HibapontHatar(Kornyezet.SorHossz),
                           Sugo(" A bontás hibapontjának száma. "));
        hibapont_->setValue(HibapontIgazitas(f_.Adatok.Hibapont, Kornyezet.SorHossz));
        --csendes_;
    }
    HibapontValtozott();
    return exec();
}

void TFeltetelek::showEvent(QShowEvent* e) {
    const bool ro = CsakOlvashato();
    for (int i = 0; i < lapok_->count(); ++i) lapok_->widget(i)->setEnabled(!ro);
    hibapontPanel_->setEnabled(!ro);
    setWindowTitle(Qs(ro ? FeltetelListaCim : FeltetelCim));
    bontasGomb_->setText(ro ? QStringLiteral("Módosítás") : QStringLiteral("Bontás"));
    bontasGomb_->setToolTip(
        ro ? Sugo(" Az előző bontás listájának törlése, a feltételek\r szerkesztésének "
                  "engedélyezése. ")
           : Sugo(" Bontás készítése. "));
    lapok_->setToolTip(ro ? Sugo(" A feltételek szerkesztéséhez, klikkeljen a [Módosítás] "
                                 "gombra. ")
                          : QString());
    if (lapok_->currentIndex() == 2) TalArValtozott();
    FormActivate();
    QDialog::showEvent(e);
    bontasGomb_->setFocus();
}

void TFeltetelek::FormActivate() {
    TorlesGombAllapot();
    if (!f_.FeltetelJelzo) {
        ++csendes_;
        for (auto* d : dobozok_) {
            d->setChecked(false);
            d->setToolTip(Sugo(KijelolesSugo));
        }
        --csendes_;
    }
}

void TFeltetelek::TorlesGombAllapot() {
    torlesGomb_->setEnabled(f_.FeltetelJelzo);
    torlesGomb_->setToolTip(Sugo(f_.FeltetelJelzo ? " Minden kijelölt feltétel törlése. "
                                                  : " Nincs kijelölt feltétel. "));
}

void TFeltetelek::FeltJelzoBeallitas() {
    varion::FeltJelzoBeallitas(f_, hibapont_->value());
    TorlesGombAllapot();
    modosult_ = true;
    if (JelzoValtozott) JelzoValtozott();
}

void TFeltetelek::Alaphelyzet() {
    ++csendes_;
    for (auto* d : dobozok_) {
        d->setChecked(false);
        d->setToolTip(Sugo(KijelolesSugo));
    }
    hibapont_->setValue(0);
    HibapontosOpciokBeallitasa(0);
    TalArBontas->setChecked(true);
    --csendes_;
}

void TFeltetelek::BontasGombClick() {
    if (CsakOlvashato()) {
        // "Módosítás": the stored breakdown goes, the conditions become editable again. The
        // button acts so only while it reads so: a stored breakdown without conditions
        // (kept on a saved ticket) is replaced by the run the "Bontás" button starts.
        if (BontasTorlesKeres && !BontasTorlesKeres()) return;
        Kornyezet.VanBontas = false;
        done(2);
        return;
    }
    Ertekek();
    const auto& a = f_.Adatok;
    const bool l = isVisible();
    if (!TalArEll(a, Kornyezet.Jatek, Kornyezet.SorHossz, Kornyezet.HuzasTartomany.Elso,
                  Kornyezet.HuzasTartomany.Utolso, Kornyezet.HuzasDb, l, u_) ||
        !OsszegEll(a, Kornyezet.SorHossz, l, u_) || !FixFavEll(a, l, u_) || !MobFavEll(a, l, u_))
        return;
    done(1);
}

void TFeltetelek::TorlesGombClick() {
    if (!Kornyezet.Mentve) {
        if (Kornyezet.VanBontas) {
            if (BontTorlesEng2Keres && !BontTorlesEng2Keres()) return;
        } else if (f_.FeltetelJelzo &&
                   !u_.JovahagyasKeres("Biztos törli a kijelölt feltételeket?")) {
            return;
        }
    }
    if (FeltetelekTorlese) FeltetelekTorlese();
    Alaphelyzet();
    done(2);
}

void TFeltetelek::done(int eredmeny) {
    if (f_.Adatok.EsemOsszegBe && isVisible()) {
        OsszegElhagyva(false);
        if (!OsszegFix->isChecked()) OsszegElhagyva(true);
    }
    // An impossible parity of the fixed sum keeps the window open.
    if (eredmeny != 2 && !OsszegEll(f_.Adatok, Kornyezet.SorHossz, isVisible(), u_)) return;
    if (!(f_.Adatok.TalArBe && TalArHuzasok->isChecked())) f_.Adatok.TalArHuzasok = 0;
    QDialog::done(eredmeny);
}

} // namespace varion::ui
