// The search ticket: the player marks a number row (game 6 also a plus number with Shift),
// and the draws of the search range are counted by how many of it they hit.
#pragma once

#include <QObject>
#include <memory>

#include "base/Uzenetek.h"
#include "draws/HuzasKereses.h"
#include "game/SzelvSzinek.h"

class QWidget;

namespace varion::ui {

class TSzelveny;
class THuzLista;

class THuzKeresSzelveny final : public QObject {
    Q_OBJECT
public:
    THuzKeresSzelveny(QWidget* foablak, const HuzasAdatbazis& db, const HuzasTartomanyok& t,
                      THuzLista& lista, Uzenetek& u, const SzelvSzinTabla& szinek, int szinsema);
    ~THuzKeresSzelveny() override;

    // A click on number n; `shift` marks the plus number in game 6.
    void Jeloles(int n, bool shift = false);
    // Recounts the hits over the search range and shows them.
    void Ujraszamlalas();

    const KeresettSor& Keresett() const { return k_; }
    const KeresesSzamlalo& Szamlalo() const { return sz_; }
    Tartomany ListaTartomany() const { return t_.Get(TartomanyFajta::Kereses); }
    int KeresettHuzas() const { return keresettHuzas_; }
    void SetKeresettHuzas(int d) { keresettHuzas_ = d; }
    TSzelveny& Szelveny() { return *szelveny_; }

signals:
    // The ticket's search button: search again from the main window.
    void UjKereses();
    // The ticket's close button.
    void Bezaras();

private:
    void Megjelenites();

    const HuzasAdatbazis& db_;
    const HuzasTartomanyok& t_;
    THuzLista& lista_;
    Uzenetek& u_;
    std::unique_ptr<TSzelveny> szelveny_;
    HuzasMaszkok maszkok_;
    KeresettSor k_;
    KeresesSzamlalo sz_;
    bool pluszInfo_ = true;
    int keresettHuzas_ = -1;
};

} // namespace varion::ui
