// The one QApplication of a window benchmark, offscreen unless QT_QPA_PLATFORM says otherwise.
#pragma once

#include <QApplication>

namespace varion::bench {

inline QApplication& Alkalmazas() {
    static int argc = 1;
    static char nev[] = "bench";
    static char* argv[] = {nev, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace varion::bench
