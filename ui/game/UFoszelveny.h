// The main ticket's window: draws the cells of the main ticket from its rules and turns
// clicks, SHIFT/CTRL clicks and right-button painting into mark operations.
#pragma once

#include <QObject>
#include <memory>

#include "game/Foszelveny.h"
#include "game/USzelveny.h"

namespace varion::ui {

class TFoszelvenyAblak final : public QObject, public FoszelvenyKornyezet {
    Q_OBJECT
public:
    TFoszelvenyAblak(QWidget* foablak, int jatek, FoszelvenyKornyezet& kornyezet, Uzenetek& u,
                     Veletlen& veletlen, FoszelvenyParancsok& parancsok,
                     const SzelvSzinTabla& szinek, int szinsema);
    ~TFoszelvenyAblak() override;

    TFoszelveny& Foszelveny() { return *foszelveny_; }
    const TFoszelveny& Foszelveny() const { return *foszelveny_; }
    TSzelveny& Szelveny() { return *szelveny_; }

    // Runs a command of the ticket and shows the result.
    template <class F> void Parancs(F&& f) {
        f(*foszelveny_);
        Megjelenites();
    }
    // Cells, caption, information panel and lock from the ticket's state; tells the main
    // window that its commands may have changed.
    void Megjelenites();
    void Elrendezes(const SzelvSzinTabla& szinek, int szinsema);
    void SetShowHint(bool be);

signals:
    void Valtozott();
    void Sugo(const QString& sugo);
    void MiEz(int kontextus);

private:
    // Forwarded to the main window, except what belongs to the grid.
    void FeltetelekTorlese() override { kornyezet_.FeltetelekTorlese(); }
    bool VanKeszBontas() const override { return kornyezet_.VanKeszBontas(); }
    bool VanFeltetel() const override { return kornyezet_.VanFeltetel(); }
    bool BontasEldobhato() override { return kornyezet_.BontasEldobhato(); }
    void VisszatoltesAjanlasa() override { kornyezet_.VisszatoltesAjanlasa(); }
    void JelolesFajtaNullazas() override { szelveny_->SetJelolesFajta(0); }
    std::optional<std::vector<int>> HuzasStatisztika(NezetMod m) override {
        return kornyezet_.HuzasStatisztika(m);
    }

    FoszelvenyKornyezet& kornyezet_;
    const SzelvSzinTabla* szinek_;
    int szinsema_;
    TSzelveny* szelveny_;
    std::unique_ptr<TFoszelveny> foszelveny_;
    bool hint_ = true;
};

} // namespace varion::ui
