// The draw list's search panel: the hit classes of the open number-row search and the
// jumps between the draws of a class.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "draws/UHuzKeresSzelveny.h"
#include "draws/UHuzLista.h"
#include "draws/UHuzListaModell.h"

namespace varion::ui {

void THuzLista::KeresPanelEpites(QWidget* szulo) {
    keresPanel_ = new QWidget(szulo);
    keresPanel_->setObjectName(QStringLiteral("KeresPanel"));
    auto* l = new QVBoxLayout(keresPanel_);
    l->setContentsMargins(1, 2, 1, 2);
    l->setSpacing(2);
    keresCim_ = new QLabel(Qs(KeresPanelAlapCim), keresPanel_);
    keresCim_->setAlignment(Qt::AlignCenter);
    keresCim_->setStyleSheet(QStringLiteral("background:#006464;color:white"));
    keresBox_ = new QComboBox(keresPanel_);
    keresBox_->setObjectName(QStringLiteral("KeresBox"));
    l->addWidget(keresCim_);
    l->addWidget(keresBox_);
    auto* gl = new QHBoxLayout;
    gl->setSpacing(0);
    const std::array<const char*, 4> nevek{"ElsoreKeresGomb", "VisszaKeresGomb", "TovabbKeresGomb",
                                           "UtolsoraKeresGomb"};
    const std::array<const char*, 4> jelek{"|◀", "◀", "▶", "▶|"};
    // Until a search sets them to its class.
    const std::array<const char*, 4> sugok{" Ugrás az első találatra. ", " Előző találat. ",
                                           " Következő találat. ", " Ugrás az utolsó találatra. "};
    const std::array<KeresIrany, 4> iranyok{KeresIrany::Elso, KeresIrany::Elozo,
                                            KeresIrany::Kovetkezo, KeresIrany::Utolso};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* g = new QPushButton(QString::fromUtf8(jelek[i]), keresPanel_);
        g->setObjectName(QString::fromLatin1(nevek[i]));
        g->setToolTip(QString::fromUtf8(sugok[i]).trimmed());
        g->setFocusPolicy(Qt::NoFocus);
        gl->addWidget(g);
        keresGomb_[static_cast<std::size_t>(iranyok[i])] = g;
        const KeresIrany ir = iranyok[i];
        connect(g, &QPushButton::clicked, this, [this, ir] { KeresLepes(ir); });
    }
    l->addLayout(gl);
    connect(keresBox_, &QComboBox::activated, this, &THuzLista::KeresBoxSelect);
}

void THuzLista::KeresesKapcsolas(THuzKeresSzelveny* k) {
    kereses_ = k;
    if (!k) {
        KeresPanelKi();
        ListaAktiv();
    }
    a_.KeresesNyitva = k != nullptr;
    a_.Lista = k ? k->ListaTartomany() : Tartomany{};
    modell_->Frissites();
}

void THuzLista::KeresPanelBe() {
    if (!kereses_) return;
    a_.Lista = kereses_->ListaTartomany();
    szamlalo_ = kereses_->Szamlalo();
    if (!szamlalo_.VanTalalat()) {
        KeresPanelKi();
        return;
    }
    if (keresPanel_->isHidden() && isVisible() &&
        static_cast<int>(kereses_->Keresett().Szamok.size()) >= db_.Jatek() - 3) {
        keresPanel_->show();
        resize(width(), height() + keresPanel_->sizeHint().height());
    }
    keresBejegyzesek_ = KeresBoxBejegyzesek(db_.Jatek(), szamlalo_);
    keresBox_->clear();
    for (const auto& b : keresBejegyzesek_) keresBox_->addItem(Qs(b.Felirat));
    keresBox_->setEnabled(keresBejegyzesek_.size() > 1);
    keresBox_->setCurrentIndex(0);
    KeresBoxSelect(0);
}

