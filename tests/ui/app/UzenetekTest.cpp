#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/UEgyPeldany.h"
#include "app/UUzenetAblak.h"
#include "app/UUzenetek.h"

namespace varion::ui {
namespace {

TEST(UzenetDoboz, FeliratIkonGombokAlapgomb) {
    auto kerdes = UzenetDoboz(UzenetTipus::FigyelmeztetoKerdes, " Két\rsor ");
    EXPECT_EQ(kerdes->windowTitle(), QStringLiteral(" Figyelmeztetés!"));
    EXPECT_EQ(kerdes->icon(), QMessageBox::Warning);
    EXPECT_EQ(kerdes->text(), QStringLiteral(" Két\nsor ")); // blanks kept
    EXPECT_EQ(kerdes->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(static_cast<QAbstractButton*>(kerdes->defaultButton()),
              kerdes->button(QMessageBox::No));
    // The information window is kept on top: a question under it could not be answered.
    EXPECT_TRUE(kerdes->windowFlags() & Qt::WindowStaysOnTopHint);

    auto hiba = UzenetDoboz(UzenetTipus::HibaUzenet, "x");
    EXPECT_EQ(hiba->windowTitle(), QStringLiteral(" Hiba!"));
    EXPECT_EQ(hiba->icon(), QMessageBox::Critical);
    EXPECT_EQ(hiba->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(UzenetDoboz(UzenetTipus::JovahagyasKeres, "x")->icon(), QMessageBox::Question);
    EXPECT_EQ(UzenetDoboz(UzenetTipus::HasznosInfo, "x")->windowTitle(),
              QStringLiteral(" Hasznos információ"));
}

// Answers the next modal box with a key press, noting its caption and text.
void Valasz(QStringList& latott, Qt::Key billentyu = Qt::Key_Return) {
    QTimer::singleShot(0, [&latott, billentyu] {
        auto* doboz = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(doboz, nullptr);
        latott << doboz->windowTitle() + QLatin1Char('|') + doboz->text();
        QTest::keyClick(doboz, billentyu);
    });
}

TEST(QtUzenetek, EnterNemetValaszolEsElnemitas) {
    QtUzenetek u;
    QStringList latott;
    Valasz(latott);
    EXPECT_FALSE(u.JovahagyasKeres("Törli?")); // Enter = the default button, No
    Valasz(latott, Qt::Key_Escape);
    EXPECT_FALSE(u.HibaKerdes("Újra?"));
    Valasz(latott);
    u.Informacio("Kész.");
    EXPECT_EQ(latott,
              (QStringList{QStringLiteral(" Jóváhagyás kérése|Törli?"),
                           QStringLiteral(" Hiba!|Újra?"), QStringLiteral(" Információ|Kész.")}));
    u.Jovahagyas = false;
    EXPECT_TRUE(u.JovahagyasKeres("Törli?")); // no box at all
    EXPECT_EQ(latott.size(), 3);
}

TEST(TUzenetAblak, CsakLathatoFoablakMellettEsVissza) {
    QWidget foablak;
    TUzenetAblak toast(&foablak);
    toast.UzenetKi(QStringLiteral("Számolás"));
    EXPECT_FALSE(toast.isVisible()) << "nothing while the main window is hidden";
    foablak.show();
    toast.UzenetKi(QStringLiteral("Számolás"));
    EXPECT_TRUE(toast.isVisible());
    EXPECT_EQ(toast.Info()->text(), QStringLiteral("Számolás"));
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(toast.size(), QSize(337, 72));
    toast.UzenetVege();
    EXPECT_FALSE(toast.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(EgyPeldanyZar, MasodikPeldanyNemIndulElhagyottZarAtveheto) {
    QTemporaryDir mappa;
    const QString fajl = mappa.filePath(QStringLiteral("varion.lock"));
    auto elso = EgyPeldanyZar(fajl);
    ASSERT_NE(elso, nullptr);
    EXPECT_EQ(EgyPeldanyZar(fajl), nullptr);
    elso.reset();
    // A lock of a crashed run: the owner's process no longer exists.
    QFile regi(fajl);
    ASSERT_TRUE(regi.open(QIODevice::WriteOnly));
    regi.write("999999\nvarion\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    regi.close();
    EXPECT_NE(EgyPeldanyZar(fajl), nullptr);
}

} // namespace
} // namespace varion::ui
