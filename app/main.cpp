// The desktop program.
#include <QApplication>

#include "app/UEgyPeldany.h"
#include "app/UUzenetek.h"
#include "app/UVarion.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto zar = varion::ui::EgyPeldanyZar(varion::ui::AlapZarFajl());
    if (!zar) {
        varion::ui::ProgramUzenetek().Figyelmeztetes(varion::ui::MarFutSzoveg);
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("Varion"));
    varion::ui::TFoablak foablak;
    foablak.showMaximized();
    return QApplication::exec();
}
