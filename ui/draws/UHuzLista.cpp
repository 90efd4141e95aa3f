#include "draws/UHuzLista.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "draws/UHuzBe.h"
#include "draws/UHuzKeresSzelveny.h"
#include "draws/UHuzListaModell.h"
#include "game/Jatek.h"
#include "game/USzelveny.h"

namespace varion::ui {

namespace {

constexpr int SorMagassag = 20;

struct GombLeiras {
    const char* Nev;
    QStyle::StandardPixmap Kep;
    const char* Sugo;
};

// The toolbar in its order; empty names are separators.
constexpr std::array<GombLeiras, 16> Gombok{{
    {"BovitesGomb", QStyle::SP_FileDialogNewFolder, " Új húzás hozzáadása az adatbázishoz. "},
    {"BeszurasGomb", QStyle::SP_ArrowDown, " Új húzás beszúrása a kijelölt húzás elé. "},
    {"ModositasGomb", QStyle::SP_FileDialogDetailedView, " A kijelölt húzás módosítása. "},
    {"TorlesGomb", QStyle::SP_TrashIcon, " A kijelölt húzás törlése. "},
    {"ToolButton11", QStyle::SP_CustomBase, ""},
    {"VisszaGomb", QStyle::SP_ArrowBack, ""},
    {"MegseGomb", QStyle::SP_ArrowForward, ""},
    {"ToolButton12", QStyle::SP_CustomBase, ""},
    {"KeresesGomb", QStyle::SP_FileDialogContentsView,
     " A kijelölt lottóhúzás találati arányainak részletes keresése. "},
    {"ToolButton1", QStyle::SP_FileDialogListView,
     " A számsor keresésénél figyelembe vett húzások száma. "},
    {"ToolButton5", QStyle::SP_CustomBase, ""},
    {"MentesGomb", QStyle::SP_DialogSaveButton, ""},
    {"ToolButton3", QStyle::SP_CustomBase, ""},
    {"NyomtatasGomb", QStyle::SP_FileIcon, " A lottóhúzások listájának nyomtatása. "},
    {"ToolButton4", QStyle::SP_TitleBarShadeButton, " Segédszelvény elrejtése. "},
    {"ProbabontasGomb", QStyle::SP_MediaPlay, ""},
}};

QString Sorok(const std::string& s) {
    QString q = Qs(s);
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

} // namespace

THuzLista::THuzLista(QWidget* foablak, HuzasAdatbazis& db, THuzBe& huzBe, Uzenetek& u,
                     const SzelvSzinTabla& szinek, int szinsema)
    : QWidget(foablak, Qt::Tool | Qt::WindowStaysOnTopHint), db_(db), huzBe_(huzBe), u_(u),
      szinek_(szinek), szinsema_(szinsema) {
    setWindowTitle(QStringLiteral("  Lottóhúzások listája"));
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(0, 0, 0, 0);
    fo->setSpacing(0);
    eszkoztar_ = new QToolBar(this);
    eszkoztar_->setIconSize(QSize(16, 16));
    eszkoztar_->setContentsMargins(1, 1, 1, 1);
    eszkoztar_->layout()->setSpacing(0);
    fo->addWidget(eszkoztar_);
    EszkoztarEpites();

    auto* panel1 = new QWidget(this);
    auto* nl = new QHBoxLayout(panel1);
    nl->setContentsMargins(1, 1, 1, 1);
    nl->setSpacing(0);
    const std::array<std::pair<const char*, const char*>, 4> navok{
        {{"|◀", " Ugrás az első húzásra. "},
         {"◀◀", " Vissza lapoz. "},
         {"▶▶", " Tovább lapoz. "},
         {"▶|", " Ugrás az utolsó húzásra. "}}};
    for (int i = 0; i < 4; ++i) {
        auto* g =
            new QPushButton(QString::fromUtf8(navok[static_cast<std::size_t>(i)].first), panel1);
        g->setToolTip(QString::fromUtf8(navok[static_cast<std::size_t>(i)].second).trimmed());
        g->setFocusPolicy(Qt::NoFocus);
        nl->addWidget(g);
        nav_[static_cast<std::size_t>(i)] = g;
        connect(g, &QPushButton::clicked, this, [this, i] { Navigalas(i); });
    }
    nav_[0]->setObjectName(QStringLiteral("EloreGomb"));
    nav_[1]->setObjectName(QStringLiteral("EloreLapozGomb"));
    nav_[2]->setObjectName(QStringLiteral("HatraLapozGomb"));
    nav_[3]->setObjectName(QStringLiteral("HatraGomb"));
    fo->addWidget(panel1);

    tabla_ = new QTableView(this);
    tabla_->setObjectName(QStringLiteral("HuzTabla"));
    modell_ = new THuzListaModell(db_, a_, this);
    tabla_->setModel(modell_);
    tabla_->setItemDelegate(new THuzListaRajzolo(*modell_, tabla_));
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla_->verticalHeader()->setDefaultSectionSize(SorMagassag);
    tabla_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla_->horizontalHeader()->setMinimumSectionSize(20);
    tabla_->horizontalHeader()->setFixedHeight(SorMagassag);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setShowGrid(false);
    tabla_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabla_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(tabla_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid() && !frissul_) CellaValasztas(i.row() + 1, i.column());
            });
    fo->addWidget(tabla_, 1);

