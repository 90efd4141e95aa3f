// "Bontás" → "Visszatesztelés" and the breakdown list's tool button of the same: opens the
// backtest window on the breakdown in the engine.
#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace varion {
class Uzenetek;
}

namespace varion::ui {

class TFoablak;
class TVisszateszt;

inline constexpr const char* VisszatesztMenuFelirat = "Visszatesztelés";

class TVisszatesztParancsok final : public QObject {
    Q_OBJECT
public:
    TVisszatesztParancsok(TFoablak& foablak, QMenu& bontasMenu, Uzenetek& u);
    QAction* Akcio() const { return akcio_; }
    TVisszateszt& Ablak() const { return *ablak_; }
    bool Lehet() const;
    void Megnyitas();

private:
    TFoablak& foablak_;
    Uzenetek& u_;
    QAction* akcio_ = nullptr;
    TVisszateszt* ablak_ = nullptr;
};

} // namespace varion::ui
