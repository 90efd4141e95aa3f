#include <QAction>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/UAdatbazisParancsok.h"
#include "app/UVisszatesztParancsok.h"
#include "breakdown/UVisszateszt.h"
#include "support/BontasSegito.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;

// One ticket, 8 15 20 32 90, over three draws: four hits in 2023/5, two in 2023/1.
constexpr char Huzasok[] =
    "2023;5;2023.02.04.;0;0 Ft;42;1 142 265 Ft;2855;17 535 Ft;77006;2 195 Ft;8;15;20;32;34\r\n"
    "2023;1;2023.01.07.;0;0 Ft;14;3 244 980 Ft;1545;30 805 Ft;49132;3 300 Ft;20;58;72;80;90\r\n"
    "2022;52;2023.01.01.;0;0 Ft;37;1 325 105 Ft;2382;21 565 Ft;68862;2 545 Ft;5;32;36;48;61\r\n";

QString Cella(QTableWidget* t, int r, int c) {
    return t->item(r, c) ? t->item(r, c)->text() : QString();
}

TEST(VisszatesztAblak, AzImportaltNyeremenyekkelSzamolEsMent) {
    proba::Program p({1});
    TFoablak& ablak = p.Inditas();
    ablak.Adatbazis().ImportSzoveg(QByteArray(Huzasok));
    ASSERT_EQ(ablak.Huzasok().HuzasDb(), 3);
    EXPECT_TRUE(fs::exists(p.mappa / "Dat/Huzas5.nyr")) << "the import keeps the prizes";

    auto* akcio = ablak.findChild<QAction*>(QStringLiteral("Visszatesztelés"));
    ASSERT_NE(akcio, nullptr);
    EXPECT_EQ(akcio->text(), QStringLiteral("Visszatesztelés"));
    akcio->trigger();

    ASSERT_TRUE(teszt::Bontas(ablak.Bontas(), p.u, 5, Szamsor{8, 15, 20, 32, 90}));
    akcio->trigger();
    auto* v = ablak.findChild<TVisszateszt*>();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle(), QStringLiteral(" Visszatesztelés"));
    const QString o = v->Osszegzes()->text();
    EXPECT_TRUE(o.contains(QStringLiteral("Költség: 600 Ft\n"))) << o.toStdString();
    EXPECT_TRUE(o.contains(QStringLiteral("Nyeremény: 1 145 565 Ft\n"))) << o.toStdString();
    EXPECT_TRUE(o.contains(QStringLiteral("Nyerő sorsolások: 2 db"))) << o.toStdString();
    EXPECT_EQ(Cella(v->OsztalyTabla(), 1, 0), QStringLiteral("4 találat"));
    EXPECT_EQ(Cella(v->OsztalyTabla(), 1, 3), QStringLiteral("1 142 265 Ft"));
    EXPECT_EQ(Cella(v->EselyTabla(), 0, 1), QStringLiteral("1 : 43 949 268"));
    EXPECT_EQ(Cella(v->EselyTabla(), 1, 3), QStringLiteral("1 904 117 Ft"))
        << "the mean of three weeks";

    // A narrower range (the draws are oldest first: 2023/1 alone) counts again; the odds stay.
    v->ElsoHuzas()->setValue(2);
    v->UtolsoHuzas()->setValue(2);
    v->Szamitas();
    EXPECT_TRUE(v->Osszegzes()->text().contains(QStringLiteral("Nyeremény: 3 300 Ft")))
        << v->Osszegzes()->text().toStdString();
    EXPECT_EQ(Cella(v->EselyTabla(), 0, 1), QStringLiteral("1 : 43 949 268"));

    for (const char* nev : {"t.csv", "a.png", "a.pdf"}) {
        const fs::path f = p.mappa / nev;
        const bool ok = std::string(nev) == "t.csv"
                            ? v->CsvMentes(QString::fromStdString(f.string()))
                            : v->GrafikonMentes(0, QString::fromStdString(f.string())) &&
                                  v->GrafikonMentes(1, QString::fromStdString(f.string()));
        EXPECT_TRUE(ok) << nev;
        EXPECT_GT(fs::file_size(f), 100u) << nev;
    }
    for (QWidget* w : v->findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(v) &&
            (qobject_cast<QSpinBox*>(w) || qobject_cast<QTableWidget*>(w))) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
}

} // namespace
} // namespace varion::ui
