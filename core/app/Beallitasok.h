// The player's settings and their file "Varion.ini" next to the program: built-in
// defaults, reading at start and writing at start, at exit and from the settings dialog.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/Uzenetek.h"
#include "game/SzelvSzinek.h"

namespace varion {

inline constexpr std::string_view BeallitasFajlNev = "Varion.ini";
inline constexpr int MinOptimalizalasIdo = 1, MaxOptimalizalasIdo = 600;

struct Beallitasok {
    int Jatek = 5;
    std::array<int, 3> SzelvForm{0, 0, 0}; // paper-slip layout of games 5, 6, 7
    bool SzelvFormatum = true;
    bool BeallitasokMentese = true; // "Beallitasok": save the settings at exit
    int Penznem = 0;                // 0 Forint, 1 Euro
    double ArForint = 200.0;
    double ArEuro = 0.0;
    int Szinsema = 0;
    bool Jovahagyas = true;
    bool SzelvZarStatus = false;
    bool Inform = true;
    bool HintStatus = true;
    int Szamsorrend = 0; // never stored in the file
    bool AtrendezesEngedve = true;
    int OptimalizalasIdo = 10; // seconds the optimised reduction may search
    SzelvSzinTabla SzelvSzinek;
    std::array<std::string, 3> IniDir; // last folder of the file dialogs, games 5, 6, 7
    // Where "Frissítés az internetről" downloads the operator's export, games 5, 6, 7.
    std::array<std::string, 3> HuzasCim{"https://bet.szerencsejatek.hu/cmsfiles/otos.csv",
                                        "https://bet.szerencsejatek.hu/cmsfiles/hatos.csv",
                                        "https://bet.szerencsejatek.hu/cmsfiles/skandi.csv"};

    // Price of one ticket in the chosen currency.
    double SzelvenyAr() const { return Penznem == 1 ? ArEuro : ArForint; }
    std::string& IniDirJatek(int jatek);

    bool operator==(const Beallitasok&) const = default;
};

// Every setting back to its built-in value.
void SzelvIniAlap(Beallitasok& b);

inline constexpr std::string_view SerultIniSzoveg = "Sérült a Varion.ini állomány!";
inline constexpr std::string_view IniOlvasasHibaSzoveg =
    "Hiba történt a \"Varion.ini\" állomány olvasása során!";
inline constexpr std::string_view IniIrasHibaSzoveg =
    "Hiba történt a \"Varion.ini\" állomány írása során!";

// Reads the file into `b`, key by key in the file's order, each missing key taking its
// default from the chain of the table. A game outside 5..7 deletes the file and leaves
// every setting at its built-in value; an unreadable file keeps what was read. False on
// either, after the message.
bool BeallitasOlvasas(const std::filesystem::path& fajl, Beallitasok& b, Uzenetek& u);
// The same for the file's text; false (after the message, with every setting at its
// built-in value) when the game is damaged. The caller deletes the file then.
bool BeallitasErtelmezes(std::string_view szoveg, Beallitasok& b, Uzenetek& u);

// Writes every key ("HintKiBe" excepted); an empty remembered folder is written as
// `jatekKonyvtar`, the current game's folder. False after the message on failure; the
// previous file is then intact.
bool BeallitasIras(const std::filesystem::path& fajl, const Beallitasok& b,
                   const std::string& jatekKonyvtar, Uzenetek& u, std::size_t hibaUtan = SIZE_MAX);

// The folder of a game's files in the program folder ("Otos", "Hatos", "Skandinav").
std::filesystem::path JatekKonyvtar(const std::filesystem::path& programKonyvtar, int jatek);
// Without a settings file the file dialogs start in the three game folders.
void IniDirAlap(Beallitasok& b, const std::filesystem::path& programKonyvtar);

// The text of the file (for the writer and its tests).
std::string BeallitasSzoveg(const Beallitasok& b, const std::string& jatekKonyvtar);

} // namespace varion
