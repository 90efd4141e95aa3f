// The ticket appearance table: sizes and colours of the six ticket views, in two colour
// schemes of 14 entries each. Scheme 0 ("Alapértelmezett") is always the built-in values,
// scheme 1 ("Kedvenc") is the player's and lives in the settings file.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace varion {

inline constexpr int SemaMeret = 14;
inline constexpr int SemaDb = 2;
inline constexpr int SzelvNezetDb = 6;

// The views, in the order of the table (and of their settings-key prefixes).
enum class SzelvFajta : int {
    Foszelveny = 0,
    BontasLista = 1,
    BontasEllenorzes = 2,
    HuzasLista = 3,
    UjHuzas = 4,
    SzamsorKereses = 5,
};

// The entries of one scheme.
enum class SzelvBejegyzes : int {
    Hatter = 0,        // ticket background
    Box = 1,           // cell size, pixels
    Jeloletlen = 2,    // background of an unmarked cell
    Kijelolt = 3,      // background of a marked cell
    SzamMeret = 4,     // font size of the cell text, points
    SzamSzin = 5,      // text colour of an unmarked cell
    Tartalek = 6,      // not edited by the settings dialog
    RiportPanel = 7,   // information panel background
    RiportSzoveg = 8,  // information panel text
    KijeloltSzam = 9,  // text of a normal marked number
    FixSzam = 10,      // text of a fixed number
    AllandoSzam = 11,  // text of a constant number
    PluszSzam = 12,    // text of a plus number
    VeletlenSzam = 13, // text of a random number
};

// Colours are R + 256·G + 65536·B; a desktop theme colour is a negative number, the
// theme index added to -16777216.
constexpr std::int32_t Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
constexpr std::int32_t TemaSzin(int index) {
    return -16777216 + index;
}
inline constexpr std::int32_t TemaGorgetosav = TemaSzin(0);
inline constexpr std::int32_t TemaAblakSzoveg = TemaSzin(8);
inline constexpr std::int32_t TemaGombFelulet = TemaSzin(15);
inline constexpr std::int32_t TemaSugoHatter = TemaSzin(24);

constexpr bool TemaSzinE(std::int32_t ertek) {
    return ertek < 0;
}

// The settings-key prefix of each view ("FSz14".."FSz27", ...).
inline constexpr std::array<std::string_view, SzelvNezetDb> SzelvElotagok{"FSz", "BSz",  "BESz",
                                                                          "HSz", "HBSz", "HKSz"};
// The view's name in the settings dialog.
inline constexpr std::array<std::string_view, SzelvNezetDb> SzelvNevek{"Főszelvény",
                                                                       "Bontás listája szelvény",
                                                                       "Bontás ellenőrzés szelvény",
                                                                       "Húzások listája szelvény",
                                                                       "Új húzás... szelvény",
                                                                       "Számsor keresés szelvény"};

// Cell and number sizes the grid can work with (the hit test divides by the cell size).
inline constexpr int MinBox = 30, MaxBox = 48;
inline constexpr int MinSzamMeret = 8, MaxSzamMeret = 14;

class SzelvSzinTabla {
public:
    // Every view, both schemes, filled with the built-in values.
    SzelvSzinTabla();

    std::int32_t Ertek(SzelvFajta nezet, int sema, SzelvBejegyzes b) const;
    void Beallit(SzelvFajta nezet, int sema, SzelvBejegyzes b, std::int32_t ertek);
    // Index sema·14 + entry, as the settings file and dialog address them (0..27).
    std::int32_t Ertek(int nezet, int index) const;
    void Beallit(int nezet, int index, std::int32_t ertek);

    // The built-in value of an entry (the same in both schemes).
    static std::int32_t Alapertek(SzelvFajta nezet, SzelvBejegyzes b);
    // False for values the grid cannot use (a cell or number size out of its range).
    static bool Hasznalhato(SzelvBejegyzes b, std::int32_t ertek);

    bool operator==(const SzelvSzinTabla&) const = default;

private:
    std::array<std::array<std::int32_t, SemaDb * SemaMeret>, SzelvNezetDb> t_{};
};

} // namespace varion
