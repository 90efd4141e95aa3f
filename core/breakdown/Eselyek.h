// The exact odds of a ticket set at one play, and what a play is worth on average.
//
// Every ticket is made of the marked numbers (or the numbers of past draws) and the fixed
// numbers, so a draw matters only through what it takes of them: the draws are enumerated
// by their intersection S with the marked numbers, each weighted by the ways to draw the
// rest (the fixed numbers and the numbers outside). Nothing is simulated.
//
// Hatoslottó has no plus number any more, so its odds know no 5+1 class. A Skandináv lottó
// ticket plays two draws a week: the per-play figures count both.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "breakdown/Visszateszt.h"

namespace varion {

using OsztalyValos = std::array<double, MaxNyeremenyOsztaly>;

struct EselyEredmeny {
    int Jatek = 5;
    std::int64_t Szelvenyek = 0;
    int SorsolasJatekonkent = 1; // draws a play takes part in: 2 in Skandináv lottó
    // One draw: the chance of at least one ticket in the class or a better one, and the
    // expected tickets in the class.
    OsztalyValos Valoszinuseg{};
    OsztalyValos Varhato{};
    bool Megszakitva = false;

    // The same for one play (both draws of a Skandináv week).
    double JatekValoszinuseg(int o) const;
    double JatekVarhato(int o) const;
};

// `maxSzam` other than 0 plays a smaller game of the same draw count (tests check those
// against every draw).
EselyEredmeny Eselyek(const BontasAdat& b, Folyamat* f = nullptr, int maxSzam = 0);
// Kernel passes the enumeration takes (subsets of the marked numbers × tickets), for the
// window to decide whether it needs a worker.
double EselyMunka(const BontasAdat& b);

// The mean prize of each class over the draws of `t` whose prize is known, and how many
// such draws there were.
struct AtlagNyeremenyek {
    OsztalyValos Atlag{};
    std::array<int, MaxNyeremenyOsztaly> Db{};
};
AtlagNyeremenyek AtlagosNyeremenyek(const NyeremenyTar& ny, const HuzasAdatbazis& db, Tartomany t);

// Expected winnings of one play of the whole set from the mean prizes: the lower classes
// (`Varhato`) and the top class apart (`Fonyeremeny`, 0 when no jackpot was known in the
// range); `Koltseg` the price of the play.
struct VarhatoErtek {
    double Varhato = 0;
    double Fonyeremeny = 0;
    bool FonyeremenyIsmert = false;
    double Koltseg = 0;
};
VarhatoErtek VarhatoNyeremeny(const EselyEredmeny& e, const AtlagNyeremenyek& a, double jegyAr);

// Expected tickets with three significant digits and no exponent: "0,0000000228".
std::string VarhatoSzoveg(double v);
// "1 : 43 949 268"; "-" for an impossible class.
std::string EselySzoveg(double p);
// The class table: class, chance of at least one, expected tickets, mean prize.
std::vector<std::array<std::string, 4>> EselyTablazat(const EselyEredmeny& e,
                                                      const AtlagNyeremenyek& a);
inline constexpr std::array<std::string_view, 4> EselyFejlec = {
    "Találati osztály", "Esély (legalább egy szelvény)", "Várható szelvényszám",
    "Átlagos nyeremény"};
std::vector<std::string> VarhatoSorok(const VarhatoErtek& v);

} // namespace varion
