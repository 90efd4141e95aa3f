// The program started in a temporary folder with a draw file of game 5, for the tests of
// the draw windows.
#pragma once

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "app/UAdatbazisParancsok.h"
#include "app/UVarion.h"
#include "draws/HuzasImport.h"
#include "draws/UHuzBe.h"
#include "draws/UHuzLista.h"
#include "game/USzelveny.h"
#include "io/FajlMentes.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"
#include "ui/ProgramProba.h"

namespace varion::ui::teszt_huzas {

namespace fs = std::filesystem;
using teszt::RogzitoUzenetek;

inline const std::string Otos = "2020;3;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;11;12;13;14;15\r\n"
                                "2020;2;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;6\r\n"
                                "2020;1;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5\r\n";

// The program with a draw file of game 5 made from `csv` (empty: no draws).
struct Program : proba::Program {

    // `ini`: the settings file the program finds, when not empty.
    explicit Program(const std::string& csv = Otos, const std::string& ini = {})
        : proba::Program({7, 13, 30}) {
        if (!ini.empty()) {
            EXPECT_TRUE(io::BiztosMentes(
                mappa.Utvonal / "Varion.ini",
                std::span(reinterpret_cast<const std::uint8_t*>(ini.data()), ini.size())));
        }
        proba::ProgramFajlok(mappa.Utvonal);
        HuzasAdatbazis db(5);
        if (!csv.empty()) {
            EXPECT_TRUE(HuzasImport(db, csv));
        }
        EXPECT_TRUE(io::BiztosMentes(mappa.Utvonal / "Dat/Huzas5.ldb", *db.Kodolas({1, 0, 0, 0})));
        Epites();
        u.MindentElfogad();
        EXPECT_TRUE(ablak->Inditas());
        u.Torles();
        u.MindentElfogad(false);
    }
    UAdatbazisParancsok& A() { return ablak->Adatbazis(); }
    THuzLista& L() { return A().Lista(); }
    THuzBe& B() { return A().HuzBe(); }
    void Katt(TSzelveny& sz, int n) {
        QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, {}, sz.CellaKozep(n));
    }
};

} // namespace varion::ui::teszt_huzas
