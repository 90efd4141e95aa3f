#include "draws/UHuzBe.h"

#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "game/Jatek.h"
#include "game/USzelveny.h"

namespace varion::ui {

namespace {

QTableWidget* SzamsorLista(QWidget* szulo) {
    auto* t = new QTableWidget(1, 5, szulo);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->horizontalHeader()->setDefaultSectionSize(30);
    t->verticalHeader()->setDefaultSectionSize(26);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return t;
}

} // namespace

THuzBe::THuzBe(QWidget* foablak, HuzasAdatbazis& db, Uzenetek& u, const SzelvSzinTabla& szinek,
               int szinsema)
    : QDialog(foablak, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      db_(db), u_(u), szinek_(szinek), szinsema_(szinsema) {
    const QDate ma = QDate::currentDate();
    Ma = {ma.year(), ma.weekNumber()};
    setWindowModality(Qt::ApplicationModal);
    ev_ = new QSpinBox(this);
    ev_->setObjectName(QStringLiteral("EvBe"));
    het_ = new QSpinBox(this);
    het_->setObjectName(QStringLiteral("HetBe"));
    auto* evhet = new QGridLayout;
    evhet->addWidget(new QLabel(QStringLiteral("Év"), this), 0, 0);
    evhet->addWidget(ev_, 0, 1);
    evhet->addWidget(new QLabel(QStringLiteral("Hét"), this), 0, 2);
    evhet->addWidget(het_, 0, 3);
    szamPanel_ = new QWidget(this);
    auto* sp = new QGridLayout(szamPanel_);
    sp->setContentsMargins(0, 0, 0, 0);
    sor1_ = SzamsorLista(szamPanel_);
    sor2_ = SzamsorLista(szamPanel_);
    gomb1_ = new QPushButton(QStringLiteral("Számsor"), szamPanel_);
    gomb2_ = new QPushButton(QStringLiteral("Számsor"), szamPanel_);
    for (auto* g : {gomb1_, gomb2_}) g->setCheckable(true);
    sp->addWidget(gomb1_, 0, 0);
    sp->addWidget(sor1_, 0, 1);
    sp->addWidget(gomb2_, 1, 0);
    sp->addWidget(sor2_, 1, 1);
    rendben_ = new QPushButton(QStringLiteral("Rendben"), this);
    megsem_ = new QPushButton(QStringLiteral("Mégse"), this);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch();
    gombok->addWidget(rendben_);
    gombok->addWidget(megsem_);
    auto* fo = new QVBoxLayout(this);
    // A fixed size: the window manager offers no maximise and no resizing.
    fo->setSizeConstraint(QLayout::SetFixedSize);
    fo->addStrut(330); // wide enough for the caption
    fo->addLayout(evhet);
    fo->addWidget(szamPanel_);
    fo->addLayout(gombok);
    setFixedWidth(330);

    connect(ev_, &QSpinBox::valueChanged, this, [this](int ev) {
        if (lezarva_) return;
        Keret(EvValtas(
            kornyezet_,
            {ev_->minimum(), ev_->maximum(), het_->minimum(), het_->maximum(), ev, het_->value()},
            ev));
    });
    connect(gomb1_, &QPushButton::clicked, this, [this] {
        bevitel_.SorValtas(1);
        Megjelenites();
    });
    connect(gomb2_, &QPushButton::clicked, this, [this] {
        bevitel_.SorValtas(2);
        Megjelenites();
    });
    connect(rendben_, &QPushButton::clicked, this, [this] { Vege(true); });
    connect(megsem_, &QPushButton::clicked, this, [this] { Vege(false); });
}

THuzBe::~THuzBe() = default;

void THuzBe::UjHuzasBe() {
    lezarva_ = true;
    const int jatek = db_.Jatek();
    bevitel_.Kezdes(jatek, db_.PluszSzamAktiv);
    const int cellak = bevitel_.CellaDb();
    for (auto* t : {sor1_, sor2_}) {
        t->setColumnCount(cellak);
        t->setFixedSize(cellak * 31 + 3, 30);
    }
    const bool het = jatek == 7;
    sor2_->setVisible(het);
    gomb1_->setVisible(het);
    gomb2_->setVisible(het);
    gomb1_->setEnabled(het);
    szamPanel_->setFixedHeight(het ? 70 : 35);
    ev_->setEnabled(true);
    het_->setEnabled(true);
    if (szelveny_ && szelveny_->MaxSzam() != MaxSzamJatek(jatek)) szelveny_.reset();
    Megjelenites();
}

void THuzBe::Start(HuzasMuvelet m) {
    muvelet_ = m;
    UjHuzasBe();
    setWindowTitle(Qs(BevitelFelirat(m)));
    if (!szelveny_) {
        szelveny_ = std::make_unique<TSzelveny>(
            parentWidget(), db_.Jatek(), SzelvFajta::UjHuzas, false, true, false,
            QStringLiteral("  Számsor beolvasása "), szinek_, szinsema_);
        if (auto* g = szelveny_->KilepesGomb()) g->setText(QStringLiteral("Mégsem"));
        connect(szelveny_.get(), &TSzelveny::CellaKattintas, this, &THuzBe::SzamKattintas);
    }
    kornyezet_ = Kornyezet(db_, m, db_.MuvRekord, Ma);
    if (m == HuzasMuvelet::Modositas && db_.MuvRekord >= 1 && db_.MuvRekord <= db_.HuzasDb()) {
        Huzas h;
        const auto s = db_.Sor(db_.MuvRekord - 1);
        for (int k = 0; k < db_.RekordSzamDb(); ++k)
            h.Szamok[static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>(s[static_cast<std::size_t>(3 + k)]);
        bevitel_.Betoltes(h);
    }
    Keret(KezdoKeret(kornyezet_));
    lezarva_ = false;
    Megjelenites();
    if (QWidget* f = parentWidget()) move(f->geometry().topLeft() + QPoint(420, 120));
    show();
    raise();
    szelveny_->move(x(), frameGeometry().bottom() + 4);
    szelveny_->show();
    if (db_.Jatek() == 6 && db_.PluszSzamAktiv)
        u_.Informacio(m == HuzasMuvelet::Modositas ? PluszModositasInfo : PluszUtolsoInfo);
}

void THuzBe::Keret(const EvHetKeret& k) {
    const bool volt = lezarva_;
    lezarva_ = true;
    ev_->setRange(k.EvMin, k.EvMax);
    ev_->setValue(k.Ev);
    ev_->setEnabled(k.EvSzerkesztheto());
    het_->setRange(k.HetMin, k.HetMax);
    het_->setValue(k.Het);
    het_->setToolTip(Qs(HetSugo(k)).trimmed());
    lezarva_ = volt;
}

void THuzBe::SzamKattintas(int n) {
    if (!isVisible()) return;
    bevitel_.Kattintas(n);
    Megjelenites();
}

void THuzBe::Megjelenites() {
    for (int r = 1; r <= (db_.Jatek() == 7 ? 2 : 1); ++r) {
        const auto& c = bevitel_.Cellak(r);
        auto* t = Szamsor(r);
        for (int i = 0; i < static_cast<int>(c.size()) && i < t->columnCount(); ++i) {
            auto* it = new QTableWidgetItem(c[static_cast<std::size_t>(i)]
                                                ? QString::number(c[static_cast<std::size_t>(i)])
                                                : QString());
            it->setTextAlignment(Qt::AlignCenter);
            t->setItem(0, i, it);
        }
    }
    gomb1_->setChecked(bevitel_.SzamsorSorszam() == 1);
    gomb2_->setChecked(bevitel_.SzamsorSorszam() == 2);
    rendben_->setEnabled(bevitel_.RendbenLehet());
    if (!szelveny_) return;
    szelveny_->Alaphelyzet();
    for (int n : bevitel_.Jeloltek()) {
        CellaKep k = szelveny_->GetCella(n);
        k.Emelt = k.Felkover = true;
        k.Hatter = SzelvBejegyzes::Kijelolt;
        szelveny_->SetCella(n, k);
    }
}

void THuzBe::Vege(bool rendben) {
    if (lezarva_) return;
    lezarva_ = true;
    const Huzas r = bevitel_.Rekord(ev_->value(), het_->value());
    db_.DialogusVege(rendben && bevitel_.RendbenLehet(), r);
    hide();
    if (szelveny_) szelveny_->hide();
    emit Befejezve();
}

void THuzBe::closeEvent(QCloseEvent* e) {
    Vege(false);
    QDialog::closeEvent(e);
}

void THuzBe::reject() {
    Vege(false);
    QDialog::reject();
}

} // namespace varion::ui
