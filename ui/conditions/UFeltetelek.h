// The conditions window: every condition's box and controls, the error points, and the
// buttons that start a breakdown, clear the conditions or reopen a stored breakdown's
// conditions for editing. Each control writes its value into the condition record at once;
// the bounds come from the core range rules.
#pragma once

#include <QDialog>
#include <QSpinBox>
#include <functional>
#include <optional>

#include "base/Uzenetek.h"
#include "conditions/FeltetelHatarok.h"
#include "conditions/Feltetelek.h"
#include "draws/HuzasTartomany.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QHBoxLayout;

namespace varion::ui {

// An up/down edit whose value moves only by its buttons.
class TLeptetoEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TLeptetoEdit(QWidget* szulo = nullptr);
    // Range and hint together: equal bounds name the one possible value.
    void Hatarok(Hatar h, const QString& sajatSugo);
};

// The sum edits also take typed digits, checked when the edit is left.
class TOsszegEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TOsszegEdit(QWidget* szulo = nullptr);
    QValidator::State validate(QString& szoveg, int& poz) const override;
    int valueFromText(const QString& szoveg) const override;
    std::optional<int> Beirt() const;
    // At most as many digits as the largest sum has.
    void SetHossz(int szamjegyek) { hossz_ = szamjegyek; }
signals:
    void Elhagyva();

protected:
    void focusOutEvent(QFocusEvent* e) override;
    // Digits and Backspace are typed; any other key that types is taken as Enter: the value
    // is checked at once.
    void keyPressEvent(QKeyEvent* e) override;

private:
    int hossz_ = 4;
};

// What the window needs of the rest of the program, refreshed before every showing.
struct FeltetelKornyezet {
    int Jatek = 5;
    int SorHossz = 5;
    Szamsor Jelolt;
    bool VanBontas = false;         // a finished breakdown is stored
    bool VanAdatbazis = true;       // the draw file of the game is loaded
    bool Mentve = false;            // the main ticket is marked as saved
    Tartomany HuzasTartomany{1, 0}; // the hit-ratio condition's draw range
    int HuzasDb = 0;
};

class TFeltetelek final : public QDialog {
    Q_OBJECT
public:
    TFeltetelek(FeltetelKeszlet& f, Uzenetek& u, QWidget* szulo = nullptr);

    FeltetelKornyezet Kornyezet;
    // "Módosítás": the stored breakdown's deletion with its confirmation; true on consent.
    std::function<bool()> BontasTorlesKeres;
    // "Törlés mind" with a stored breakdown: the combined question; true on consent.
    std::function<bool()> BontTorlesEng2Keres;
    // "Törlés mind" after consent: the program's clearing of the conditions.
    std::function<void()> FeltetelekTorlese;
    // The hit-ratio tab's draw-range button: the dialog's new range, nothing when cancelled.
    std::function<std::optional<Tartomany>()> HuzasTartomanyKeres;
    // After every change of `FeltetelJelzo` (the main window refreshes its commands).
    std::function<void()> JelzoValtozott;

    // Rebuilds the markers, applies the error-point rule and runs the window modally.
    int FeltetelStart();
    // Re-applies a loaded record's conditions through the window's own rules, hidden.
    void BeolvFeltKijelolese();
    // The window's refresh on activation (clear-conditions command, "Törlés mind").
    void FormActivate();
    // Copies the error points and recomputes `FeltetelJelzo`.
    void FeltJelzoBeallitas();
    // Resets the window after the conditions were cleared.
    void Alaphelyzet();

    QTabWidget* Lapok() const { return lapok_; }
    QGroupBox* Doboz(Feltetel f) const { return dobozok_[static_cast<int>(f)]; }
    QPushButton* BontasGomb() const { return bontasGomb_; }
    QPushButton* KilepesGomb() const { return kilepesGomb_; }
    QPushButton* TorlesGomb() const { return torlesGomb_; }
    QPushButton* HuzasokGomb() const { return huzasokGomb_; }
    QLabel* TalArCimke() const { return label15_; }
    QCheckBox* EloszlasOptBox() const { return eloszlasOptBox_; }
    // The optimised reduction after the passes; a run option only, not a stored condition.
    QCheckBox* OptimalizaltBox() const { return optimalizaltBox_; }
    TLeptetoEdit* HibapontEdit() const { return hibapont_; }

