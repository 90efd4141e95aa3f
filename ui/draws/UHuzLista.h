// The draw list: the draw table in a grid, its toolbar of edits with undo, the navigation,
// the auxiliary ticket with the selected row's hit statistics, and the panel of the
// number-row search. One window for the whole run, in list, search or example mode.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <memory>

#include "base/Uzenetek.h"
#include "draws/HuzasKereses.h"
#include "draws/HuzasListaCella.h"
#include "game/SzelvSzinek.h"

namespace varion::ui {

class THuzListaModell;
class THuzBe;
class TSzelveny;
class THuzKeresSzelveny;

enum class ListaMod { Lista, Kereses, Peldabontas };

class THuzLista final : public QWidget {
    Q_OBJECT
public:
    THuzLista(QWidget* foablak, HuzasAdatbazis& db, THuzBe& huzBe, Uzenetek& u,
              const SzelvSzinTabla& szinek, int szinsema);
    ~THuzLista() override;

    // Shows the window (creating the auxiliary ticket when there is none).
    void Start();
    // The colour scheme of a ticket made later (the settings changed it).
    void SetSzinsema(int sema) { szinsema_ = sema; }
    void ListaAktiv();
    void KeresAktiv();
    void PeldabontasAktiv();
    ListaMod Mod() const { return mod_; }

    // The table was loaded anew or changed from outside (import, game switch).
    void AdatbazisValtozott();
    // Selects draw `sor` (1-based) and column `oszlop` as a click would.
    void Kijeloles(int sor, int oszlop = 3);
    const ListaAllapot& Allapot() const { return a_; }
    std::vector<int> KijeloltSzamsor() const;

    // The open number-row search, or none.
    void KeresesKapcsolas(THuzKeresSzelveny* k);
    THuzKeresSzelveny* Kereses() const { return kereses_; }
    // The search panel after a recount (shown when any class has draws).
    void KeresPanelBe();
    void KeresPanelKi();
    void KeresBoxSelect(int index);
    void KeresLepes(KeresIrany irany);
    void Ujrarajzolas();

    // Controls, for the frame and the tests.
    QTableView* HuzTabla() const { return tabla_; }
    QToolButton* Gomb(const char* nev) const;
    QWidget* KeresPanelObj() const { return keresPanel_; }
    QComboBox* KeresBox() const { return keresBox_; }
    QLabel* KeresCim() const { return keresCim_; }
    TSzelveny* SegedSzelveny() const { return seged_.get(); }
    QPushButton* NavGomb(int i) const { return nav_[static_cast<std::size_t>(i)]; }
    QPushButton* KeresGomb(KeresIrany i) const { return keresGomb_[static_cast<std::size_t>(i)]; }
    int LathatoSorDb() const;

signals:
    // What the list's buttons ask of the main window.
    void MentesKeres();
    void NyomtatasKeres();
    void TartomanyKeres();
    void KeresesKeres(std::vector<int> szamok);
    void Peldabontas(int huzas, int elsoOszlop);
    // The table or the ranges changed: commands and statistics follow.
    void Valtozott();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void EszkoztarEpites();
    void KeresPanelEpites(QWidget* szulo);
    void CellaValasztas(int sor, int oszlop);
    void SzelvKijelzes();
    void GombAllapotok();
    void Navigalas(int i);
    void Muvelet(HuzasMuvelet m);
    void MuveletVege();
    void KeresGombAllapot(bool elore, bool vissza);
    void SegedGombSugo();
    // The tool buttons that stay usable while the number-row search is open.
    static bool KeresesbenIs(const QString& nev);
    void Meretezes();

    HuzasAdatbazis& db_;
    THuzBe& huzBe_;
    Uzenetek& u_;
    const SzelvSzinTabla& szinek_;
    int szinsema_;
    ListaAllapot a_;
    ListaMod mod_ = ListaMod::Lista;
    HuzasMaszkok maszkok_;
    THuzListaModell* modell_;
    QTableView* tabla_;
    QToolBar* eszkoztar_;
    std::array<QPushButton*, 4> nav_{};
    QWidget* keresPanel_ = nullptr;
    QLabel* keresCim_ = nullptr;
    QComboBox* keresBox_ = nullptr;
    std::array<QPushButton*, 4> keresGomb_{};
    std::vector<KeresBejegyzes> keresBejegyzesek_;
    KeresTalalat keresTalalat_{};
    KeresesSzamlalo szamlalo_;
    std::unique_ptr<TSzelveny> seged_;
    bool segedLathato_ = true;
    THuzKeresSzelveny* kereses_ = nullptr;
    bool frissul_ = false;
    bool meretezve_ = false;
    bool elhelyezve_ = false;
};

} // namespace varion::ui
