// The draw entry dialog: year, week and the numbers clicked on its own ticket, for an
// append, an insert or a modify of the draw list.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <memory>

#include "base/Uzenetek.h"
#include "draws/HuzasBevitel.h"
#include "game/SzelvSzinek.h"

namespace varion::ui {

class TSzelveny;

class THuzBe final : public QDialog {
    Q_OBJECT
public:
    THuzBe(QWidget* foablak, HuzasAdatbazis& db, Uzenetek& u, const SzelvSzinTabla& szinek,
           int szinsema);
    ~THuzBe() override;

    // Opens the dialog for the operation the table has started.
    void Start(HuzasMuvelet m);
    // Back to an empty entry (also at a game switch).
    void UjHuzasBe();
    // The colour scheme of a ticket made later (the settings changed it).
    void SetSzinsema(int sema) { szinsema_ = sema; }
    // Today's year and week (fixed by tests).
    EvHet Ma;

    QSpinBox* EvBe() const { return ev_; }
    QSpinBox* HetBe() const { return het_; }
    QTableWidget* Szamsor(int sor) const { return sor == 1 ? sor1_ : sor2_; }
    QPushButton* SzamsorGomb(int sor) const { return sor == 1 ? gomb1_ : gomb2_; }
    QPushButton* RendbenGomb() const { return rendben_; }
    QPushButton* MegsemGomb() const { return megsem_; }
    TSzelveny* BeSzelveny() const { return szelveny_.get(); }
    const SzamsorBevitel& Bevitel() const { return bevitel_; }
    // A click on number n of the dialog's ticket.
    void SzamKattintas(int n);

signals:
    // The dialog closed and the table finished the operation.
    void Befejezve();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override; // Esc ends the entry as "Mégse" does

private:
    void Keret(const EvHetKeret& k);
    void Megjelenites();
    void Vege(bool rendben);

    HuzasAdatbazis& db_;
    Uzenetek& u_;
    const SzelvSzinTabla& szinek_;
    int szinsema_;
    HuzasMuvelet muvelet_ = HuzasMuvelet::Nincs;
    BevitelKornyezet kornyezet_;
    SzamsorBevitel bevitel_;
    std::unique_ptr<TSzelveny> szelveny_;
    QSpinBox* ev_;
    QSpinBox* het_;
    QTableWidget* sor1_;
    QTableWidget* sor2_;
    QPushButton* gomb1_;
    QPushButton* gomb2_;
    QPushButton* rendben_;
    QPushButton* megsem_;
    QWidget* szamPanel_;
    bool lezarva_ = true;
};

} // namespace varion::ui
