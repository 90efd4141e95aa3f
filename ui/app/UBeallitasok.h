// The settings dialog "  Program beállítások": confirmations, information, hints, the lock
// of the main ticket, the ticket price and currency ("Általános"); sizes and colours of the
// six ticket views with a sample ("Szelvények"); the breakdown capacity and the time budget
// of the optimised reduction ("Bontás"). Modeless and on top; nothing takes effect before
// "Alkalmaz" or "Mentés". What the dialog decides lives in `BeallitasSzerkeszto`.
#pragma once

#include <QColor>
#include <QDialog>
#include <QSlider>
#include <array>
#include <functional>
#include <optional>

#include "app/BeallitasSzerkeszto.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace varion {
class Uzenetek;
}

namespace varion::ui {

// The capacity slider; the part the free memory allows is marked while the position is
// beyond it.
class TKapacitasCsuszka final : public QSlider {
    Q_OBJECT
public:
    using QSlider::QSlider;
    void SetJeloles(std::optional<std::int64_t> korlat);
    std::optional<std::int64_t> Jeloles() const { return jeloles_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::optional<std::int64_t> jeloles_;
};

class TBeallitasok final : public QDialog {
    Q_OBJECT
public:
    TBeallitasok(QWidget* foablak, Uzenetek& u);

    // Fills every control from the live settings and the engine, then shows the dialog.
    void BeallitasokStart(const Beallitasok& b, const KapacitasAdat& k);
    void AlkalmazGombClick();
    void MentesGombClick();
    void KilepesGombClick() { hide(); }

    // The program takes the dialog's values (`BeallitasSzerkeszto::Alkalmazas` of its live
    // settings) into the settings, the engine and every window.
    std::function<void(const BeallitasSzerkeszto&)> Alkalmazas;
    // Writes the settings file; false when it could not be written.
    std::function<bool()> Iras;
    // The printer setup of the main window.
    std::function<void()> NyomtatoBeallitas;
    // The colour dialog preset to a colour; an invalid colour when it was cancelled.
    std::function<QColor(const QColor&)> SzinDialogus;

    const BeallitasSzerkeszto& Szerkeszto() const { return sz_; }

    QTabWidget* Lapok() const { return lapok_; }
    QCheckBox* JovahagyasCheck() const { return jovahagyas_; }
    QCheckBox* InformCheck() const { return inform_; }
    QCheckBox* BeallitasokCheck() const { return beallitasok_; }
    QCheckBox* BuborekKiBeBox() const { return buborek_; }
    QCheckBox* SzelvAut() const { return szelvAut_; }
    QLineEdit* SzelvArEdit() const { return ar_; }
    QComboBox* PenznemBox() const { return penznem_; }
    QPushButton* NyomtatoGomb() const { return nyomtato_; }
    QComboBox* SzelvenyBox() const { return szelvenyBox_; }
    QRadioButton* SemaGomb(int sema) const { return sema_[static_cast<std::size_t>(sema)]; }
    QSpinBox* SzelvenyMereteUD() const { return box_; }
    QSpinBox* SzamMereteUD() const { return szamMeret_; }
    QComboBox* NevCombo() const { return nevCombo_; }
    QComboBox* BoxColor() const { return boxColor_; }
    QPushButton* TovabbiSzinekGomb() const { return tovabbi_; }
    QLabel* MintaCella(int n) const { return minta_[static_cast<std::size_t>(n - 1)]; }
    QFrame* ProbaszinPanel() const { return probaszin_; }
    QLabel* IPanel() const { return iPanel_; }
    TKapacitasCsuszka* BontMaxMereteTB() const { return csuszka_; }
    QLabel* KapacitasCimke() const { return kapacitasCimke_; }
    QLabel* Memo1() const { return memo1_; }
    QSpinBox* OptimalizalasIdoUD() const { return optIdo_; }
    QPushButton* AlkalmazGomb() const { return alkalmaz_; }
    QPushButton* MentesGomb() const { return mentes_; }
    QPushButton* KilepesGomb() const { return kilepes_; }

private:
    QWidget* AltalanosLap();
    QWidget* SzelvenyekLap();
    QWidget* BontasLap();
    // Every control of the ticket tab and the sample from the editor.
    void SzelvenyekFrissites();
    void SzinListaFeltoltes();
    void MintaEpites();
    void KapacitasFrissites();
    void ArKilepes();
    void JovahagyasFigyelmeztetes();
    void Alkalmaz();

    Uzenetek& u_;
    BeallitasSzerkeszto sz_;
    bool toltes_ = false; // controls are being filled: their signals are not edits
    QTabWidget* lapok_;
    QCheckBox *jovahagyas_, *inform_, *beallitasok_, *buborek_, *szelvAut_;
    QLineEdit* ar_;
    QComboBox* penznem_;
    QPushButton* nyomtato_;
    QComboBox* szelvenyBox_;
    QButtonGroup* semaCsoport_;
    std::array<QRadioButton*, 2> sema_{};
    QWidget* meretCsoport_;
    QSpinBox *box_, *szamMeret_;
    QComboBox *nevCombo_, *boxColor_;
    QPushButton* tovabbi_;
    QFrame* probaszin_;
    std::array<QLabel*, 9> minta_{};
    QLabel* iPanel_;
    QPushButton* iGomb_;
    TKapacitasCsuszka* csuszka_;
    QLabel *also_, *felso_, *kapacitasCimke_, *memo1_;
    QSpinBox* optIdo_;
    QPushButton *alkalmaz_, *mentes_, *kilepes_;
};

} // namespace varion::ui
