// What a ticket set would have won: every ticket against every draw of a range, counted by
// prize class, priced with the prizes the operator paid, against the cost of playing the
// whole set at every draw.
//
// Skandináv lottó draws two rows a week and a ticket plays both; Hatoslottó's 5+1 class
// exists while a plus number was drawn. A class whose prize is not known (nobody won it
// that week, or the draw was entered by hand) is counted apart and never priced.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "breakdown/BontasEllenorzes.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasTartomany.h"
#include "draws/Nyeremenyek.h"

namespace varion {

using OsztalyTomb = std::array<std::int64_t, MaxNyeremenyOsztaly>;

struct HuzasVisszateszt {
    int Huzas = 0; // draw number
    int Ev = 0, Het = 0;
    OsztalyTomb Db{};            // tickets per class
    std::int64_t Nyeremeny = 0;  // forints, classes with a known prize
    std::int64_t Ismeretlen = 0; // tickets in classes without a known prize
    bool Nyert() const { return Nyeremeny > 0 || Ismeretlen > 0; }
};

struct VisszatesztEredmeny {
    int Jatek = 5;
    std::int64_t Szelvenyek = 0; // tickets played at every draw
    double JegyAr = 0;           // forints a ticket, the same at every draw
    std::vector<HuzasVisszateszt> Huzasok;
    OsztalyTomb OsztalyDb{};        // tickets per class over the range
    OsztalyTomb IsmeretlenDb{};     // of them, in a class whose prize was not known
    OsztalyTomb OsztalyNyeremeny{}; // forints per class
    std::int64_t Nyeremeny = 0;
    std::int64_t IsmeretlenOsszes = 0;
    int NyeroHuzasok = 0;
    int LegjobbIndex = -1; // into Huzasok, the draw that paid most; -1 when none paid
    bool Megszakitva = false;

    double Koltseg() const {
        return JegyAr * static_cast<double>(Szelvenyek) * static_cast<double>(Huzasok.size());
    }
    double Netto() const { return static_cast<double>(Nyeremeny) - Koltseg(); }
    // Winnings as a share of the cost, percent; 0 without cost.
    double Megterules() const {
        return Koltseg() > 0 ? 100.0 * static_cast<double>(Nyeremeny) / Koltseg() : 0;
    }
};

// How far a long run got, and the request to stop it; both may be shared with another thread.
struct Folyamat {
    std::atomic<std::int64_t> Kesz{0};
    std::atomic<std::int64_t> Osszes{0};
    std::atomic<bool> Megallitas{false};
};

// The tickets of `b` against the draws `t` of `db`, priced from `ny` (a store of another
// game prices nothing). Stopped through `f`, the result holds the draws done so far.
VisszatesztEredmeny Visszateszt(const BontasAdat& b, const HuzasAdatbazis& db,
                                const NyeremenyTar& ny, Tartomany t, double jegyAr,
                                Folyamat* f = nullptr);

// The tickets per class of one draw (both rows in Skandináv lottó), as the backtest counts.
OsztalyTomb HuzasOsztalyai(const BontasAdat& b, const HuzasAdatbazis& db, int index);

// Forints with the thousands grouped: "1 396 675 Ft".
std::string ForintSzoveg(double ft);

// The totals as the program writes them, a line each.
std::vector<std::string> VisszatesztOsszegzes(const VisszatesztEredmeny& e, Tartomany t);
// The class table: class, tickets, of them unpriced, winnings.
std::vector<std::array<std::string, 4>> VisszatesztTablazat(const VisszatesztEredmeny& e);
inline constexpr std::array<std::string_view, 4> VisszatesztFejlec = {
    "Találati osztály", "Szelvény", "Ebből ismeretlen nyereményű", "Nyeremény"};
// Per draw, for a spreadsheet: draw;year;week;tickets per class...;winnings;unpriced;
// cost;cumulative net.
std::string VisszatesztCsv(const VisszatesztEredmeny& e);

} // namespace varion
