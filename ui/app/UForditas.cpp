#include "app/UForditas.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace varion::ui {

QTranslator* QtForditasBetoltese(QCoreApplication& app, const QString& mappa) {
    const QString hol =
        mappa.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : mappa;
    auto* forditas = new QTranslator(&app);
    if (!forditas->load(QLocale(QLocale::Hungarian, QLocale::Hungary), QStringLiteral("qtbase"),
                        QStringLiteral("_"), hol) ||
        !QCoreApplication::installTranslator(forditas)) {
        delete forditas;
        return nullptr;
    }
    return forditas;
}

} // namespace varion::ui
