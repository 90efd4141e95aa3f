#include "draws/UHuzKeresSzelveny.h"

#include <QApplication>
#include <QPushButton>

#include "app/UUzenetek.h"
#include "draws/UHuzLista.h"
#include "game/Jatek.h"
#include "game/USzelveny.h"

namespace varion::ui {

THuzKeresSzelveny::THuzKeresSzelveny(QWidget* foablak, const HuzasAdatbazis& db,
                                     const HuzasTartomanyok& t, THuzLista& lista, Uzenetek& u,
                                     const SzelvSzinTabla& szinek, int szinsema)
    : db_(db), t_(t), lista_(lista), u_(u) {
    szelveny_ =
        std::make_unique<TSzelveny>(foablak, db.Jatek(), SzelvFajta::SzamsorKereses, true, true,
                                    true, QStringLiteral("  Számsor keresés"), szinek, szinsema);
    szelveny_->setObjectName(QStringLiteral("KeresSzelveny"));
    if (auto* g = szelveny_->TorlesGomb()) {
        g->setText(QStringLiteral("Keresés"));
        connect(g, &QPushButton::clicked, this, &THuzKeresSzelveny::UjKereses);
    }
    if (auto* g = szelveny_->KilepesGomb())
        connect(g, &QPushButton::clicked, this, &THuzKeresSzelveny::Bezaras);
    connect(szelveny_.get(), &TSzelveny::CellaKattintas, this,
            [this](int n) { Jeloles(n, QApplication::keyboardModifiers() & Qt::ShiftModifier); });
    Megjelenites();
}

THuzKeresSzelveny::~THuzKeresSzelveny() = default;

void THuzKeresSzelveny::Jeloles(int n, bool shift) {
    if (n < 1 || n > MaxSzamJatek(db_.Jatek())) return;
    auto& sz = k_.Szamok;
    const auto it = std::find(sz.begin(), sz.end(), n);
    if (db_.Jatek() == 6 && shift) {
        if (k_.Plusz == n)
            k_.Plusz = 0;
        else if (k_.Plusz == 0 && it == sz.end())
            k_.Plusz = n;
    } else if (it != sz.end()) {
        sz.erase(it);
    } else if (k_.Plusz == n) {
        return;
    } else if (static_cast<int>(sz.size()) < db_.Jatek()) {
        sz.push_back(n);
    } else if (db_.Jatek() == 6 && k_.Plusz == 0 && pluszInfo_) {
        pluszInfo_ = false;
        u_.HasznosInfo(PluszInfoSzoveg);
    }
    Ujraszamlalas();
}

void THuzKeresSzelveny::Ujraszamlalas() {
    maszkok_.Frissites(db_);
    sz_ = Szamlalas(maszkok_, ListaTartomany(), k_);
    Megjelenites();
    const bool eleg = static_cast<int>(k_.Szamok.size()) >= db_.Jatek() - 3;
    if (eleg && sz_.VanTalalat()) {
        if (!lista_.isVisible()) lista_.Start();
        lista_.KeresPanelBe();
    } else {
        lista_.KeresPanelKi();
    }
}

void THuzKeresSzelveny::Megjelenites() {
    auto& s = *szelveny_;
    s.Alaphelyzet();
    for (int n : k_.Szamok) {
        CellaKep c = s.GetCella(n);
        c.Emelt = c.Felkover = true;
        c.Hatter = SzelvBejegyzes::Kijelolt;
        c.SzovegSzin = SzelvBejegyzes::KijeloltSzam;
        c.Sugo = QStringLiteral(" Keresett szám. ");
        s.SetCella(n, c);
    }
    if (k_.Plusz > 0) {
        CellaKep c = s.GetCella(k_.Plusz);
        c.Emelt = c.Felkover = true;
        c.Hatter = SzelvBejegyzes::Kijelolt;
        c.SzovegSzin = SzelvBejegyzes::PluszSzam;
        c.Sugo = QStringLiteral(" Keresett plusz szám. ");
        s.SetCella(k_.Plusz, c);
    }
    const int n = db_.HuzasDb();
    QString szoveg = Qs(KeresesSzoveg(db_.Jatek(), ListaTartomany(), n, k_, sz_));
    szoveg.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.SetRiport(szoveg);
    QString sugo = Qs(KeresesCimSugo(ListaTartomany(), n));
    sugo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.setToolTip(sugo.trimmed());
    if (auto* g = s.TorlesGomb())
        g->setEnabled(static_cast<int>(k_.Szamok.size()) >= db_.Jatek() - 3);
}

} // namespace varion::ui
