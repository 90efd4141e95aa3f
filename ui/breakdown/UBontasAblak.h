// The breakdown window: shown modally while a run goes on, it reports progress once a
// second, offers Stop and "Háttérben", and at the end shows the summary and the buttons that
// choose what happens after it closes. The engine's worker reaches it only through queued
// events and blocking queued questions.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "breakdown/BontasEsemenyek.h"
#include "breakdown/UBontas.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace varion::ui {

// Turns the engine's callbacks on the worker into queued signals on the window thread.
class BontasEsemenyHid final : public QObject, public BontasEsemenyek {
    Q_OBJECT
public:
    using QObject::QObject;
    void BovitesKerdesElott() override { emit KerdesElott(); }
    void BovitesKezdodik() override { emit Kezdodik(); }
    void BovitesVege() override { emit Vege(); }
    void MemoriaHibaElott() override { emit MemoriaHiba(); }
    void FutasVege(BontasVege v) override { emit Befejezodott(v == BontasVege::Befejezett); }
    void SzalVege() override { emit Kilepett(); }
signals:
    void KerdesElott();
    void Kezdodik();
    void Vege();
    void MemoriaHiba();
    void Befejezodott(bool befejezett);
    void Kilepett();
};

// The action chosen in the window for after it closes (its tag).
enum class BontasMuvelet : int { Nincs = 0, Ellenorzes = 1, Lista = 2, Mentes = 3, Modositas = 4 };

class TBontasAblak final : public QDialog {
    Q_OBJECT
public:
    TBontasAblak(TBontas& bontas, QWidget* foablak);
    ~TBontasAblak() override;

    BontasEsemenyHid& Hid() { return hid_; }

    // The labels of a run the engine has just prepared: title, condition boxes, zeros.
    void Elokeszites(const FeltetelAdatok& a, bool feltetelJelzo);
    // Starts the worker and the tick and runs the window modally until it closes.
    int Inditas(double jegyAr, bool euro);

    // The settings changed the ticket price or currency: a finished breakdown's cost is
    // shown again with them.
    void ArValtozas(double jegyAr, bool euro);

    BontasMuvelet Muvelet() const { return muvelet_; }
    void SetMuvelet(BontasMuvelet m) { muvelet_ = m; }

    // Whether the window that a button leads to exists; a missing one leaves its button
    // disabled with a hint that says why.
    void Bekotes(BontasMuvelet m, bool van);
    // The end of a run with rows: the main window refreshes its commands.
    std::function<void()> BontasKesz;
    // "Háttérben": the application goes to the background.
    std::function<void()> Hatterbe;

    QLabel* Cim() const { return panel4_; }
    QLabel* SzelvSzamCimke() const { return szelvSzam_; }
    QLabel* KoltsegCimke() const { return koltseg_; }
    QLabel* IdoCimke() const { return ido_; }
    QLabel* FolyamatCimke() const { return label4_; }
    QLabel* BovitesCimke() const { return label1_; }
    QProgressBar* Folyamat() const { return folyamat_; }
    QCheckBox* FeltetelDoboz(int i) const { return dobozok_[static_cast<std::size_t>(i)]; }
    QRadioButton* HuzasAlapjan() const { return radio1_; }
    QPushButton* Gomb(BontasMuvelet m) const;
    QPushButton* StopGomb() const { return stop_; }
    QPushButton* KilepesGomb() const { return kilepes_; }
    QTimer* Idozito() const { return timer_; }
    bool Fut() const { return fut_; }

    // One progress tick (the timer calls it once a second).
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void StopGombClick();
    void KilepesGombClick();
    void MuveletGomb(BontasMuvelet m);
    void Vege(bool befejezett);
    void SzalKilepett();
    void Bovites(bool kezdodik);

    TBontas& bontas_;
    QWidget* foablak_;
    BontasEsemenyHid hid_;
    QLabel *panel4_, *szelvSzam_, *koltseg_, *ido_, *label4_, *label1_;
    QProgressBar* folyamat_;
    std::array<QCheckBox*, 11> dobozok_{};
    QRadioButton* radio1_;
    QPushButton *stop_, *kilepes_, *lista_, *ellenorzes_, *mentes_, *modosit_;
    QWidget* gombok_;
    QTimer* timer_;
    std::array<bool, 5> bekotve_{false, false, false, false, true};
    BontasMuvelet muvelet_ = BontasMuvelet::Nincs;
    QString foablakCim_;
    double jegyAr_ = 0;
    bool euro_ = false;
    bool fut_ = false;
    bool bezarasKert_ = false;
    bool varakozoKurzor_ = false;
};

} // namespace varion::ui
