// The "Példabontás" menu of the main window: an example breakdown from a past draw, from
// random numbers or from the player's own constant numbers. Each prepares the ticket and the
// breakdown range, derives the conditions of the row (core), marks every number of the game
// and starts the breakdown through the normal run flow under the example's caption.
#pragma once

#include <QObject>

#include "app/FoablakParancsok.h"
#include "app/PeldaFeltetelek.h"

namespace varion {
class Uzenetek;
}

namespace varion::ui {

class TFoablak;

class TPeldaParancsok final : public QObject {
    Q_OBJECT
public:
    TPeldaParancsok(TFoablak& foablak, Uzenetek& u);

    // The main window's commands this class does; false for the others.
    bool Vegrehajt(Parancs p);

    // "Lottóhúzások alapján": the draw list in its example mode.
    void LottohuzasokAlapjan();
    // The list's example button: draw `huzas` (1-based), its numbers from column
    // `elsoOszlop` (3, or 10 for the second draw of game 7).
    void HuzasokAlapjan(int huzas, int elsoOszlop);
    void VeletlenSzamokkal();
    void SajatSzamokkal();

private:
    // Clears the whole ticket with the question; false when anything is still marked.
    bool Torles();
    // The breakdown range: every draw, or the draws before `huzas` (0: every draw).
    void Tartomany(int huzas);
    void Novekvo();
    // Derives the conditions of the ticket's row, marks every number and starts the run.
    void PeldaBontasok(int huzas, PeldaFajta fajta);

    TFoablak& fo_;
    Uzenetek& u_;
};

} // namespace varion::ui
