#include "breakdown/UBontLista.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "app/UIkonok.h"
#include "app/UUzenetek.h"
#include "breakdown/BontListaSzovegek.h"

namespace varion::ui {

namespace {

constexpr int LathatoRacsSorok = 16; // the header and 15 variations
const QColor KeresCimkeSzin(40, 80, 120);
const QColor GombFelulet(236, 233, 216);

QToolButton* Gomb(QWidget* szulo, const QIcon& ikon, const QString& sugo) {
    auto* g = new QToolButton(szulo);
    g->setIcon(ikon);
    g->setIconSize(QSize(20, 20));
    g->setAutoRaise(true);
    g->setToolTip(sugo.trimmed());
    g->setStatusTip(sugo);
    return g;
}

struct ParancsGombLeiras {
    Parancs P;
    Kep K;
    QStyle::StandardPixmap Tartalek;
};

// The main window's commands the list offers, in the order of its tool bar.
constexpr std::array<ParancsGombLeiras, 6> ListaParancsok{{
    {Parancs::Informaciok, Kep::Informaciok, QStyle::SP_MessageBoxInformation},
    {Parancs::Ellenorzes, Kep::Ellenorzes, QStyle::SP_DialogApplyButton},
    {Parancs::Modositas, Kep::Modositas, QStyle::SP_FileDialogContentsView},
    {Parancs::BontMentes, Kep::Mentes, QStyle::SP_DialogSaveButton},
    {Parancs::Nyomtatas, Kep::Nincs, QStyle::SP_FileDialogDetailedView},
    {Parancs::SzelvenyekKitoltese, Kep::Nincs, QStyle::SP_FileDialogListView},
}};

} // namespace

TBontLista::TBontLista(QWidget* foablak)
    : QWidget(foablak, Qt::Tool), racs_(new TBontRacs(this)), keresPanel_(new QFrame(this)),
      keresCimke_(new QLabel(QStringLiteral("Keresett számsor"))), keresBox_(new QComboBox),
      segedGomb_(nullptr) {
    setWindowTitle(Qs(ListaFelirat(false)));
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(2, 2, 2, 2);
    fo->setSpacing(2);

    auto* eszkoz = new QHBoxLayout;
    eszkoz->setSpacing(0);
    for (const auto& l : ListaParancsok) {
        const QIcon ikon = l.K != Kep::Nincs ? KepIkon(l.K) : style()->standardIcon(l.Tartalek);
        auto* g = Gomb(this, ikon, Qs(ParancsAdat(l.P).Sugo));
        const Parancs p = l.P;
        connect(g, &QToolButton::clicked, this, [this, p] { emit ParancsKeres(p); });
        parancsGombok_.emplace_back(p, g);
        eszkoz->addWidget(g);
    }
    // The selected variation searched among the draws; the frame enables it with the database.
    auto* kereses = Gomb(this, KepIkon(Kep::Kereses), Qs(BontSzamsorKeresSugo));
    connect(kereses, &QToolButton::clicked, this, [this] { emit ParancsKeres(Parancs::Kereses); });
    parancsGombok_.emplace_back(Parancs::Kereses, kereses);
    eszkoz->addWidget(kereses);
    segedGomb_ = Gomb(this, style()->standardIcon(QStyle::SP_TitleBarShadeButton),
                      QStringLiteral(" Segédszelvény elrejtése. "));
    connect(segedGomb_, &QToolButton::clicked, this, &TBontLista::SegedValtas);
    eszkoz->addWidget(segedGomb_);
    eszkoz->addStretch();
    auto* kilepes = new QToolButton(this);
    kilepes->setText(QStringLiteral("Kilépés"));
    kilepes->setAutoRaise(true);
    connect(kilepes, &QToolButton::clicked, this, &QWidget::close);
    eszkoz->addWidget(kilepes);
    fo->addLayout(eszkoz);

    connect(racs_, &TBontRacs::KivalasztasValtozott, this,
            [this](std::int64_t sor) { BontTablaSelectCell(static_cast<std::int32_t>(sor)); });
    fo->addWidget(racs_, 1);

    auto* lapozas = new QHBoxLayout;
    lapozas->setSpacing(0);
    const std::array<std::pair<QStyle::StandardPixmap, const char*>, 4> lapLeiras{{
        {QStyle::SP_MediaSkipBackward, " Első számsor. "},
        {QStyle::SP_MediaSeekBackward, " Előző oldal. "},
        {QStyle::SP_MediaSeekForward, " Következő oldal. "},
        {QStyle::SP_MediaSkipForward, " Utolsó számsor. "},
    }};
    for (std::size_t i = 0; i < 4; ++i) {
        lapozok_[i] = Gomb(this, style()->standardIcon(lapLeiras[i].first),
                           QString::fromUtf8(lapLeiras[i].second));
        static constexpr ListaLepes Irany[] = {ListaLepes::Elejere, ListaLepes::LapFel,
                                               ListaLepes::LapLe, ListaLepes::Vegere};
        connect(lapozok_[i], &QToolButton::clicked, this, [this, i] { Lapozas(Irany[i]); });
        lapozas->addWidget(lapozok_[i]);
    }
    lapozas->addStretch();
    fo->addLayout(lapozas);

    auto* kp = new QVBoxLayout(keresPanel_);
    kp->setContentsMargins(2, 2, 2, 2);
    kp->setSpacing(2);
    keresPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    keresCimke_->setAutoFillBackground(true);
    keresCimke_->setAlignment(Qt::AlignCenter);
    QFont cf = keresCimke_->font();
    cf.setBold(true);
    keresCimke_->setFont(cf);
    kp->addWidget(keresCimke_);
    kp->addWidget(keresBox_);
    auto* kg = new QHBoxLayout;
    kg->setSpacing(0);
    const std::array<QStyle::StandardPixmap, 4> keresKepek{
        QStyle::SP_MediaSkipBackward, QStyle::SP_ArrowLeft, QStyle::SP_ArrowRight,
        QStyle::SP_MediaSkipForward};
    for (std::size_t i = 0; i < 4; ++i) {
        keresGombok_[i] = Gomb(keresPanel_, style()->standardIcon(keresKepek[i]), {});
        const auto g = static_cast<KeresGomb>(i);
        connect(keresGombok_[i], &QToolButton::clicked, this, [this, g] { Keres(g); });
        kg->addWidget(keresGombok_[i]);
    }
    kp->addLayout(kg);
    connect(keresBox_, &QComboBox::activated, this, &TBontLista::KeresBoxSelect);
    fo->addWidget(keresPanel_);
    keresPanel_->hide();
    KeresCimkeFrissites();
}

TBontLista::~TBontLista() = default;

void TBontLista::BontListaStart(const TBontas& b, const ListaTicket& t, bool pelda,
                                SzelvenySzinek szinek) {
    pelda_ = pelda;
    ticket_ = t;
    szinek_ = szinek;
    seged_.reset();
    modell_.Betoltes(BontasAdatai(b, t.Fix), &b.TaroltHuzasok());
    racs_->SetModell(&modell_);
    setWindowTitle(Qs(ListaFelirat(pelda)));
    Meretezes();
    seged_ = std::make_unique<TBontSzelveny>(parentWidget(), modell_.Adat(), EloszlasMindenSorra(b),
                                             pelda, t.Allando, t.Veletlen, szinek);
    show();
    raise();
    racs_->setFocus();
    // A new list starts with its first row selected.
    racs_->Kivalaszt(0);
    seged_->Szelveny().move(geometry().topRight() + QPoint(12, 0));
    seged_->Szelveny().setVisible(segedLathato_);
    LapozoAllapot();
}

void TBontLista::BontTablaTorles() {
    KeresPanelKi();
    seged_.reset();
    modell_.Torles();
    racs_->SetModell(&modell_);
    hide();
}

void TBontLista::Meretezes() {
    // At most 16 grid rows show; more rows bring the vertical scroll bar.
    const auto sorok =
        static_cast<int>(std::min<std::int64_t>(modell_.Sorok() + 1, LathatoRacsSorok));
    int szeles = 2 * racs_->frameWidth() + racs_->TeljesSzelesseg();
    if (modell_.Sorok() + 1 > LathatoRacsSorok)
        szeles += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    racs_->setFixedSize(szeles, sorok * TBontRacs::SorMagassag + 2 * racs_->frameWidth());
    Igazitas();
}

void TBontLista::Igazitas() {
    // The grid has the size of its figures, so the window has no size of its own to drag (a
    // window manager then draws no resize handle under it); the search panel grows it.
    layout()->activate();
    setFixedSize(sizeHint());
}

void TBontLista::Kivalaszt(std::int32_t sor) {
    if (sor < 0 || sor >= modell_.Sorok()) return;
    racs_->Kivalaszt(sor);
}

void TBontLista::BontTablaSelectCell(std::int32_t sor) {
    if (seged_) seged_->SzelvKijelzes(sor);
    LapozoAllapot();
    if (keresPanel_->isVisible()) {
        TovabbVisszaAllapot();
        KeresCimkeFrissites();
    }
}

void TBontLista::Lapozas(ListaLepes l) {
    if (modell_.Ures()) return;
    racs_->Kivalaszt(Lepes(l, racs_->Kivalasztott(), modell_.Sorok(), racs_->LathatoSorok()));
}

void TBontLista::LapozoAllapot() {
    const auto n = static_cast<std::int32_t>(modell_.Sorok());
    const std::int32_t s = Kivalasztott();
    const bool nemFer = n + 1 > LathatoRacsSorok;
    lapozok_[0]->setEnabled(nemFer && s > 0);
    lapozok_[1]->setEnabled(nemFer && s > 0);
    lapozok_[2]->setEnabled(nemFer && s < n - 1);
    lapozok_[3]->setEnabled(nemFer && s < n - 1);
}

void TBontLista::KeresPanelBe(TalalatKereses kereses) {
    kereses_ = std::move(kereses);
    keresKurzor_ = -1;
    keresBox_->clear();
    for (const auto& e : kereses_.Elemek()) keresBox_->addItem(Qs(e.Szoveg));
    keresPanel_->show();
    Igazitas();
    TovabbVisszaAllapot();
    KeresCimkeFrissites();
}

void TBontLista::KeresPanelKi() {
    if (!keresPanel_->isVisible()) return;
    keresPanel_->hide();
    keresKurzor_ = -1;
    kereses_ = {};
    Igazitas();
}

void TBontLista::KeresBoxSelect(int elem) {
    if (elem < 0) return;
    kereses_.Valaszt(static_cast<std::size_t>(elem));
    if (keresBox_->currentIndex() != elem) keresBox_->setCurrentIndex(elem);
    Keres(KeresGomb::Elso);
}

void TBontLista::Keres(KeresGomb g) {
    const std::int32_t cel = kereses_.Lepes(g, Kivalasztott());
    if (cel < 0) return;
    keresKurzor_ = cel;
    Kivalaszt(cel);
    TovabbVisszaAllapot();
    KeresCimkeFrissites();
}

void TBontLista::TovabbVisszaAllapot() {
    const std::int32_t s = Kivalasztott();
    for (std::size_t i = 0; i < 4; ++i) {
        const auto g = static_cast<KeresGomb>(i);
        const QString sugo = Qs(kereses_.Sugo(g, s));
        keresGombok_[i]->setEnabled(kereses_.Engedve(g, s));
        keresGombok_[i]->setToolTip(sugo.trimmed());
        keresGombok_[i]->setStatusTip(sugo);
    }
}

void TBontLista::KeresCimkeFrissites() {
    QPalette p = keresCimke_->palette();
    const bool talalt =
        keresPanel_->isVisible() && keresKurzor_ >= 0 && keresKurzor_ == Kivalasztott();
    p.setColor(QPalette::Window, talalt ? QColor(0, 128, 128) : GombFelulet);
    p.setColor(QPalette::WindowText, talalt ? QColor(Qt::white) : KeresCimkeSzin);
    keresCimke_->setPalette(p);
    QString szoveg = QStringLiteral("Keresett számsor");
    if (keresPanel_->isVisible() && kereses_.TobbElem() && !keresBox_->view()->isVisible() &&
        Kivalasztott() >= 0)
        szoveg += QStringLiteral(": %1 találat").arg(Qs([&] {
            const int t = kereses_.SorTalalat(Kivalasztott());
            return t < 0 ? std::string("5+1") : std::to_string(t);
        }()));
    keresCimke_->setText(szoveg);
}

std::vector<int> TBontLista::KivalasztottSzamsor() const {
    std::vector<int> v;
    const auto& a = modell_.Adat();
    const std::int32_t sor = Kivalasztott();
    if (modell_.Ures() || sor < 0 || sor >= a.Sorok) return v;
    for (int k = 0; k < a.Szelesseg; ++k)
        v.push_back(a.Szam(static_cast<std::uint8_t>(a.Bejegyzes(sor, k))));
    for (int k = 0; k < a.FixDb(); ++k) v.push_back(a.FixSzamok[static_cast<std::size_t>(k)]);
    return v;
}

void TBontLista::ParancsAllapot(Parancs p, bool engedve, const QString& sugo) {
    if (QToolButton* g = ParancsGomb(p)) {
        g->setEnabled(engedve);
        g->setToolTip(sugo.trimmed());
        g->setStatusTip(sugo);
    }
}

QToolButton* TBontLista::ParancsGomb(Parancs p) const {
    for (const auto& [q, g] : parancsGombok_)
        if (q == p) return g;
    return nullptr;
}

void TBontLista::SegedValtas() {
    segedLathato_ = !segedLathato_;
    if (seged_) seged_->Szelveny().setVisible(segedLathato_);
    segedGomb_->setIcon(style()->standardIcon(segedLathato_ ? QStyle::SP_TitleBarShadeButton
                                                            : QStyle::SP_TitleBarUnshadeButton));
    const QString sugo = segedLathato_ ? QStringLiteral(" Segédszelvény elrejtése. ")
                                       : QStringLiteral(" Segédszelvény megjelenítése. ");
    segedGomb_->setToolTip(sugo.trimmed());
    segedGomb_->setStatusTip(sugo);
}

void TBontLista::closeEvent(QCloseEvent* e) {
    seged_.reset();
    QWidget::closeEvent(e);
}

void TBontLista::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LapozoAllapot();
}

} // namespace varion::ui
