#include "printing/UNyomtOpc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "printing/URiportKiadas.h"

namespace varion::ui {

TNyomtOpc::TNyomtOpc(QWidget* szulo, QPrinter& nyomtato, Uzenetek& u)
    : QDialog(szulo), nyomtato_(nyomtato), u_(u) {
    setWindowTitle(QStringLiteral("  Szelvények kitöltése nyomtatóval"));
    NyomtatoDialogus = AlapDialogus;
    auto* l = new QVBoxLayout(this);
    auto* doboz = new QGroupBox(QStringLiteral("Joker"), this);
    auto* dl = new QHBoxLayout(doboz);
    jokerGroup_ = new QButtonGroup(this);
    const QString feliratok[] = {QStringLiteral(" Igen"), QStringLiteral(" Nem"),
                                 QStringLiteral(" Jelöletlen")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(feliratok[i], doboz);
        jokerGroup_->addButton(r, i);
        dl->addWidget(r);
    }
    l->addWidget(doboz);
    sorszamBox_ = new QCheckBox(QStringLiteral(" Segédsorsjegyek sorszámozása"), this);
    l->addWidget(sorszamBox_);
    nyomtTulGomb_ =
        new QPushButton(QStringLiteral("Nyomtatási tartomány    -    Nyomtató tulajdonsága"), this);
    nyomtatasGomb_ = new QPushButton(QStringLiteral("Nyomtatás"), this);
    tesztGomb_ = new QPushButton(QStringLiteral("Tesztoldal nyomtatása"), this);
    megseGomb_ = new QPushButton(QStringLiteral("Mégse"), this);
    for (auto* g : {nyomtTulGomb_, tesztGomb_, nyomtatasGomb_, megseGomb_}) l->addWidget(g);
    connect(nyomtTulGomb_, &QPushButton::clicked, this,
            [this] { NyomtatoDialogus(nyomtato_, tartomany_, dbSzelv_); });
    connect(nyomtatasGomb_, &QPushButton::clicked, this, &TNyomtOpc::NyomtatasGombClick);
    connect(tesztGomb_, &QPushButton::clicked, this, &TNyomtOpc::TesztGombClick);
    connect(megseGomb_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TNyomtOpc::AlapDialogus(QPrinter& p, NyomtTartomany& t, int dbSzelv) {
    QPrintDialog d(&p);
    d.setMinMax(1, std::max(1, dbSzelv));
    d.setOption(QAbstractPrintDialog::PrintPageRange, true);
    p.setFromTo(t.Elso, t.Utolso);
    if (d.exec() != QDialog::Accepted) return false;
    if (p.printRange() == QPrinter::PageRange)
        t = TartomanyKorlatozas({p.fromPage(), p.toPage()}, dbSzelv);
    else
        t = {1, std::max(1, dbSzelv)};
    return true;
}

void TNyomtOpc::Start(const BontasRiportAdatok& a) {
    if (!VanNyomtato()) {
        u_.HibaUzenet(NincsNyomtatoSzoveg);
        return;
    }
    adatok_ = a;
    dbSzelv_ = DbSzelv(a.Bontas->Jatek(), a.Bontas->GetTaroltNyerSzelv());
    if (sorszamLog_) {
        tartomany_ = {1, std::max(1, dbSzelv_)};
        sorszamLog_ = false;
    }
    // A range kept from an earlier, larger breakdown is pulled inside this one.
    tartomany_ = TartomanyKorlatozas(tartomany_, dbSzelv_);
    jokerGroup_->button(static_cast<int>(opciok_.Joker))->setChecked(true);
    sorszamBox_->setChecked(opciok_.Sorszam);
    exec();
}

void TNyomtOpc::OpciokTarolasa() {
    opciok_.Joker = static_cast<JokerJeloles>(std::max(0, jokerGroup_->checkedId()));
    opciok_.Sorszam = sorszamBox_->isChecked();
}

void TNyomtOpc::NyomtatasGombClick() {
    switch (TartomanyEllenorzes(tartomany_)) {
    case TartomanyDontes::Tiltott:
        u_.HibaUzenet(TobbMint100Szoveg());
        return;
    case TartomanyDontes::Kerdes:
        if (!u_.FigyelmeztetoKerdes(TobbMint30Szoveg())) {
            NyomtatoDialogus(nyomtato_, tartomany_, dbSzelv_);
            return;
        }
        break;
    case TartomanyDontes::Rendben:
        break;
    }
    OpciokTarolasa();
    SzelvNyomtVez(nyomtato_, adatok_, tartomany_, opciok_, u_, Varakozas);
    accept();
}

void TNyomtOpc::TesztGombClick() {
    OpciokTarolasa();
    SzelvNyomtVez(nyomtato_, adatok_, {1, 1}, opciok_, u_, Varakozas);
}

} // namespace varion::ui
