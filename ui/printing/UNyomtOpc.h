// The slip print options: the range of slips, the Joker box, serial numbers; the platform
// print dialog for the range and the printer; the test page.
#pragma once

#include <QDialog>
#include <functional>

#include "base/Uzenetek.h"
#include "printing/BontRiport.h"
#include "printing/SzelvNyomtatas.h"
#include "printing/URiportKiadas.h"
#include "printing/USzelvNyomtatas.h"

class QButtonGroup;
class QCheckBox;
class QPrinter;
class QPushButton;

namespace varion::ui {

class TNyomtOpc final : public QDialog {
    Q_OBJECT
public:
    TNyomtOpc(QWidget* szulo, QPrinter& nyomtato, Uzenetek& u);

    // Opens the dialog for the breakdown (modal). Needs a default printer.
    void Start(const BontasRiportAdatok& a);
    // The platform print dialog for the range and the printer; tests replace it.
    std::function<bool(QPrinter&, NyomtTartomany&, int dbSzelv)> NyomtatoDialogus;
    std::function<bool()> VanNyomtato = VanAlapNyomtato;
    // The waiting notice shown while the slips are made, when there is one.
    TUzenetAblak* Varakozas = nullptr;

    JokerJeloles GetJoker() const { return opciok_.Joker; }
    void SetJoker(JokerJeloles j) { opciok_.Joker = j; }
    bool GetSzelvSorszama() const { return opciok_.Sorszam; }
    void SetSzelvSorszama(bool b) { opciok_.Sorszam = b; }
    void SetSorszamLog(bool b) { sorszamLog_ = b; }
    NyomtTartomany Tartomany() const { return tartomany_; }
    void SetTartomany(NyomtTartomany t) { tartomany_ = t; }

    QPushButton* NyomtTulGomb() const { return nyomtTulGomb_; }
    QPushButton* NyomtatasGomb() const { return nyomtatasGomb_; }
    QPushButton* TesztGomb() const { return tesztGomb_; }
    QCheckBox* SorszamBox() const { return sorszamBox_; }
    QButtonGroup* JokerGroup() const { return jokerGroup_; }

private:
    static bool AlapDialogus(QPrinter& p, NyomtTartomany& t, int dbSzelv);
    void OpciokTarolasa();
    void NyomtatasGombClick();
    void TesztGombClick();

    QPrinter& nyomtato_;
    Uzenetek& u_;
    BontasRiportAdatok adatok_;
    SzelvNyomtOpciok opciok_;
    NyomtTartomany tartomany_;
    bool sorszamLog_ = true;
    int dbSzelv_ = 0;
    QButtonGroup* jokerGroup_;
    QCheckBox* sorszamBox_;
    QPushButton *nyomtTulGomb_, *nyomtatasGomb_, *tesztGomb_, *megseGomb_;
};

} // namespace varion::ui