    KeresPanelEpites(this);
    fo->addWidget(keresPanel_);
    keresPanel_->hide();

    auto* panel2 = new QWidget(this);
    auto* kl = new QHBoxLayout(panel2);
    kl->setContentsMargins(4, 3, 4, 3);
    auto* kilepes = new QPushButton(QStringLiteral("Kilépés"), panel2);
    kilepes->setObjectName(QStringLiteral("KilepesGomb"));
    kl->addStretch();
    kl->addWidget(kilepes);
    connect(kilepes, &QPushButton::clicked, this, &QWidget::close);
    fo->addWidget(panel2);

    connect(&huzBe_, &THuzBe::Befejezve, this, &THuzLista::MuveletVege);
    AdatbazisValtozott();
}

THuzLista::~THuzLista() = default;

void THuzLista::EszkoztarEpites() {
    for (const auto& g : Gombok) {
        const QString nev = QString::fromLatin1(g.Nev);
        if (g.Kep == QStyle::SP_CustomBase) {
            auto* a = eszkoztar_->addSeparator();
            a->setObjectName(nev);
            continue;
        }
        auto* b = new QToolButton(eszkoztar_);
        b->setObjectName(nev);
        b->setIcon(style()->standardIcon(g.Kep));
        b->setToolTip(Qs(g.Sugo).trimmed());
        b->setAutoRaise(true);
        // Compact buttons: the whole toolbar fits the width of a game 5 grid.
        if (g.Kep != QStyle::SP_MediaPlay) b->setFixedSize(21, 22);
        eszkoztar_->addWidget(b)->setObjectName(nev + QStringLiteral("Akcio"));
    }
    auto kat = [this](const char* nev, auto f) {
        connect(Gomb(nev), &QToolButton::clicked, this, f);
    };
    kat("BovitesGomb", [this] { Muvelet(HuzasMuvelet::Bovites); });
    kat("BeszurasGomb", [this] { Muvelet(HuzasMuvelet::Beszuras); });
    kat("ModositasGomb", [this] { Muvelet(HuzasMuvelet::Modositas); });
    kat("TorlesGomb", [this] { Muvelet(HuzasMuvelet::Torles); });
    kat("VisszaGomb", [this] {
        db_.RekordPVissza();
        MuveletVege();
    });
    kat("MegseGomb", [this] {
        db_.RekordPMegsem();
        MuveletVege();
    });
    kat("KeresesGomb", [this] { emit KeresesKeres(KijeloltSzamsor()); });
    kat("ToolButton1", [this] { emit TartomanyKeres(); });
    kat("MentesGomb", [this] { emit MentesKeres(); });
    kat("NyomtatasGomb", [this] { emit NyomtatasKeres(); });
    kat("ToolButton4", [this] {
        segedLathato_ = !segedLathato_;
        if (seged_) seged_->setVisible(segedLathato_ && isVisible());
        SegedGombSugo();
    });
    kat("ProbabontasGomb", [this] {
        emit Peldabontas(a_.KijeloltHuzas, ElsoSzamOszlop(db_.Jatek(), a_.KijeloltOszlop));
    });
    Gomb("ProbabontasGomb")->setText(QStringLiteral("  Példabontás készítése   "));
    Gomb("ProbabontasGomb")->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void THuzLista::SegedGombSugo() {
    Gomb("ToolButton4")
        ->setToolTip(segedLathato_ ? QStringLiteral("Segédszelvény elrejtése.")
                                   : QStringLiteral("Segédszelvény megjelenítése."));
}

bool THuzLista::KeresesbenIs(const QString& nev) {
    return nev == QStringLiteral("ToolButton4") || nev == QStringLiteral("KeresesGomb") ||
           nev == QStringLiteral("NyomtatasGomb") || nev == QStringLiteral("ToolButton1");
}

QToolButton* THuzLista::Gomb(const char* nev) const {
    return eszkoztar_->findChild<QToolButton*>(QString::fromLatin1(nev));
}

int THuzLista::LathatoSorDb() const {
    return std::max(1, tabla_->viewport()->height() / SorMagassag);
}

void THuzLista::AdatbazisValtozott() {
    frissul_ = true;
    modell_->Ujraepites();
    for (int c = 0; c < db_.OszlopDb(); ++c) tabla_->setColumnWidth(c, OszlopSzelesseg(c));
    frissul_ = false;
    a_.KijeloltHuzas = std::clamp(a_.KijeloltHuzas, db_.HuzasDb() > 0 ? 1 : 0, db_.HuzasDb());
    a_.KijeloltOszlop = std::clamp(a_.KijeloltOszlop, 0, std::max(db_.OszlopDb() - 1, 0));
    Meretezes();
    if (db_.HuzasDb() > 0)
        Kijeloles(std::max(db_.Kijelolt(), 1), a_.KijeloltOszlop);
    else
        GombAllapotok();
}

void THuzLista::Meretezes() {
    // The grid's columns side by side with the scroll bar: nothing scrolls sideways.
    const int racs = tabla_->horizontalHeader()->length();
    const int keret = 2 * tabla_->frameWidth();
    // Once shown, the grid's own frame and scroll bar are measured.
    const int szegely = tabla_->isVisible()
                            ? tabla_->width() - tabla_->viewport()->width()
                            : keret + tabla_->verticalScrollBar()->sizeHint().width();
    setFixedWidth(racs + szegely);
    // Header and 15 draws; at least the header and one draw.
    const int tablaMin = keret + 2 * SorMagassag;
    setMinimumHeight(layout()->minimumSize().height() - tabla_->minimumSizeHint().height() +
                     tablaMin);
    if (!meretezve_) {
        meretezve_ = true;
        resize(width(), layout()->sizeHint().height() - tabla_->sizeHint().height() + keret +
                            16 * SorMagassag);
    }
}

void THuzLista::Kijeloles(int sor, int oszlop) {
    if (db_.HuzasDb() == 0) {
        GombAllapotok();
        return;
    }
    sor = std::clamp(sor, 1, db_.HuzasDb());
    oszlop = std::clamp(oszlop, 0, db_.OszlopDb() - 1);
    frissul_ = true;
    tabla_->setCurrentIndex(modell_->index(sor - 1, oszlop));
    frissul_ = false;
    tabla_->scrollTo(modell_->index(sor - 1, oszlop));
    // The grid is as wide as its columns: it never stays scrolled sideways.
    tabla_->horizontalScrollBar()->setValue(0);
    CellaValasztas(sor, oszlop);
}

void THuzLista::CellaValasztas(int sor, int oszlop) {
    a_.KijeloltOszlop = oszlop;
    a_.KijeloltHuzas = sor;
    db_.CellaKijeloles(sor);
    if (kereses_ && keresPanel_->isVisible()) {
        const bool keresett = kereses_->KeresettHuzas() == sor - 1;
        keresCim_->setStyleSheet(keresett
                                     ? QStringLiteral("background:#008080;color:white")
                                     : QStringLiteral("background:palette(button);color:grey"));
    }
    modell_->Frissites();
    SzelvKijelzes();
    GombAllapotok();
}

std::vector<int> THuzLista::KijeloltSzamsor() const {
    std::vector<int> v;
    const int sor = a_.KijeloltHuzas;
    if (sor < 1 || sor > db_.HuzasDb()) return v;
    const int elso = ElsoSzamOszlop(db_.Jatek(), a_.KijeloltOszlop);
    for (int k = 0; k < db_.Jatek(); ++k) v.push_back(db_.Ertek(sor - 1, elso + k));
    return v;
}

void THuzLista::SzelvKijelzes() {
    if (!seged_ || !isVisible()) return;
    seged_->Alaphelyzet();
    const auto sor = KijeloltSzamsor();
    for (int n : sor) {
        if (n < 1 || n > seged_->MaxSzam()) continue;
        CellaKep k = seged_->GetCella(n);
        k.Emelt = k.Felkover = true;
        k.Hatter = SzelvBejegyzes::Kijelolt;
        k.SzovegSzin = SzelvBejegyzes::KijeloltSzam;
        seged_->SetCella(n, k);
    }
    maszkok_.Frissites(db_);
    const auto stat = TalalatStat(maszkok_, Maszk(sor));
    seged_->setWindowTitle(Qs(RiportFelirat(a_.KijeloltHuzas)));
    seged_->SetRiport(Sorok(RiportSzoveg(db_.Jatek(), stat, sor)));
}

void THuzLista::GombAllapotok() {
    const bool van = db_.HuzasDb() > 0;
    const bool lista = mod_ == ListaMod::Lista;
    Gomb("BovitesGomb")->setEnabled(lista);
    for (const char* n : {"BeszurasGomb", "ModositasGomb", "TorlesGomb"})
        Gomb(n)->setEnabled(lista && van);
    auto* vissza = Gomb("VisszaGomb");
    vissza->setEnabled(lista && db_.VisszavonasLehet());
    vissza->setToolTip(Qs(db_.VisszaGombSugo()).trimmed());
    auto* megse = Gomb("MegseGomb");
    megse->setEnabled(lista && db_.UjraLehet());
    megse->setToolTip(Qs(db_.MegseGombSugo()).trimmed());
    auto* mentes = Gomb("MentesGomb");
    mentes->setToolTip(Qs(db_.MentesSugo()).trimmed());
    // Example mode shows its one button alone: nothing else comes back on a selection.
    if (mod_ != ListaMod::Peldabontas) {
        for (QAction* a : eszkoztar_->actions()) {
            if (a->objectName() == QStringLiteral("MentesGombAkcio"))
                a->setVisible(lista && db_.AdatbazisModositva);
            if (a->objectName() == QStringLiteral("ToolButton3"))
                a->setVisible(!(lista && db_.AdatbazisModositva && db_.Jatek() == 5));
        }
    }
    Gomb("KeresesGomb")->setEnabled(van);
    const auto n = Navigacio(db_.HuzasDb(), LathatoSorDb(), a_.KijeloltHuzas);
    nav_[0]->setEnabled(van && n.Elore);
    nav_[1]->setEnabled(van && n.EloreLapoz);
    nav_[2]->setEnabled(van && n.HatraLapoz);
    nav_[3]->setEnabled(van && n.Hatra);
    if (mod_ == ListaMod::Kereses) {
        // While the search is open only these four work; the others say nothing.
        for (QToolButton* b : eszkoztar_->findChildren<QToolButton*>())
            if (!KeresesbenIs(b->objectName())) {
                b->setEnabled(false);
                // The hint goes, the name the hint gave stays for assistive technology.
                const QString nev = b->accessibleName();
                b->setToolTip({});
                if (!nev.isEmpty()) b->setAccessibleName(nev);
            }
    }
}

void THuzLista::Navigalas(int i) {
    if (kereses_ && keresPanel_->isVisible()) KeresGombAllapot(true, true);
    const int n = db_.HuzasDb();
    const int lathato = LathatoSorDb();
    const int akt = a_.KijeloltHuzas;
    int cel = akt;
    switch (i) {
    case 0:
        cel = 1;
        break;
    case 1:
        cel = lathato < akt ? akt - lathato : 1;
        break;
    case 2:
        cel = n + 1 - lathato > akt ? akt + lathato : n;
        break;
    default:
        cel = n;
        break;
    }
    Kijeloles(cel, a_.KijeloltOszlop);
    if (i == 1 && cel > 1)
        tabla_->scrollTo(modell_->index(cel - 1, 0), QAbstractItemView::PositionAtTop);
}

void THuzLista::Muvelet(HuzasMuvelet m) {
    if (mod_ != ListaMod::Lista || db_.MuveletFolyamatban()) return;
    switch (m) {
    case HuzasMuvelet::Bovites:
        db_.BovitesKezdes();
        break;
    case HuzasMuvelet::Beszuras:
        if (db_.HuzasDb() == 0) return;
        db_.BeszurasKezdes();
        break;
    case HuzasMuvelet::Modositas:
        if (db_.HuzasDb() == 0) return;
        db_.ModositasKezdes();
        break;
    case HuzasMuvelet::Torles:
        if (db_.TorlesKezdes(u_)) MuveletVege();
        return;
    default:
        return;
    }
    AdatbazisValtozott();
    Kijeloles(db_.MuvRekord, a_.KijeloltOszlop);
    huzBe_.Start(m, frameGeometry());
}

void THuzLista::MuveletVege() {
    AdatbazisValtozott();
    ListaAktiv();
    emit Valtozott();
}

void THuzLista::Start() {
    if (!elhelyezve_) {
        // The first time: under the main window's top, near its right edge.
        elhelyezve_ = true;
        if (QWidget* f = parentWidget()) {
            const QRect fo = f->geometry();
            move(fo.left() + fo.width() - frameGeometry().width() - 40, fo.top() + 100);
        }
    }
    // A ticket of another game (made before a game switch) is made anew.
    if (seged_ && seged_->MaxSzam() != MaxSzamJatek(db_.Jatek())) seged_.reset();
    if (!seged_) {
        seged_ = std::make_unique<TSzelveny>(
            parentWidget(), db_.Jatek(), SzelvFajta::HuzasLista, false, false, true,
            QStringLiteral("  Lottóhúzások szelvénye"), szinek_, szinsema_);
    }
    show();
    raise();
    if (seged_ && segedLathato_) seged_->show();
    SzelvKijelzes();
}

void THuzLista::ListaAktiv() {
    mod_ = ListaMod::Lista;
    eszkoztar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction* a : eszkoztar_->actions()) a->setVisible(true);
    for (QAction* a : eszkoztar_->actions())
        if (a->objectName() == QStringLiteral("ProbabontasGombAkcio")) a->setVisible(false);
    for (QToolButton* b : eszkoztar_->findChildren<QToolButton*>()) {
        b->setEnabled(true);
        b->setAccessibleName({}); // named from the hints again
    }
    for (const auto& g : Gombok)
        if (g.Kep != QStyle::SP_CustomBase) Gomb(g.Nev)->setToolTip(Qs(g.Sugo).trimmed());
    SegedGombSugo();
    GombAllapotok();
}

