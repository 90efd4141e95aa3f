#include "draws/UHuzSzama.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "game/SzelvenyGeometria.h"

namespace varion::ui {

namespace {

std::string Szoveg(const QLineEdit* e) {
    return e->text().toStdString();
}

QString Sorok(const std::string& s) {
    QString q = Qs(s);
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

} // namespace

THuzSzama::THuzSzama(QWidget* szulo, Uzenetek& u)
    : QDialog(szulo, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      u_(u) {
    setWindowTitle(Qs(HuzasSzamaFelirat));
    cim_ = new QLabel(this);
    cim_->setAlignment(Qt::AlignCenter);
    cim_->setFrameShape(QFrame::Panel);
    cim_->setFrameShadow(QFrame::Raised);
    cim_->setMinimumHeight(24);
    QFont f = cim_->font();
    f.setBold(true);
    cim_->setFont(f);
    elsoCimke_ = new QLabel(QStringLiteral("Első lottóhúzás"), this);
    utolsoCimke_ = new QLabel(QStringLiteral("Utolsó lottóhúzás"), this);
    elso_ = new QLineEdit(this);
    utolso_ = new QLineEdit(this);
    auto* racs = new QGridLayout;
    int sor = 0;
    for (auto [cimke, edit, fel, le] :
         {std::tuple{elsoCimke_, elso_, &elsoFel_, &elsoLe_},
          std::tuple{utolsoCimke_, utolso_, &utolsoFel_, &utolsoLe_}}) {
        edit->setFixedWidth(56);
        edit->setAlignment(Qt::AlignRight);
        edit->installEventFilter(this);
        *fel = new QToolButton(this);
        *le = new QToolButton(this);
        (*fel)->setArrowType(Qt::UpArrow);
        (*le)->setArrowType(Qt::DownArrow);
        auto* ud = new QVBoxLayout;
        ud->setSpacing(0);
        for (auto* g : {*fel, *le}) {
            g->setFixedSize(16, 11);
            g->setAutoRepeat(true);
            g->setFocusPolicy(Qt::NoFocus);
            ud->addWidget(g);
        }
        racs->addWidget(cimke, sor, 0);
        racs->addWidget(edit, sor, 1);
        racs->addLayout(ud, sor, 2);
        ++sor;
    }
    mind_ = new QCheckBox(QStringLiteral("Minden húzás"), this);
    racs->addWidget(mind_, sor, 0, 1, 3);
    rendben_ = new QPushButton(QStringLiteral("Rendben"), this);
    megsem_ = new QPushButton(QStringLiteral("Mégse"), this);
    rendben_->setDefault(true);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch();
    gombok->addWidget(rendben_);
    gombok->addWidget(megsem_);
    auto* fo = new QVBoxLayout(this);
    // A fixed size: the window manager offers no maximise and no resizing.
    fo->setSizeConstraint(QLayout::SetFixedSize);
    fo->addStrut(290); // wide enough for the caption
    fo->setContentsMargins(10, 10, 10, 10);
    fo->addWidget(cim_);
    fo->addLayout(racs);
    fo->addLayout(gombok);
    setFixedWidth(290);

    connect(elso_, &QLineEdit::editingFinished, this, [this] {
        ElsoEllenorzes();
        Panel2Exit();
    });
    connect(utolso_, &QLineEdit::editingFinished, this, [this] {
        UtolsoEllenorzes();
        Panel2Exit();
    });
    auto lep = [this](bool elso, int irany) {
        const Tartomany most = Ertekek();
        const int n = t_.HuzasDb();
        Kiir(elso ? ElsoLeptetes(most.Elso + irany, most.Utolso, n)
                  : UtolsoLeptetes(most.Elso, most.Utolso + irany, n));
        Panel2Exit();
    };
    connect(elsoFel_, &QToolButton::clicked, this, [lep] { lep(true, 1); });
    connect(elsoLe_, &QToolButton::clicked, this, [lep] { lep(true, -1); });
    connect(utolsoFel_, &QToolButton::clicked, this, [lep] { lep(false, 1); });
    connect(utolsoLe_, &QToolButton::clicked, this, [lep] { lep(false, -1); });
    // Ticking the box sets every draw; unticking it leaves the box unticked until the range
    // is changed again.
    connect(mind_, &QCheckBox::clicked, this, [this](bool be) {
        if (be) MindenHuzas();
    });
    connect(rendben_, &QPushButton::clicked, this, &THuzSzama::Rendben);
    connect(megsem_, &QPushButton::clicked, this, [this] {
        ellenoriz_ = false;
        reject();
    });
}

Tartomany THuzSzama::Ertekek() const {
    return {elso_->text().toInt(), utolso_->text().toInt()};
}

void THuzSzama::Kiir(Tartomany t) {
    elso_->setText(QString::number(t.Elso));
    utolso_->setText(QString::number(t.Utolso));
}

void THuzSzama::Elokeszites(TartomanyFajta tag) {
    tag_ = tag;
    const int n = t_.HuzasDb();
    const int jegyek = static_cast<int>(std::to_string(std::max(n, 1)).size());
    elso_->setMaxLength(jegyek);
    utolso_->setMaxLength(jegyek);
    Kiir(t_.Get(tag));
    cim_->setText(Qs(PanelCim(tag)));
    const int listaUtolso = t_.GetLHuzSzamaUtolso();
    const QString es = Sorok(ElsoSugo(listaUtolso));
    const QString us = Sorok(UtolsoSugo(listaUtolso));
    for (QWidget* w : {static_cast<QWidget*>(elso_), static_cast<QWidget*>(elsoFel_),
                       static_cast<QWidget*>(elsoLe_)})
        w->setToolTip(es);
    for (QWidget* w : {static_cast<QWidget*>(utolso_), static_cast<QWidget*>(utolsoFel_),
                       static_cast<QWidget*>(utolsoLe_)})
        w->setToolTip(us);
    ellenoriz_ = true;
    Panel2Exit();
}

bool THuzSzama::Start(TartomanyFajta tag) {
    Elokeszites(tag);
    return exec() == QDialog::Accepted;
}

void THuzSzama::ElsoEllenorzes() {
    const auto j = varion::ElsoEllenorzes(Szoveg(elso_), utolso_->text().toInt(), t_.HuzasDb());
    if (j.Hiba && isVisible()) u_.ParameterHiba();
    elso_->setText(QString::number(j.Ertek));
}

void THuzSzama::UtolsoEllenorzes() {
    const auto j = varion::UtolsoEllenorzes(Szoveg(utolso_), elso_->text().toInt(), t_.HuzasDb());
    if (j.Hiba && isVisible()) u_.ParameterHiba();
    utolso_->setText(QString::number(j.Ertek));
}

void THuzSzama::Panel2Exit() {
    const auto k = Kijelzes(Ertekek(), t_.HuzasDb());
    if (k.MindenHuzas && Ertekek() != TeljesTartomany(t_.HuzasDb())) {
        MindenHuzas();
        return;
    }
    mind_->setChecked(k.MindenHuzas);
    elsoCimke_->setText(Qs(k.ElsoFelirat));
    utolsoCimke_->setText(Qs(k.UtolsoFelirat));
}

void THuzSzama::MindenHuzas() {
    Kiir(Igazitas(TeljesTartomany(t_.HuzasDb()), t_.HuzasDb()));
    mind_->setChecked(true);
    elsoCimke_->setText(QStringLiteral("Első lottóhúzás"));
    utolsoCimke_->setText(QStringLiteral("Utolsó lottóhúzás"));
}

void THuzSzama::Rendben() {
    ElsoEllenorzes();
    UtolsoEllenorzes();
    Panel2Exit();
    t_.Set(tag_, Ertekek());
    ellenoriz_ = false;
    accept();
    emit Tarolva(tag_);
}

void THuzSzama::closeEvent(QCloseEvent* e) {
    if (ellenoriz_) {
        ElsoEllenorzes();
        UtolsoEllenorzes();
    }
    QDialog::closeEvent(e);
}

bool THuzSzama::eventFilter(QObject* o, QEvent* e) {
    if ((o == elso_ || o == utolso_) && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
            (o == elso_ ? (k->key() == Qt::Key_Up ? elsoFel_ : elsoLe_)
                        : (k->key() == Qt::Key_Up ? utolsoFel_ : utolsoLe_))
                ->click();
            return true;
        }
        // Only digits and backspace are typed; any other character acts as Enter.
        if (!t.isEmpty() && t.at(0).isPrint() && !t.at(0).isDigit()) {
            emit static_cast<QLineEdit*>(o)->editingFinished();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

} // namespace varion::ui
