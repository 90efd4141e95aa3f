#include "app/UVisszatesztParancsok.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "app/UListaParancsok.h"
#include "app/UUzenetek.h"
#include "app/UVarion.h"
#include "breakdown/UBontLista.h"
#include "breakdown/UVisszateszt.h"
#include "game/UFoszelveny.h"

namespace varion::ui {

TVisszatesztParancsok::TVisszatesztParancsok(TFoablak& foablak, QMenu& bontasMenu, Uzenetek& u)
    : QObject(&foablak), foablak_(foablak), u_(u), ablak_(new TVisszateszt(&foablak, u)) {
    akcio_ = bontasMenu.addAction(Qs(VisszatesztMenuFelirat));
    akcio_->setObjectName(QStringLiteral("Visszatesztelés"));
    akcio_->setStatusTip(QStringLiteral(
        " Mit nyert volna a bontás a múltbeli húzásokon; esélyek és várható nyeremény. "));
    connect(akcio_, &QAction::triggered, this, &TVisszatesztParancsok::Megnyitas);
}

// The command stays enabled (the list's tool button shares it and is not refreshed by the
// menu); without a breakdown or draws it says what is missing.
bool TVisszatesztParancsok::Lehet() const {
    return foablak_.Bontas().GetBontStatus() != 0 && foablak_.Huzasok().HuzasDb() > 0;
}

void TVisszatesztParancsok::Megnyitas() {
    if (!Lehet()) {
        u_.Informacio(foablak_.Huzasok().HuzasDb() > 0
                          ? "Nincs visszatesztelhető bontás."
                          : "A visszateszteléshez a lottóhúzások adatbázisa szükséges.");
        return;
    }
    const int jatek = foablak_.Huzasok().Jatek();
    VisszatesztForras f;
    Szamsor fix;
    if (const auto* fo = foablak_.Foszelveny()) fix = fo->Foszelveny().Szamok().FixSzamok();
    f.Bontas = BontasAdatai(foablak_.Bontas(), fix);
    f.Huzasok = &foablak_.Huzasok();
    auto ny = NyeremenyTar::Betoltes(
        NyeremenyFajl(foablak_.ProgramKonyvtar() / AdatbazisFajl(jatek)), jatek);
    if (!ny) u_.Figyelmeztetes(ny.error() + "\r\rA nyeremények ismeretlennek számítanak.");
    f.Nyeremenyek = ny ? std::move(*ny) : NyeremenyTar(jatek);
    // Prizes are in forints: the backtest prices the tickets in forints too.
    f.JegyAr = foablak_.GetBeallitasok().ArForint;
    ablak_->Start(std::move(f));
}

} // namespace varion::ui
