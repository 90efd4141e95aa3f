#include "game/UFoszelveny.h"

#include "app/UUzenetek.h"

namespace varion::ui {

TFoszelvenyAblak::TFoszelvenyAblak(QWidget* foablak, int jatek, FoszelvenyKornyezet& kornyezet,
                                   Uzenetek& u, Veletlen& veletlen, FoszelvenyParancsok& parancsok,
                                   const SzelvSzinTabla& szinek, int szinsema)
    : QObject(foablak), kornyezet_(kornyezet), szinek_(&szinek), szinsema_(szinsema) {
    szelveny_ = new TSzelveny(foablak, jatek, SzelvFajta::Foszelveny, false, false, true,
                              QStringLiteral("  Főszelvény"), szinek, szinsema);
    szelveny_->DeaktivalasNullaz = false;
    foszelveny_ = std::make_unique<TFoszelveny>(jatek, static_cast<FoszelvenyKornyezet&>(*this), u,
                                                veletlen, parancsok);
    connect(szelveny_, &TSzelveny::CellaKattintas, this, [this](int n) {
        foszelveny_->Kattintas(n, szelveny_->JelolesFajta());
        Megjelenites();
    });
    connect(szelveny_, &TSzelveny::JobbGombMozgas, this, [this](int n) {
        foszelveny_->JobbGombMozgas(n, szelveny_->JelolesFajta());
        Megjelenites();
    });
    connect(szelveny_, &TSzelveny::JobbGombFelengedes, this,
            [this](int) { foszelveny_->JobbGombFelengedes(); });
    connect(szelveny_, &TSzelveny::SugoValtozas, this, &TFoszelvenyAblak::Sugo);
    connect(szelveny_, &TSzelveny::MiEz, this, &TFoszelvenyAblak::MiEz);
    if (foablak) {
        const QPoint bal = foablak->geometry().topLeft();
        szelveny_->move(bal + QPoint(15, 100));
    }
    foszelveny_->Frissites(true);
    Megjelenites();
}

TFoszelvenyAblak::~TFoszelvenyAblak() {
    foszelveny_.reset();
    delete szelveny_;
}

void TFoszelvenyAblak::Megjelenites() {
    const auto& f = *foszelveny_;
    for (int n = 1; n <= f.MaxSzam(); ++n) {
        const Cella& c = f.CellaAdat(n);
        CellaKep k;
        k.Szoveg = Qs(f.CellaSzoveg(n));
        k.Sugo = Qs(c.Sugo);
        k.Emelt = c.Emelt;
        k.Hatter = c.Emelt ? SzelvBejegyzes::Kijelolt : SzelvBejegyzes::Jeloletlen;
        k.SzovegSzin = CellaSzovegSzin(c.Jeloles);
        k.Felkover = c.Emelt;
        szelveny_->SetCella(n, k);
    }
    szelveny_->CellaBuborek(f.CellaBuborek() && hint_);
    szelveny_->setWindowTitle(Qs(f.Felirat()));
    szelveny_->SetRiport(Qs(SortoresekCsereje(f.RiportSzoveg())));
    szelveny_->setEnabled(!f.Zarolt());
    emit Valtozott();
}

void TFoszelvenyAblak::Elrendezes(const SzelvSzinTabla& szinek, int szinsema) {
    szinek_ = &szinek;
    szinsema_ = szinsema;
    szelveny_->Elrendezes(szinek, szinsema);
}

void TFoszelvenyAblak::SetShowHint(bool be) {
    hint_ = be;
    szelveny_->SetShowHint(be);
    Megjelenites();
}

} // namespace varion::ui
