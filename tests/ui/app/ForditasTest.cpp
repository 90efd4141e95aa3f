#include <QApplication>
#include <QFileDialog>
#include <QTranslator>
#include <QTreeView>
#include <gtest/gtest.h>

#include "app/UForditas.h"
#include "support/IdeiglenesMappa.h"

namespace varion::ui {
namespace {

QString Oszlop(QFileDialog& d, int i) {
    auto* nezet = d.findChild<QTreeView*>();
    return nezet ? nezet->model()->headerData(i, Qt::Horizontal).toString() : QString();
}

TEST(QtForditas, AFajlParbeszedMagyarulBeszel) {
    QTranslator* forditas = QtForditasBetoltese(*QCoreApplication::instance());
    if (!forditas)
        GTEST_SKIP() << "Qt's Hungarian translation (qtbase_hu.qm of the Debian package "
                        "qt6-translations-l10n) is not installed";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog",
                                          "%1 already exists.\nDo you want to replace it?"),
              QStringLiteral("%1 már létezik.\nSzeretné lecserélni?"));
    {
        QFileDialog d;
        d.setOption(QFileDialog::DontUseNativeDialog);
        EXPECT_EQ(Oszlop(d, 0), QStringLiteral("Név"));
        EXPECT_EQ(Oszlop(d, 1), QStringLiteral("Méret"));
        EXPECT_EQ(Oszlop(d, 3), QStringLiteral("Módosítás dátuma"));
    }
    QCoreApplication::removeTranslator(forditas);
    delete forditas;
}

// Without the file the program keeps Qt's English texts and says nothing.
TEST(QtForditas, HianyzoForditasNelkulAngolMarad) {
    teszt::IdeiglenesMappa ures;
    EXPECT_EQ(QtForditasBetoltese(*QCoreApplication::instance(),
                                  QString::fromStdString(ures.Utvonal.string())),
              nullptr);
    QFileDialog d;
    d.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(Oszlop(d, 0), QStringLiteral("Name"));
}

} // namespace
} // namespace varion::ui
