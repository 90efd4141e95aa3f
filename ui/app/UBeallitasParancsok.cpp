#include "app/UBeallitasParancsok.h"

#include <QAction>
#include <QPrintDialog>

#include "app/UAdatbazisParancsok.h"
#include "app/UBeallitasok.h"
#include "app/UBontasParancsok.h"
#include "app/UListaParancsok.h"
#include "app/UNyomtatasParancsok.h"
#include "app/UVarion.h"
#include "draws/UHuzBe.h"
#include "draws/UHuzLista.h"
#include "game/UFoszelveny.h"

namespace varion::ui {

namespace {

// The dialog names a failed write itself, in its own words.
class CsendesUzenetek final : public Uzenetek {
protected:
    bool Megjelenit(UzenetTipus, std::string_view) override { return false; }
};

} // namespace

TBeallitasParancsok::TBeallitasParancsok(TFoablak& foablak, Uzenetek& u)
    : QObject(&foablak), fo_(foablak), u_(u), ablak_(new TBeallitasok(&foablak, u)) {
    SzabadMemoria = RendszerSzabadMemoria;
    // The printer itself is chosen here, with its page size; the reports and slips print
    // on the one chosen.
    NyomtatoDialogus = [this](QPrinter& p) {
        QPrintDialog d(&p, ablak_);
        d.setWindowTitle(QStringLiteral("Nyomtató beállítás"));
        d.setOptions(QAbstractPrintDialog::PrintShowPageSize);
        d.exec();
    };
    ablak_->Alkalmazas = [this](const BeallitasSzerkeszto& sz) { Alkalmazas(sz); };
    ablak_->Iras = [this] { return Iras(); };
    ablak_->NyomtatoBeallitas = [this] {
        if (NyomtatoDialogus && fo_.Nyomtatas()) NyomtatoDialogus(fo_.Nyomtatas()->Nyomtato());
    };
    connect(fo_.Akcio(Parancs::Beallitasok), &QAction::triggered, this,
            &TBeallitasParancsok::BeallitasokStart);
    // A game switch hides the dialog: its slider belongs to the old game.
    for (Parancs p : {Parancs::Otoslotto, Parancs::Hatoslotto, Parancs::Skandinav})
        connect(fo_.Akcio(p), &QAction::triggered, this, [this] {
            if (fo_.Jatek() != jatek_) ablak_->hide();
        });
}

void TBeallitasParancsok::BeallitasokStart() {
    if (!fo_.Allapot().Hasznalhato(Parancs::Beallitasok)) return;
    auto& b = fo_.Bontas();
    KapacitasAdat k;
    k.Jelenlegi = b.GetBontasMaxMerete();
    const int valtozo =
        fo_.Foszelveny() ? fo_.Foszelveny()->Foszelveny().ValtozoSzamDb() : fo_.Jatek();
    k.Teljes = TeljBontSzelvszam(fo_.MaxSzam(), valtozo);
    k.Tarolt = b.GetBontStatus() != 0 ? b.GetTaroltNyerSzelv() : 0;
    k.Jatek = fo_.Jatek();
    k.SzabadMemoria = SzabadMemoria ? SzabadMemoria() : std::nullopt;
    jatek_ = fo_.Jatek();
    ablak_->BeallitasokStart(fo_.GetBeallitasok(), k);
}

void TBeallitasParancsok::Alkalmazas(const BeallitasSzerkeszto& sz) {
    const BeallitasAlkalmazas a = sz.Alkalmazas(fo_.GetBeallitasok());
    // The grids hold the table itself: assigning keeps it where they look.
    fo_.BeallitasokIr() = a.Uj;
    const Beallitasok& b = fo_.GetBeallitasok();
    u_.Jovahagyas = b.Jovahagyas;
    u_.Inform = b.Inform;
    fo_.Bontas().SetBontasMaxMerete(a.BontasMaxMerete);
    if (a.PeldaTippUjra && fo_.ListaParancsok()) fo_.ListaParancsok()->PeldaTippUjra();
    fo_.BontasParancsai().BontasAblak().ArValtozas(b.SzelvenyAr(), b.Penznem != 0);
    SzelvenyekElrendezese();
    fo_.ParancsokSzinkron();
}

void TBeallitasParancsok::SzelvenyekElrendezese() {
    const Beallitasok& b = fo_.GetBeallitasok();
    fo_.Adatbazis().Lista().SetSzinsema(b.Szinsema);
    fo_.Adatbazis().HuzBe().SetSzinsema(b.Szinsema);
    // Every ticket window is the main window's: the main ticket, the list's and the check's
    // tickets, the draw list's, the entry's and the search ticket.
    for (TSzelveny* sz : fo_.findChildren<TSzelveny*>()) {
        sz->Elrendezes(b.SzelvSzinek, b.Szinsema);
        sz->SetShowHint(b.HintStatus);
    }
    if (auto* f = fo_.Foszelveny()) {
        f->Elrendezes(b.SzelvSzinek, b.Szinsema);
        f->SetShowHint(b.HintStatus);
    }
}

bool TBeallitasParancsok::Iras() {
    CsendesUzenetek csendes;
    return BeallitasIras(fo_.ProgramKonyvtar() / std::string(BeallitasFajlNev),
                         fo_.GetBeallitasok(), fo_.JatekKonyvtar().string(), csendes);
}

} // namespace varion::ui
