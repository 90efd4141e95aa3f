// The draw-range dialog: the one owner of the three draw ranges (ticket statistics,
// hit-ratio condition, number-row search), editing one of them at a time.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "base/Uzenetek.h"
#include "draws/HuzasTartomany.h"

namespace varion::ui {

class THuzSzama final : public QDialog {
    Q_OBJECT
public:
    THuzSzama(QWidget* szulo, Uzenetek& u);

    // The ranges everyone reads; the draw table resets them after every change.
    HuzasTartomanyok& Tartomanyok() { return t_; }
    const HuzasTartomanyok& Tartomanyok() const { return t_; }

    // Opens the dialog modally for range `tag`; true when "Rendben" stored it.
    bool Start(TartomanyFajta tag);
    // Prepares the controls for `tag` without opening (Start does this first).
    void Elokeszites(TartomanyFajta tag);
    TartomanyFajta Tag() const { return tag_; }

    QLineEdit* ElsoHuzBe() const { return elso_; }
    QLineEdit* UtolsoHuzBe() const { return utolso_; }
    QCheckBox* MindHuzBox() const { return mind_; }
    QPushButton* RendbenGomb() const { return rendben_; }
    QPushButton* MegsemGomb() const { return megsem_; }
    QToolButton* ElsoFel() const { return elsoFel_; }
    QToolButton* UtolsoLe() const { return utolsoLe_; }
    QLabel* ElsoFelirat() const { return elsoCimke_; }
    QLabel* UtolsoFelirat() const { return utolsoCimke_; }
    QLabel* Cim() const { return cim_; }

signals:
    // A range was stored with "Rendben".
    void Tarolva(varion::TartomanyFajta tag);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Tartomany Ertekek() const;
    void Kiir(Tartomany t);
    void ElsoEllenorzes();
    void UtolsoEllenorzes();
    void Panel2Exit();
    void MindenHuzas();
    void Rendben();

    Uzenetek& u_;
    HuzasTartomanyok t_;
    TartomanyFajta tag_ = TartomanyFajta::Kereses;
    QLabel* cim_;
    QLabel* elsoCimke_;
    QLabel* utolsoCimke_;
    QLineEdit* elso_;
    QLineEdit* utolso_;
    QToolButton *elsoFel_, *elsoLe_, *utolsoFel_, *utolsoLe_;
    QCheckBox* mind_;
    QPushButton* rendben_;
    QPushButton* megsem_;
    bool ellenoriz_ = true;
};

} // namespace varion::ui
