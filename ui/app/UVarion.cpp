#include "app/UVarion.h"

#include "app/UUzenetek.h"
#include "game/Jatek.h"

namespace varion::ui {

TFoablak::TFoablak(int jatek, QWidget* szulo) : QMainWindow(szulo), jatek_(JatekAdat(jatek).Jatek) {
    setWindowTitle(Qs(JatekAdat(jatek_).FoablakFelirat));
    resize(1024, 700);
}

} // namespace varion::ui
