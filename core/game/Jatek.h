// The three games and every constant that follows from the game count.
#pragma once

#include <array>
#include <string_view>

namespace varion {

// A game is identified everywhere by its count of drawn numbers: 5, 6 or 7.
struct JatekAdatok {
    int Jatek;                    // count of drawn numbers
    std::string_view MenuFelirat; // caption in the "Játék" radio group
    std::string_view Gyorsbillentyu;
    int MaxSzam;                  // largest number of the game
    int HuzottSzamok;             // numbers stored per draw (6 + plus number, 7 + 7)
    int Oszlopok;                 // ticket grid columns
    int Sorok;                    // ticket grid rows
    std::string_view KonyvtarNev; // per-game data directory
    std::string_view FoablakFelirat;
};

inline constexpr std::array<JatekAdatok, 3> Jatekok{{
    {5, "Ötöslottó", "F5", 90, 5, 10, 9, "Otos", " Varion  -  Ötöslottó"},
    {6, "Hatoslottó", "F6", 45, 7, 7, 7, "Hatos", " Varion  -  Hatoslottó"},
    {7, "Skandináv lottó", "F7", 35, 14, 5, 7, "Skandinav", " Varion  -  Skandináv lottó"},
}};

constexpr bool ErvenyesJatek(int jatek) {
    return jatek >= 5 && jatek <= 7;
}

// The constants of a valid game (5..7); any other value gives those of game 5.
constexpr const JatekAdatok& JatekAdat(int jatek) {
    return ErvenyesJatek(jatek) ? Jatekok[static_cast<std::size_t>(jatek - 5)] : Jatekok[0];
}

constexpr int MaxSzamJatek(int jatek) {
    return JatekAdat(jatek).MaxSzam;
}

// The main ticket accepts at most this many fixed numbers.
constexpr int MaxFixSzam(int jatek) {
    return jatek - 2;
}

} // namespace varion
