// Qt's own texts (the file dialog's columns and its overwrite question, the buttons of the
// standard dialogs) in Hungarian, as the rest of the program speaks.
#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace varion::ui {

// Loads Qt's Hungarian translation ("qtbase_hu.qm") from Qt's translation folder, or from
// `mappa` when given, and installs it into `app`, which owns it. Nothing (and Qt's English
// texts stay) when the file is missing.
QTranslator* QtForditasBetoltese(QCoreApplication& app, const QString& mappa = {});

} // namespace varion::ui
