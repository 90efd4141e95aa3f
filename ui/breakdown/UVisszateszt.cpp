#include "breakdown/UVisszateszt.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "breakdown/UBontMegsz.h"
#include "breakdown/UVisszatesztGrafikon.h"

namespace varion::ui {

namespace {

// The odds enumerate the marked numbers' subsets against every ticket; past this many
// kernel passes (a minute or more) they are left out and the window says so.
constexpr double EselyMunkaHatar = 6e10;

QString Sorok(const std::vector<std::string>& s) {
    QStringList l;
    for (const auto& x : s) l << Qs(x);
    return l.join(QLatin1Char('\n'));
}

QTableWidget* Tabla(QWidget* szulo, const std::array<std::string_view, 4>& fejlec,
                    const QString& nev) {
    auto* t = new QTableWidget(0, 4, szulo);
    QStringList f;
    for (const auto h : fejlec) f << Qs(h);
    t->setHorizontalHeaderLabels(f);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->setAccessibleName(nev);
    t->setMinimumHeight(150);
    return t;
}

void Kitoltes(QTableWidget* t, const std::vector<std::array<std::string, 4>>& sorok) {
    t->setRowCount(static_cast<int>(sorok.size()));
    for (int r = 0; r < static_cast<int>(sorok.size()); ++r)
        for (int c = 0; c < 4; ++c) {
            auto* i = new QTableWidgetItem(
                Qs(sorok[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
            if (c > 0) i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c, i);
        }
}

QSpinBox* Huzas(QWidget* szulo, const QString& nev) {
    auto* s = new QSpinBox(szulo);
    s->setAccessibleName(nev);
    s->setToolTip(nev);
    return s;
}

} // namespace

TVisszateszt::TVisszateszt(QWidget* szulo, Uzenetek& u)
    : QWidget(szulo, Qt::Window), u_(u), osszegzes_(new QLabel(this)),
      varhatoCimke_(new QLabel(this)), elso_(Huzas(this, QStringLiteral("Első húzás"))),
      utolso_(Huzas(this, QStringLiteral("Utolsó húzás"))),
      szamitas_(new QPushButton(QStringLiteral("Számítás"), this)),
      osztalyTabla_(Tabla(this, VisszatesztFejlec, QStringLiteral("Találati osztályok"))),
      eselyTabla_(Tabla(this, EselyFejlec, QStringLiteral("Esélyek egy játékra"))),
      grafikonok_(new TVisszatesztGrafikonok(this)) {
    setWindowTitle(QString::fromUtf8(VisszatesztFelirat));
    setObjectName(QStringLiteral("Visszateszt"));
    setAccessibleName(QString::fromUtf8(VisszatesztFelirat).trimmed());
    // The labels are read by their text.
    osszegzes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    szamitas_->setAccessibleName(QStringLiteral("Számítás"));
    szamitas_->setToolTip(QStringLiteral("A bontás visszatesztelése a kijelölt húzásokon."));
    connect(szamitas_, &QPushButton::clicked, this, &TVisszateszt::Szamitas);
    auto* mentes = new QPushButton(QStringLiteral("Mentés..."), this);
    mentes->setAccessibleName(QStringLiteral("Mentés"));
    mentes->setToolTip(QStringLiteral("A táblázatok (CSV) vagy a grafikonok (PNG, PDF) mentése."));
    connect(mentes, &QPushButton::clicked, this, &TVisszateszt::MentesKeres);
    auto* kilepes = new QPushButton(QStringLiteral("Kilépés"), this);
    kilepes->setAccessibleName(QStringLiteral("Kilépés"));
    connect(kilepes, &QPushButton::clicked, this, &QWidget::close);

    auto* fo = new QVBoxLayout(this);
    auto* felso = new QHBoxLayout;
    felso->addWidget(new QLabel(QStringLiteral("Első húzás:"), this));
    felso->addWidget(elso_);
    felso->addWidget(new QLabel(QStringLiteral("Utolsó húzás:"), this));
    felso->addWidget(utolso_);
    felso->addWidget(szamitas_);
    felso->addStretch();
    felso->addWidget(mentes);
    felso->addWidget(kilepes);
    fo->addLayout(felso);
    auto* kozep = new QGridLayout;
    kozep->addWidget(osszegzes_, 0, 0);
    kozep->addWidget(osztalyTabla_, 0, 1);
    kozep->addWidget(varhatoCimke_, 1, 0);
    kozep->addWidget(eselyTabla_, 1, 1);
    kozep->setColumnStretch(1, 3);
    fo->addLayout(kozep);
    fo->addWidget(grafikonok_, 1);
    resize(1180, 780);
}

TVisszateszt::~TVisszateszt() = default;

void TVisszateszt::Start(VisszatesztForras forras) {
    forras_ = std::move(forras);
    const int n = forras_.Huzasok ? forras_.Huzasok->HuzasDb() : 0;
    for (auto* s : {elso_, utolso_}) s->setRange(n > 0 ? 1 : 0, n);
    elso_->setValue(n > 0 ? 1 : 0);
    utolso_->setValue(n);
    eselyKesz_ = false;
    show();
    raise();
    activateWindow();
    Szamitas();
}

void TVisszateszt::Szamitas() {
    // Until the progress appears, the window still takes clicks: one run at a time.
    if (!forras_.Huzasok || fut_) return;
    fut_ = true;
    szamitas_->setEnabled(false);
    tartomany_ = {std::min(elso_->value(), utolso_->value()),
                  std::max(elso_->value(), utolso_->value())};
    const bool eselyKell = !eselyKesz_;
    const bool eselyBelefer = EselyMunka(forras_.Bontas) <= EselyMunkaHatar;
    // The counting runs on a worker; the modal progress only appears when it takes longer
    // than a moment, and its Stop asks the worker to finish early.
    auto folyamat = std::make_shared<Folyamat>();
    auto eredmeny = std::make_shared<VisszatesztEredmeny>();
    auto esely = std::make_shared<EselyEredmeny>();
    const VisszatesztForras* f = &forras_;
    const Tartomany t = tartomany_;
    QThread* szal = QThread::create([=] {
        *eredmeny =
            Visszateszt(f->Bontas, *f->Huzasok, f->Nyeremenyek, t, f->JegyAr, folyamat.get());
        if (eselyKell && eselyBelefer && !folyamat->Megallitas) {
            folyamat->Kesz = 0;
            *esely = Eselyek(f->Bontas, folyamat.get());
        }
    });
    QProgressDialog haladas(QStringLiteral("Visszatesztelés folyamatban..."),
                            QStringLiteral("Leállítás"), 0, 1000, this);
    haladas.setWindowTitle(QString::fromUtf8(VisszatesztFelirat));
    haladas.setWindowModality(Qt::ApplicationModal);
    haladas.setMinimumDuration(400);
    haladas.setAutoClose(false);
    haladas.setAutoReset(false);
    QTimer ora;
    connect(&ora, &QTimer::timeout, &haladas, [&] {
        const auto osszes = folyamat->Osszes.load();
        if (osszes > 0) haladas.setValue(static_cast<int>(1000 * folyamat->Kesz.load() / osszes));
    });
    connect(&haladas, &QProgressDialog::canceled, &haladas, [&] { folyamat->Megallitas = true; });
    QEventLoop varakozas;
    connect(szal, &QThread::finished, &varakozas, &QEventLoop::quit);
    szal->start();
    ora.start(100);
    varakozas.exec(); // the window thread keeps serving events, never blocked on the worker
    ora.stop();
    szal->deleteLater();
    // Closing the dialog reports a cancel: only the player's Stop counts.
    const bool megallitva = folyamat->Megallitas.load();
    haladas.disconnect(&haladas);
    haladas.close();
    fut_ = false;
    szamitas_->setEnabled(true);
    eredmeny_ = std::move(*eredmeny);
    if (eselyKell && eselyBelefer && !esely->Megszakitva && !megallitva) {
        esely_ = std::move(*esely);
        eselyKesz_ = true;
    } else if (eselyKell) {
        esely_ = {};
    }
    Kijelzes();
    if (eselyKell && !eselyBelefer)
        varhatoCimke_->setText(QStringLiteral("Az esélyek pontos számítása ennél a bontásnál\n"
                                              "túl hosszú lenne; a visszateszt elkészült."));
}

void TVisszateszt::Kijelzes() {
    osszegzes_->setText(Sorok(VisszatesztOsszegzes(eredmeny_, tartomany_)));
    Kitoltes(osztalyTabla_, VisszatesztTablazat(eredmeny_));
    if (eselyKesz_ && forras_.Huzasok) {
        const auto atlag = AtlagosNyeremenyek(forras_.Nyeremenyek, *forras_.Huzasok, tartomany_);
        Kitoltes(eselyTabla_, EselyTablazat(esely_, atlag));
        varhato_ = VarhatoNyeremeny(esely_, atlag, forras_.JegyAr);
        std::vector<std::string> s{
            "Egy játék (" + EzresTagolas(double(esely_.Szelvenyek), 0) + " szelvény" +
            (esely_.SorsolasJatekonkent == 2 ? ", a hét két sorsolása" : "") + "):"};
        for (auto& x : VarhatoSorok(varhato_)) s.push_back(std::move(x));
        varhatoCimke_->setText(Sorok(s));
    } else {
        eselyTabla_->setRowCount(0);
    }
    grafikonok_->Kijelzes(eredmeny_);
}

bool TVisszateszt::CsvMentes(const QString& fajl) const {
    std::string s;
    for (const auto& x : VisszatesztOsszegzes(eredmeny_, tartomany_)) s += x + "\n";
    s += "\n";
    for (std::size_t i = 0; i < VisszatesztFejlec.size(); ++i) {
        if (i) s += ';';
        s += VisszatesztFejlec[i];
    }
    s += "\n";
    for (const auto& r : VisszatesztTablazat(eredmeny_))
        s += r[0] + ";" + r[1] + ";" + r[2] + ";" + r[3] + "\n";
    s += '\n';
    s += VisszatesztCsv(eredmeny_);
    QFile f(fajl);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(s.data(), static_cast<qint64>(s.size())) == static_cast<qint64>(s.size());
}

bool TVisszateszt::GrafikonMentes(int melyik, const QString& fajl) const {
    return grafikonok_->Mentes(melyik, fajl);
}

void TVisszateszt::MentesKeres() {
    QString szuro;
    const QString fajl = QFileDialog::getSaveFileName(
        this, QStringLiteral("Visszateszt mentése"), QString(),
        QStringLiteral("Táblázat (*.csv);;Összesített grafikon (*.png *.pdf);;Osztályok "
                       "grafikonja (*.png *.pdf)"),
        &szuro);
    if (fajl.isEmpty()) return;
    bool ok = false;
    if (szuro.startsWith(QStringLiteral("Táblázat")))
        ok = CsvMentes(fajl);
    else
        ok = GrafikonMentes(szuro.startsWith(QStringLiteral("Összesített")) ? 0 : 1, fajl);
    if (!ok) u_.HibaUzenet("Nem sikerült menteni az állományt:\r" + fajl.toStdString());
}

} // namespace varion::ui