    // The value controls, by the condition's record field.
    TLeptetoEdit *FavElso, *FavUtolso, *FavMin, *FavMax, *MobMeret, *MobMax, *FixMeret, *FixMax,
        *SzcsParosMin, *SzcsParosMax, *SzcsIsmetMin, *SzcsIsmetMax, *TalArMin, *TalArMax,
        *SzvParosMin, *SzvParosMax, *SzvIsmetMin, *SzvIsmetMax, *IkerMin, *IkerMax, *TukorMin,
        *TukorMax;
    TOsszegEdit *OsszegMin, *OsszegMax;
    QRadioButton *SzcsFix, *SzcsTobb, *SzcsParos, *SzcsParatlan, *SzcsEgy, *SzcsTobbIsmet,
        *TalArKizart, *TalArKeresett, *TalArBontas, *TalArHuzasok, *SzvFix, *SzvTobb, *SzvParos,
        *SzvParatlan, *SzvEgy, *SzvTobbIsmet, *OsszegFix, *OsszegMobil;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int eredmeny) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Epites();
    QWidget* EloszlasLap();
    QWidget* SzamcsoportLap();
    QWidget* TalArLap();
    QWidget* SzamvegzodesLap();
    QWidget* EsemenyekLap();
    void ParosIsmetKotes(bool csoport);
    QGroupBox* UjDoboz(Feltetel f, const char* felirat);
    void Kapcsolas(Feltetel f, bool be);
    void Jelez(const Elutasitas& e);
    bool Kerdez(std::string_view szoveg);

    // The handlers of each condition (UFeltetelPanelek.cpp).
    void FavValtozott(FavValtozas mi);
    void CsoportValtozott(bool fix);
    void ParosValtozott(bool csoport, bool tipusKattintas, bool aranyKattintas);
    void IsmetValtozott(bool csoport, bool kenyszerUjra);
    void IsmetMaxLepes(bool csoport, int regi);
    void TalArValtozott();
    void TalArTipusValtozott(bool huzasokKattintas);
    void OsszegValtozott(bool tipusValtas);
    void OsszegElhagyva(bool maximum);
    // "Törlés mind" is on, with its hint, while some condition is set.
    void TorlesGombAllapot();
    void IkerTukorValtozott();
    // A step of the twin or mirror edits may make the other condition pointless: asked.
    void IkerTukorLepes(bool tukor, bool felfele);
    void HibapontValtozott();
    void HibapontosOpciokBeallitasa(int hibapont);
    void OsszegIras();
    void Ertekek(); // writes every control into the record
    void Rogzit(Feltetel f);

    void BontasGombClick();
    void TorlesGombClick();
    bool CsakOlvashato() const;

    FeltetelKeszlet& f_;
    Uzenetek& u_;
    QTabWidget* lapok_ = nullptr;
    std::array<QGroupBox*, 11> dobozok_{};
    QPushButton *bontasGomb_ = nullptr, *kilepesGomb_ = nullptr, *torlesGomb_ = nullptr,
                *huzasokGomb_ = nullptr;
    QLabel* label15_ = nullptr;
    QLabel *osszegKotojel_ = nullptr, *osszegIg_ = nullptr;
    QWidget* hibapontPanel_ = nullptr;
    TLeptetoEdit* hibapont_ = nullptr;
    QCheckBox* eloszlasOptBox_ = nullptr;
    QCheckBox* optimalizaltBox_ = nullptr;
    // Room for further run options beside the distribution box.
    QHBoxLayout* opcioSor_ = nullptr;
    IsmetKenyszer szcsKenyszer_ = IsmetKenyszer::Nincs, szvKenyszer_ = IsmetKenyszer::Nincs;
    int csendes_ = 0; // handlers triggered by the window's own updates do nothing
    bool modosult_ = false;
};

inline constexpr std::string_view FeltetelCim = "  Feltételek kijelölése";
inline constexpr std::string_view FeltetelListaCim = "  Beállított feltételek listája";

} // namespace varion::ui
