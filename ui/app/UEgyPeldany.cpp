#include "app/UEgyPeldany.h"

#include <QDir>
#include <QStandardPaths>

namespace varion::ui {

std::unique_ptr<QLockFile> EgyPeldanyZar(const QString& zarFajl) {
    auto zar = std::make_unique<QLockFile>(zarFajl);
    // Staleness by the owner's process only: a long-running Varion never loses its lock.
    zar->setStaleLockTime(0);
    if (!zar->tryLock(0)) return nullptr;
    return zar;
}

QString AlapZarFajl() {
    QString mappa = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (mappa.isEmpty()) mappa = QDir::tempPath();
    return QDir(mappa).filePath(QStringLiteral("varion.lock"));
}

} // namespace varion::ui
