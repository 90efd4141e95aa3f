#include "game/UVelSzam.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "game/UFoszelveny.h"

namespace varion::ui {

TVelSzam::TVelSzam(QWidget* szulo, Uzenetek& u)
    : QDialog(szulo, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      u_(u) {
    setWindowTitle(QStringLiteral("  Véletlen számok kijelölése"));
    auto* cimke = new QLabel(QStringLiteral("Véletlen számok mennyisége"), this);
    edit_ = new QLineEdit(QStringLiteral("2"), this);
    edit_->setMaxLength(2);
    edit_->setFixedWidth(36);
    edit_->setAlignment(Qt::AlignRight);
    cimke->setBuddy(edit_);
    fel_ = new QToolButton(this);
    le_ = new QToolButton(this);
    fel_->setArrowType(Qt::UpArrow);
    le_->setArrowType(Qt::DownArrow);
    for (auto* g : {fel_, le_}) {
        g->setFixedSize(16, 11);
        g->setAutoRepeat(true);
        g->setFocusPolicy(Qt::NoFocus);
    }
    auto* ud = new QVBoxLayout;
    ud->setSpacing(0);
    ud->addWidget(fel_);
    ud->addWidget(le_);
    auto* sor = new QHBoxLayout;
    sor->addWidget(cimke);
    sor->addStretch();
    sor->addWidget(edit_);
    sor->setSpacing(6);
    sor->addLayout(ud);
    kijeloles_ = new QPushButton(QStringLiteral("Kijelölés"), this);
    megse_ = new QPushButton(QStringLiteral("Mégse"), this);
    kijeloles_->setDefault(true);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch();
    gombok->addWidget(kijeloles_);
    gombok->addWidget(megse_);
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(12, 12, 12, 10);
    fo->addLayout(sor);
    fo->addSpacing(8);
    fo->addLayout(gombok);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& s) {
        const QByteArray b = s.toUtf8();
        const std::string uj = VelSzamSzovegValtozas(
            std::string_view(b.constData(), static_cast<std::size_t>(b.size())), t_.Maximum);
        if (Qs(uj) != s) edit_->setText(Qs(uj));
    });
    connect(edit_, &QLineEdit::editingFinished, this, &TVelSzam::Elhagyas);
    connect(fel_, &QToolButton::clicked, this, [this] { Leptetes(1); });
    connect(le_, &QToolButton::clicked, this, [this] { Leptetes(-1); });
    connect(kijeloles_, &QPushButton::clicked, this, &TVelSzam::Kijeloles);
    connect(megse_, &QPushButton::clicked, this, &QDialog::reject);
}

void TVelSzam::Elokeszites(TFoszelvenyAblak& foszelveny, std::function<bool()> eldobhato) {
    foszelveny_ = &foszelveny;
    eldobhato_ = std::move(eldobhato);
    const auto& f = foszelveny.Foszelveny();
    t_ = VelSzamHatarok(f.MaxSzam() - f.Szamok().Kijelolve());
    pozicio_ = t_.Minimum;
    edit_->setText(QString::number(t_.Minimum));
    const QString sugo = Qs(SortoresekCsereje(VelSzamSugo(t_)));
    edit_->setToolTip(sugo);
    fel_->setToolTip(sugo);
    le_->setToolTip(sugo);
}

void TVelSzam::Start(TFoszelvenyAblak& foszelveny, std::function<bool()> eldobhato) {
    Elokeszites(foszelveny, std::move(eldobhato));
    if (const QScreen* k = QGuiApplication::primaryScreen())
        move(k->availableGeometry().center() - rect().center());
    exec();
}

void TVelSzam::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    edit_->setFocus();
    edit_->selectAll();
}

bool TVelSzam::eventFilter(QObject* o, QEvent* e) {
    if (o == edit_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (k->key() == Qt::Key_Up) {
            Leptetes(1);
            return true;
        }
        if (k->key() == Qt::Key_Down) {
            Leptetes(-1);
            return true;
        }
        // Typed characters other than digits and backspace never reach the edit.
        if (!t.isEmpty() && t.at(0).isPrint() &&
            !VelSzamBillentyuEngedett(static_cast<char32_t>(t.at(0).unicode())))
            return true;
    }
    return QDialog::eventFilter(o, e);
}

void TVelSzam::Leptetes(int irany) {
    pozicio_ = std::clamp(pozicio_ + irany, t_.Minimum, t_.Maximum);
    edit_->setText(QString::number(pozicio_));
}

void TVelSzam::Elhagyas() {
    const QByteArray b = edit_->text().toUtf8();
    const std::string_view s(b.constData(), static_cast<std::size_t>(b.size()));
    if (VelSzamElhagyasHibas(s, t_)) {
        if (isVisible()) u_.ParameterHiba();
        pozicio_ = t_.Minimum;
        edit_->setText(QString::number(t_.Minimum));
    } else {
        pozicio_ = VelSzamErtek(s, t_);
    }
}

void TVelSzam::Kijeloles() {
    Elhagyas();
    const QByteArray b = edit_->text().toUtf8();
    const int db =
        VelSzamErtek(std::string_view(b.constData(), static_cast<std::size_t>(b.size())), t_);
    if (foszelveny_ && db > 0 && (!eldobhato_ || eldobhato_())) {
        auto& f = foszelveny_->Foszelveny();
        const int cel = f.Szamok().Kijelolve() + db;
        foszelveny_->Szelveny().Letilt();
        // Each round marks one number; the bound keeps a refused mark from looping forever.
        for (int i = 0; i < db && f.Szamok().Kijelolve() < cel; ++i) f.EgyVeletlenSzam();
        foszelveny_->Szelveny().Engedelyez();
        foszelveny_->Megjelenites();
    }
    accept();
}

} // namespace varion::ui
