// The conditions and breakdown commands of the main window: "Feltételek" → "Kijelölés" and
// "Törlés", "Bontás" → "Start", "Módosítás" and "Törlés", and what happens after the
// breakdown window closes. It owns the conditions window and the breakdown window.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/USzalUzenetek.h"
#include "breakdown/UBontasAblak.h"
#include "conditions/UFeltetelek.h"

namespace varion::ui {

class TFoablak;
class TUzenetAblak;

class BontasParancsok final : public QObject {
    Q_OBJECT
public:
    BontasParancsok(TFoablak& foablak, Uzenetek& u, TUzenetAblak& uzenetAblak);
    ~BontasParancsok() override;

    void FeltKijeloles();
    void FeltTorles();
    // `felirat`: the caption of an example breakdown; without one the run has the plain
    // caption, also after an example.
    void Start(const QString& felirat = {});
    void Modositas();
    void BontTorles();

    // Where the breakdown window's "Ellenőrzés", "Lista" and "Mentés" lead once their
    // windows exist; until one is set, its button stays disabled with a hint.
    std::function<void()> Ellenorzes, Lista, Mentes;
    // The draw-range dialog for the hit-ratio condition.
    std::function<std::optional<Tartomany>()> HuzasTartomanyKeres;

    // The main ticket was rebuilt: the fixed-number note may be shown once more.
    void UjFoszelveny() { fixInfo_ = true; }
    // The one place that enables the commands which need a finished breakdown.
    void VanNincsBontas(bool van);
    // Conditions were cleared elsewhere: the window forgets its ticks.
    void FeltetelekTorolve();
    // A file brought a condition record: it goes through the window's own handlers, hidden,
    // and a loaded breakdown lists its conditions as a finished run does.
    void BetoltottFeltetelek();

    // The breakdown window's caption is an example's.
    bool PeldaFelirat() const;

    TFeltetelek& FeltetelAblak() { return *feltetelek_; }
    TBontasAblak& BontasAblak() { return *bontasAblak_; }

private:
    void Kornyezet();
    bool BontasTorlese(); // with the toast for a large breakdown; false while running
    void Utomuvelet(BontasMuvelet m);

    TFoablak& fo_;
    Uzenetek& u_;
    TUzenetAblak& uzenetAblak_;
    std::unique_ptr<SzalkoziUzenetek> szalUzenetek_;
    std::unique_ptr<TBontasAblak> bontasAblak_;
    std::unique_ptr<TFeltetelek> feltetelek_;
    bool fixInfo_ = true;
};

} // namespace varion::ui