void THuzLista::KeresAktiv() {
    mod_ = ListaMod::Kereses;
    for (QToolButton* b : eszkoztar_->findChildren<QToolButton*>())
        b->setEnabled(KeresesbenIs(b->objectName()));
    GombAllapotok();
    modell_->Frissites();
}

void THuzLista::PeldabontasAktiv() {
    mod_ = ListaMod::Peldabontas;
    eszkoztar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (QAction* a : eszkoztar_->actions())
        a->setVisible(a->objectName() == QStringLiteral("ProbabontasGombAkcio"));
    Gomb("ProbabontasGomb")->setEnabled(true);
    Gomb("ProbabontasGomb")->setText(QStringLiteral("  Példabontás készítése   "));
    Gomb("ProbabontasGomb")->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void THuzLista::Ujrarajzolas() {
    modell_->Frissites();
}

void THuzLista::closeEvent(QCloseEvent* e) {
    seged_.reset();
    QWidget::closeEvent(e);
}

void THuzLista::hideEvent(QHideEvent* e) {
    // Closed or hidden by the program (a game switch): the ticket goes with the list and the
    // next opening makes it for the game then current.
    if (!e->spontaneous()) seged_.reset();
    QWidget::hideEvent(e);
}

void THuzLista::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Meretezes();
    if (QWidget* f = parentWidget()) {
        const QRect fo = f->geometry();
        if (y() < 1 || y() + height() > fo.bottom()) move(x(), fo.top() + 5);
        if (x() < fo.left())
            move(fo.left() + 10, y());
        else if (x() + width() > fo.right())
            move(fo.right() - width() - 10, y());
    }
    if (seged_) {
        const int bal = x() - seged_->frameGeometry().width();
        seged_->move(bal >= 6 ? bal : frameGeometry().right(), y());
    }
    SzelvKijelzes();
    if (kereses_) KeresPanelBe();
}

void THuzLista::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    GombAllapotok();
}

} // namespace varion::ui
