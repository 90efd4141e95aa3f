#include "app/UBontasParancsok.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QPushButton>
#include <QScreen>

#include "app/UFajlParancsok.h"
#include "app/UUzenetAblak.h"
#include "app/UUzenetek.h"
#include "app/UVarion.h"
#include "base/Veletlen.h"
#include "breakdown/BontListaSzovegek.h"
#include "breakdown/UBontMegsz.h"
#include "files/BontasAtadas.h"
#include "game/UFoszelveny.h"
#include "game/USzelveny.h"

namespace varion::ui {

namespace {

constexpr std::int32_t NagyBontas = 100000;

// Days since 30 December 1899, the breakdown file's date.
double MaiDatum() {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

} // namespace

BontasParancsok::BontasParancsok(TFoablak& foablak, Uzenetek& u, TUzenetAblak& uzenetAblak)
    : QObject(&foablak), fo_(foablak), u_(u), uzenetAblak_(uzenetAblak) {
    szalUzenetek_ = std::make_unique<SzalkoziUzenetek>(u_, this);
    bontasAblak_ = std::make_unique<TBontasAblak>(fo_.Bontas(), &fo_);
    feltetelek_ = std::make_unique<TFeltetelek>(fo_.Feltetelek(), u_, &fo_);
    bontasAblak_->BontasKesz = [this] {
        auto& a = fo_.Allapot();
        if (fo_.Feltetelek().FeltetelJelzo) a.FeltetelListazas(true);
        VanNincsBontas(true);
        fo_.ParancsokSzinkron();
    };
    bontasAblak_->Hatterbe = [this] { fo_.showMinimized(); };
    feltetelek_->BontasTorlesKeres = [this] {
        const bool mentve =
            fo_.Foszelveny() && fo_.Foszelveny()->Foszelveny().Szamok().SzamsorMentve;
        if (fo_.Bontas().GetTaroltNyerSzelv() > 0 && !mentve && !u_.JovahagyasKeres(TorlesKerdes))
            return false;
        return BontasTorlese();
    };
    // The last breakdown's row is kept as the backup before "Törlés mind" lets it go.
    feltetelek_->BontTorlesEng2Keres = [this] { return fo_.FajlParancsok().BontasEldobhato(); };
    feltetelek_->FeltetelekTorlese = [this] {
        fo_.FeltetelekTorlese();
        fo_.Tartomanyok().MindenHuzas(fo_.Huzasok().HuzasDb());
        VanNincsBontas(false);
    };
    feltetelek_->HuzasTartomanyKeres = [this]() -> std::optional<Tartomany> {
        if (HuzasTartomanyKeres) return HuzasTartomanyKeres();
        return std::nullopt;
    };
    feltetelek_->JelzoValtozott = [this] {
        if (fo_.Foszelveny()) fo_.Foszelveny()->Foszelveny().Szamok().SzamsorMentve = false;
        fo_.Allapot().Beallit(Parancs::FeltTorles, fo_.Feltetelek().FeltetelJelzo,
                              fo_.Feltetelek().FeltetelJelzo ? " Minden kijelölt feltétel törlése. "
                                                             : " Nics kijelölt feltétel. ");
        fo_.ParancsokSzinkron();
    };
    VanNincsBontas(false);
}

BontasParancsok::~BontasParancsok() = default;

void BontasParancsok::Kornyezet() {
    auto& k = feltetelek_->Kornyezet;
    k.Jatek = fo_.Jatek();
    if (auto* f = fo_.Foszelveny()) {
        const auto& sz = f->Foszelveny().Szamok();
        k.SorHossz = sz.ValtozoSzamDb();
        k.Jelolt = sz.JeloltSzamok();
        k.Mentve = sz.SzamsorMentve;
    }
    k.VanBontas = fo_.Bontas().GetTaroltNyerSzelv() > 0;
    k.VanAdatbazis = fo_.VanAdatbazis();
    k.HuzasTartomany = fo_.Tartomanyok().Get(TartomanyFajta::Bontas);
    k.HuzasDb = fo_.Huzasok().HuzasDb();
    if (!feltetelek_->HuzasTartomanyKeres) feltetelek_->HuzasokGomb()->setEnabled(false);
    feltetelek_->HuzasokGomb()->setToolTip(
        HuzasTartomanyKeres ? QString()
                            : QStringLiteral(" A húzások számának beállítása ebben a "
                                             "változatban még nem érhető el. "));
}

void BontasParancsok::FeltKijeloles() {
    auto& b = fo_.Bontas();
    if (b.GetTaroltNyerSzelv() > 0 && !fo_.Feltetelek().FeltetelJelzo) {
        const bool mentve =
            fo_.Foszelveny() && fo_.Foszelveny()->Foszelveny().Szamok().SzamsorMentve;
        if (!BontTorlesEng1(b, mentve, u_)) return;
        VanNincsBontas(b.GetTaroltNyerSzelv() > 0);
    }
    for (;;) {
        Kornyezet();
        if (auto* f = fo_.Foszelveny()) {
            const QRect t = f->Szelveny().frameGeometry();
            feltetelek_->move(t.right() + 10, t.top());
        }
        const int r = feltetelek_->FeltetelStart();
        fo_.ParancsokSzinkron();
        if (r == 1) {
            Start();
            return;
        }
        if (r != 2) return;
        if (fo_.Bontas().GetTaroltNyerSzelv() == 0) {
            fo_.Allapot().FeltetelListazas(false);
            VanNincsBontas(false);
        }
    }
}

void BontasParancsok::FeltTorles() {
    Kornyezet();
    const bool mentve = feltetelek_->Kornyezet.Mentve;
    if (!mentve && fo_.Feltetelek().FeltetelJelzo &&
        !BontTorlesEng2(fo_.Bontas(), fo_.Feltetelek(), mentve, u_))
        return;
    fo_.FeltetelekTorlese();
    FeltetelekTorolve();
}

void BontasParancsok::BetoltottFeltetelek() {
    Kornyezet();
    feltetelek_->BeolvFeltKijelolese();
    if (fo_.Feltetelek().FeltetelJelzo && fo_.Bontas().GetTaroltNyerSzelv() > 0)
        fo_.Allapot().FeltetelListazas(true);
    fo_.ParancsokSzinkron();
}

bool BontasParancsok::PeldaFelirat() const {
    const QByteArray f = bontasAblak_->windowTitle().toUtf8();
    return PeldabontasFelirat(std::string_view(f.constData(), static_cast<std::size_t>(f.size())));
}

void BontasParancsok::FeltetelekTorolve() {
    // The example went with its breakdown.
    if (fo_.Bontas().GetBontStatus() == 0 && PeldaFelirat())
        bontasAblak_->setWindowTitle(QString());
    feltetelek_->Alaphelyzet();
    fo_.Allapot().FeltetelListazas(false);
    fo_.Allapot().Beallit(Parancs::FeltTorles, false, " Nics kijelölt feltétel. ");
    VanNincsBontas(fo_.Bontas().GetTaroltNyerSzelv() > 0);
    fo_.ParancsokSzinkron();
}

void BontasParancsok::Start(const QString& felirat) {
    auto* f = fo_.Foszelveny();
    if (!f) return;
    auto& b = fo_.Bontas();
    const auto& sz = f->Foszelveny().Szamok();
    // The list, the check and the reports tell an example breakdown by this caption.
    if (!felirat.isEmpty())
        bontasAblak_->setWindowTitle(felirat);
    else if (PeldaFelirat())
        bontasAblak_->setWindowTitle(QString());
    bontasAblak_->SetMuvelet(BontasMuvelet::Nincs);
    bontasAblak_->setEnabled(true);
    f->Szelveny().raise();
    if (fo_.GetBeallitasok().SzelvZarStatus) f->Parancs([](TFoszelveny& t) { t.Zarolas(); });

    BontasBemenet be;
    be.Jatek = fo_.Jatek();
    be.JeloltSzamok = sz.JeloltSzamok();
    be.FixSzamok = sz.FixSzamok();
    be.Feltetelek = &fo_.Feltetelek();
    be.EloszlasDoboz = feltetelek_->EloszlasOptBox()->isChecked();
    be.Optimalizalt =
        feltetelek_->OptimalizaltBox()->isChecked() && fo_.Feltetelek().Adatok.Hibapont > 0;
    be.OptimalisMag = RovidOraMag();
    be.OptimalisIdo = std::chrono::seconds(fo_.GetBeallitasok().OptimalizalasIdo);
    be.Huzasok = HuzasNezet(fo_.Huzasok());
    const Tartomany t = fo_.Tartomanyok().Get(TartomanyFajta::Bontas);
    be.ElsoHuzas = t.Elso;
    be.UtolsoHuzas = t.Utolso;
    be.Datum = MaiDatum();
    const bool nagy = b.GetBontasMaxMerete() > NagyBontas || b.GetTaroltNyerSzelv() > NagyBontas;
    if (nagy) uzenetAblak_.UzenetKi(QStringLiteral("A bontás tömbjének előkészítése."));
    const auto indul = b.BontasIndul(be, *szalUzenetek_);
    if (nagy) uzenetAblak_.UzenetVege();
    if (!indul) {
        u_.ParameterHiba();
        return;
    }
    VanNincsBontas(false);

    // Beside the main ticket; on a narrow screen flush with the main window's right edge.
    const QRect jegy = f->Szelveny().frameGeometry();
    const QScreen* kep = fo_.screen();
    bontasAblak_->adjustSize();
    if (kep && kep->size().width() < 801)
        bontasAblak_->move(fo_.frameGeometry().right() - 20 - bontasAblak_->width(), jegy.top());
    else
        bontasAblak_->move(jegy.right() + 10, jegy.top());

    const bool ujCim = bontasAblak_->windowTitle().isEmpty();
    bontasAblak_->Elokeszites(fo_.Feltetelek().Adatok, fo_.Feltetelek().FeltetelJelzo);
    if (ujCim && fixInfo_) {
        const std::string info = FixSzamosInfo(b.JeloltDb(), b.Hibapont(), b.SorHossz(), b.Jatek());
        if (!info.empty()) {
            u_.HasznosInfo(info);
            fixInfo_ = false;
        }
    }
    bontasAblak_->Bekotes(BontasMuvelet::Ellenorzes, static_cast<bool>(Ellenorzes));
    bontasAblak_->Bekotes(BontasMuvelet::Lista, static_cast<bool>(Lista));
    bontasAblak_->Bekotes(BontasMuvelet::Mentes, static_cast<bool>(Mentes));
    const auto& be2 = fo_.GetBeallitasok();
    bontasAblak_->Inditas(be2.SzelvenyAr(), be2.Penznem != 0);

    // The window has closed and the worker has returned.
    if (b.GetBontStatus() == 0) {
        BontasTorlese();
    } else if (b.GetTaroltNyerSzelv() > 0) {
        const bool nagyOpt = b.GetLengthBontasMatrix() > NagyBontas;
        if (nagyOpt) uzenetAblak_.UzenetKi(QStringLiteral("A bontás tömbjének optimalizálása."));
        b.BontMatrixOpt();
        if (nagyOpt) uzenetAblak_.UzenetVege();
    }
    fo_.ParancsokSzinkron();
    if (b.GetTaroltNyerSzelv() > 0)
        Utomuvelet(bontasAblak_->Muvelet());
    else
        FeltKijeloles();
}

void BontasParancsok::Utomuvelet(BontasMuvelet m) {
    switch (m) {
    case BontasMuvelet::Ellenorzes:
        if (Ellenorzes) Ellenorzes();
        break;
    case BontasMuvelet::Lista:
        if (Lista) Lista();
        break;
    case BontasMuvelet::Mentes:
        if (Mentes) Mentes();
        break;
    case BontasMuvelet::Modositas: {
        const bool mentve =
            fo_.Foszelveny() && fo_.Foszelveny()->Foszelveny().Szamok().SzamsorMentve;
        if (fo_.Bontas().GetTaroltNyerSzelv() > 0 && !mentve && !u_.JovahagyasKeres(TorlesKerdes)) {
            if (Lista) Lista();
            break;
        }
        BontasTorlese();
        FeltKijeloles();
        break;
    }
    case BontasMuvelet::Nincs:
        break;
    }
}

void BontasParancsok::Modositas() {
    Kornyezet();
    if (!feltetelek_->BontasTorlesKeres()) return;
    fo_.ParancsokSzinkron();
    if (fo_.Bontas().GetTaroltNyerSzelv() == 0) FeltKijeloles();
}

void BontasParancsok::BontTorles() {
    const bool mentve = fo_.Foszelveny() && fo_.Foszelveny()->Foszelveny().Szamok().SzamsorMentve;
    if (fo_.Bontas().GetTaroltNyerSzelv() > 0 && !mentve && !u_.JovahagyasKeres(TorlesKerdes))
        return;
    BontasTorlese();
    fo_.ParancsokSzinkron();
}

bool BontasParancsok::BontasTorlese() {
    auto& b = fo_.Bontas();
    const bool nagy = b.GetTaroltNyerSzelv() > NagyBontas;
    if (nagy) uzenetAblak_.UzenetKi(QStringLiteral("A bontás listájának törlése."));
    const bool ok = b.BontasTorlese();
    if (nagy) uzenetAblak_.UzenetVege();
    if (!ok) return false; // the worker still runs: Stop first
    bontasAblak_->setWindowTitle(QString());
    fo_.Allapot().FeltetelListazas(false);
    VanNincsBontas(false);
    fo_.ParancsokSzinkron();
    return true;
}

void BontasParancsok::VanNincsBontas(bool van) {
    const auto* f = fo_.Foszelveny();
    fo_.Allapot().VanNincsBontas(
        van,
        f ? std::optional(f->Foszelveny().Szamok().Kijelolve() >= fo_.Jatek() + 1) : std::nullopt);
}

} // namespace varion::ui
