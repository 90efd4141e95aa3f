// The main window's list and check commands ("Bontás" → "Listázás" and "Ellenőrzés"): owns
// the breakdown list and the check ticket and keeps them on the current breakdown.
#pragma once

#include <QObject>
#include <QPoint>
#include <memory>

#include "breakdown/UBontEllSzelveny.h"
#include "breakdown/UBontLista.h"

namespace varion {
class Uzenetek;
}

namespace varion::ui {

class TFoablak;

class TListaParancsok final : public QObject {
    Q_OBJECT
public:
    TListaParancsok(TFoablak& foablak, Uzenetek& u);
    ~TListaParancsok() override;

    // The list / the check of the engine's current breakdown (nothing without one).
    void BontListaStart();
    void BEStart();
    // Closes the check; its position is kept for the next one.
    void BEVege();
    // The breakdown is gone: list and check close and forget it.
    void BontasTorolve();
    // Information was switched on again: the example-check hint may come once more.
    void PeldaTippUjra() { peldaTippVolt_ = false; }

    TBontLista& Lista() { return *lista_; }
    TBontEllSzelveny* Ellenorzes() const { return ell_.get(); }
    // The list's tool buttons take the states of the main window's commands.
    void ParancsokSzinkron();

private:
    bool VanBontas() const;
    bool Pelda() const;

    TFoablak& fo_;
    Uzenetek& u_;
    TBontLista* lista_;
    std::unique_ptr<TBontEllSzelveny> ell_;
    QPoint ellHelye_{-1, -1};
    bool peldaTippVolt_ = false;
    bool listaElhelyezve_ = false;
};

} // namespace varion::ui