void THuzLista::KeresPanelKi() {
    if (keresPanel_->isHidden()) return;
    const int h = keresPanel_->height();
    keresPanel_->hide();
    resize(width(), std::max(height() - h, minimumHeight()));
}

void THuzLista::KeresBoxSelect(int index) {
    keresTalalat_ = KeresBoxValasztas(db_.Jatek(), keresBejegyzesek_, index, szamlalo_);
    KeresLepes(KeresIrany::Elso);
    tabla_->setFocus();
}

void THuzLista::KeresLepes(KeresIrany irany) {
    if (!kereses_) return;
    maszkok_.Frissites(db_);
    const auto hely = varion::Kereses(maszkok_, kereses_->ListaTartomany(), kereses_->Keresett(),
                                      keresTalalat_, irany, a_.KijeloltHuzas - 1);
    // Past the last hit in either direction the end of that direction is shown.
    if (hely.Huzas < 0 && irany == KeresIrany::Elozo) return KeresLepes(KeresIrany::Elso);
    if (hely.Huzas < 0 && irany == KeresIrany::Kovetkezo) return KeresLepes(KeresIrany::Utolso);
    if (hely.Huzas >= 0) {
        kereses_->SetKeresettHuzas(hely.Huzas);
        Kijeloles(hely.Huzas + 1, hely.Sor == 1 ? 10 : 3);
        const int h = TalalatSzam(maszkok_, hely.Huzas, hely.Sor,
                                  Maszk(kereses_->Keresett().Szamok), kereses_->Keresett().Plusz);
        keresCim_->setText(
            Qs(KeresPanelCim(h, keresBejegyzesek_.size(), keresBox_->currentIndex())));
        keresCim_->setStyleSheet(QStringLiteral("background:#008080;color:white"));
    }
    switch (irany) {
    case KeresIrany::Elso:
        KeresGombAllapot(true, false);
        break;
    case KeresIrany::Utolso:
        KeresGombAllapot(false, true);
        break;
    case KeresIrany::Elozo:
        KeresGombAllapot(true,
                         hely.Huzas >= 0 && varion::Kereses(maszkok_, kereses_->ListaTartomany(),
                                                            kereses_->Keresett(), keresTalalat_,
                                                            KeresIrany::Elozo, hely.Huzas)
                                                    .Huzas >= 0);
        break;
    case KeresIrany::Kovetkezo:
        KeresGombAllapot(hely.Huzas >= 0 && varion::Kereses(maszkok_, kereses_->ListaTartomany(),
                                                            kereses_->Keresett(), keresTalalat_,
                                                            KeresIrany::Kovetkezo, hely.Huzas)
                                                    .Huzas >= 0,
                         true);
        break;
    }
}

void THuzLista::KeresGombAllapot(bool elore, bool vissza) {
    const auto s = KeresSugok(keresTalalat_, elore, vissza);
    keresGomb_[static_cast<std::size_t>(KeresIrany::Kovetkezo)]->setEnabled(elore);
    keresGomb_[static_cast<std::size_t>(KeresIrany::Utolso)]->setEnabled(elore);
    keresGomb_[static_cast<std::size_t>(KeresIrany::Elozo)]->setEnabled(vissza);
    keresGomb_[static_cast<std::size_t>(KeresIrany::Elso)]->setEnabled(vissza);
    keresGomb_[static_cast<std::size_t>(KeresIrany::Kovetkezo)]->setToolTip(
        Qs(s.Kovetkezo).trimmed());
    keresGomb_[static_cast<std::size_t>(KeresIrany::Utolso)]->setToolTip(Qs(s.Utolso).trimmed());
    keresGomb_[static_cast<std::size_t>(KeresIrany::Elozo)]->setToolTip(Qs(s.Elozo).trimmed());
    keresGomb_[static_cast<std::size_t>(KeresIrany::Elso)]->setToolTip(Qs(s.Elso).trimmed());
}

} // namespace varion::ui
