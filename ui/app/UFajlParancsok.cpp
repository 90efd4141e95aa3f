#include "app/UFajlParancsok.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include "breakdown/UBontMegsz.h"

#include "app/UListaParancsok.h"
#include "app/UUzenetek.h"
#include "app/UVarion.h"
#include "game/UFoszelveny.h"

namespace varion::ui {

namespace fs = std::filesystem;

namespace {

fs::path Utvonal(const QString& s) {
    return fs::path(s.toStdU16String());
}

} // namespace

TFajlParancsok::TFajlParancsok(TFoablak& foablak, Uzenetek& u)
    : QObject(&foablak), f_(foablak), u_(u) {}

AllomanyKornyezet TFajlParancsok::Kornyezet() {
    return {f_.Foszelveny()->Foszelveny(),
            f_.Feltetelek(),
            f_.Bontas(),
            f_.Tartomanyok(),
            f_.VanAdatbazis(),
            f_.VanAdatbazis() ? f_.Huzasok().HuzasDb() : 0};
}

std::optional<TFajlParancsok::Valasztas> TFajlParancsok::Parbeszed(const varion::Parbeszed& p,
                                                                   bool mentes) {
    std::string& iniDir = f_.BeallitasokIr().IniDirJatek(f_.Jatek());
    QFileDialog d(&f_, Qs(p.Cim),
                  QString::fromStdU16String(ElsoMappa(iniDir, f_.JatekKonyvtar()).u16string()));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(mentes ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The program speaks Hungarian; without an installed Qt translation the dialog would not.
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Hely:"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Állománynév:"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Állománytípus:"));
    d.setLabelText(QFileDialog::Accept,
                   mentes ? QStringLiteral("Mentés") : QStringLiteral("Megnyitás"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Mégse"));
    d.resize(760, 460); // room for the size and date columns
    // The date column takes the width left over, so its Hungarian title is not cut off.
    if (auto* nezet = d.findChild<QTreeView*>()) nezet->header()->setStretchLastSection(true);
    d.setFileMode(mentes ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList szurok;
    for (const auto& s : p.Szurok) szurok << Qs(s.Nev);
    d.setNameFilters(szurok);
    d.selectNameFilter(szurok.value(p.SzuroIndex - 1));
    if (!p.Kiterjesztes.empty()) {
        d.setDefaultSuffix(Qs(p.Kiterjesztes));
        // A name typed without an extension gets the type of the filter in view.
        connect(&d, &QFileDialog::filterSelected, &d, [&d](const QString& s) {
            d.setDefaultSuffix(s.contains(QLatin1String("*.top")) ? QStringLiteral("top")
                                                                  : QStringLiteral("tip"));
        });
    }
    if (ParbeszedFigyelo) ParbeszedFigyelo(d);
    std::optional<Valasztas> v;
    if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty())
        v = Valasztas{Utvonal(d.selectedFiles().first()),
                      static_cast<int>(szurok.indexOf(d.selectedNameFilter())) + 1};
    iniDir = MappaUtana(v ? std::optional(v->Fajl) : std::nullopt, f_.JatekKonyvtar());
    return v;
}

bool TFajlParancsok::Megnyitas() {
    auto* ablak = f_.Foszelveny();
    if (!ablak) return false;
    if (MegnyitasElottMentes(ablak->Foszelveny(), u_)) Mentes(MentesTipus::Nincs);
    const auto v = Parbeszed(MegnyitasParbeszed(), false);
    if (!v) return false;
    auto k = Kornyezet();
    std::optional<FajlTipus> t;
    ablak->Parancs([&](TFoszelveny&) { t = varion::Megnyitas(v->Fajl, k, u_); });
    if (t) BetoltesUtan(*t);
    f_.ParancsokSzinkron();
    return t.has_value();
}

bool TFajlParancsok::Betoltes(const QString& fajl) {
    auto* ablak = f_.Foszelveny();
    if (!ablak || fajl.isEmpty() || FajlTipusa(fajl.toStdString()) == FajlTipus::Egyeb)
        return false;
    auto k = Kornyezet();
    std::optional<FajlTipus> t;
    ablak->Parancs([&](TFoszelveny&) { t = FajlBetoltese(Utvonal(fajl), k, u_); });
    if (t) BetoltesUtan(*t);
    f_.ParancsokSzinkron();
    return t.has_value();
}

void TFajlParancsok::BetoltesUtan(FajlTipus t) {
    auto& ticket = f_.Foszelveny()->Foszelveny();
    f_.SzamsorrendKijelzes(ticket.Szamok().GetSzamsorrend());
    if (t == FajlTipus::Top) {
        f_.Allapot().VanNincsBontas(true);
        if (f_.GetBeallitasok().SzelvZarStatus)
            f_.Foszelveny()->Parancs([](TFoszelveny& sz) { sz.Zarolas(); });
    }
    if (FeltetelekMutatasa) FeltetelekMutatasa();
}

bool TFajlParancsok::Mentes(MentesTipus elore) {
    auto* ablak = f_.Foszelveny();
    if (!ablak) return false;
    const bool vanBontas = f_.Bontas().GetBontStatus() != 0;
    const auto v = Parbeszed(MentesParbeszed(elore, vanBontas), true);
    if (!v) return false;
    auto k = Kornyezet();
    const bool jo = varion::Mentes(v->Fajl, BontasMentendo(elore, vanBontas, v->SzuroIndex), k, u_);
    f_.ParancsokSzinkron();
    return jo;
}

void TFajlParancsok::Visszatoltes() {
    auto* ablak = f_.Foszelveny();
    if (!ablak) return;
    auto k = Kornyezet();
    VisszatoltesEredmeny e;
    ablak->Parancs([&](TFoszelveny&) {
        e = varion::Visszatoltes(f_.ProgramKonyvtar(), k, f_.BackupEngedve(), u_);
    });
    if (e.Betoltve) {
        f_.SzamsorrendKijelzes(ablak->Foszelveny().Szamok().GetSzamsorrend());
        if (!e.VanMasik) f_.Allapot().Beallit(Parancs::Visszatoltes, false, VisszatoltveSugo);
        if (FeltetelekMutatasa) FeltetelekMutatasa();
    }
    f_.ParancsokSzinkron();
}

void TFajlParancsok::BackMentese() {
    if (!f_.Foszelveny()) return;
    if (const auto a = BackFelvetel(Kornyezet(), f_.BackupEngedve())) {
        BackIras(f_.ProgramKonyvtar(), *a, u_);
    } else {
        VisszatoltesKinalasa();
    }
}

void TFajlParancsok::VisszatoltesKinalasa() {
    if (!f_.Allapot()[Parancs::Visszatoltes].Engedelyezve &&
        VanElmentettUtolsoBontas(f_.ProgramKonyvtar(), f_.Jatek()))
        f_.Allapot().Beallit(Parancs::Visszatoltes, true, VisszatoltesSugo);
}

bool TFajlParancsok::BontasEldobhato() {
    if (!f_.Foszelveny()) return BontTorlesEng2(f_.Bontas(), f_.Feltetelek(), false, u_);
    auto k = Kornyezet();
    const bool igen = BontasEldobasa(k, f_.ProgramKonyvtar(), f_.BackupEngedve(), u_);
    // The row just kept can be reloaded from now on.
    if (igen && f_.Bontas().GetBontStatus() == 0) VisszatoltesKinalasa();
    return igen;
}

bool TFajlParancsok::KilepesElottiMentes() {
    auto* ablak = f_.Foszelveny();
    if (!ablak || ablak->Foszelveny().TorlesJovahagyas()) return true;
    return Mentes(MentesTipus::Nincs);
}

} // namespace varion::ui
