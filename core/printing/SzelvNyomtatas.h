// Printing tickets onto the operator's paper slips: the slip geometry of the three games in
// millimetres, its conversion to printer pixels, the marks of one slip, the print range and
// its limits, and the messages of a print run.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varion {

// The printer as a print run reads it. Resolutions in pixels per inch; `Margo` is the
// printer's physical offset (the band it cannot print on), `Eltolas` where the drawing
// origin lies from the paper's corner (zero when drawing on the full page); the page is the
// printable area.
struct NyomtatoMeretek {
    int FelbontasX = 600, FelbontasY = 600;
    int MargoX = 0, MargoY = 0;
    int EltolasX = 0, EltolasY = 0;
    int LapSzelesseg = 0, LapMagassag = 0;
};

// A slip's layout in millimetres.
struct SzelvenyTerv {
    int MezoDb;
    std::array<double, 10> X0, Y0; // box of column 1, row 1 of each field
    double JokerX, JokerY;         // the "Igen" box
    double SorszamX, SorszamY;     // start of the serial text
    int Oszlopok;                  // columns of the number grid
};
inline constexpr double Osztas = 4.2;         // box pitch, both axes
inline constexpr double JokerNemTavolsag = 8; // the "Nem" box right of "Igen"
const SzelvenyTerv& SzelvenyTervJatek(int jatek);

int SzNyMezoSzam(int jatek);
// Slips the stored tickets fill.
int DbSzelv(int jatek, std::int64_t tarolt);

// Millimetres as printer pixels, rounded up.
int Keppont(double mm, int felbontas);

// Joker box choice of the options dialog.
enum class JokerJeloles : int { Igen = 0, Nem = 1, Jeloletlen = 2 };

// One mark or text to print: its box's top-left corner in drawing pixels.
struct SzelvJel {
    int X, Y;
    std::string Szoveg;
    bool operator==(const SzelvJel&) const = default;
};

// The numbers of a field's box (1-based column and row on the game's grid).
struct RacsHely {
    int Oszlop, Sor;
};
RacsHely SzamHelye(int jatek, int szam);

// Everything printed on one slip: an "x" on every number of every field, the Joker mark and
// the serial text (empty for none).
std::vector<SzelvJel> SzelvenyJelek(int jatek, const NyomtatoMeretek& m,
                                    const std::vector<std::vector<int>>& mezok, JokerJeloles joker,
                                    const std::string& sorszam);

// One slip of a print run: its tickets and its serial text.
struct SzelvFeladat {
    int Szelveny;     // 1-based
    int ElsoSzelveny; // 0-based ticket
    int MezoDb;
    std::string Sorszam; // "3. \ 13.  -  13."
};
// The slips of the range `elso`..`utolso` (1-based, already clamped).
std::vector<SzelvFeladat> SzelvNyomtTerv(int jatek, std::int64_t tarolt, int elso, int utolso);

// The range the print dialog may offer: 1..DbSzelv, with a stale range pulled inside.
struct NyomtTartomany {
    int Elso = 1, Utolso = 1;
    bool operator==(const NyomtTartomany&) const = default;
};
NyomtTartomany TartomanyKorlatozas(NyomtTartomany t, int dbSzelv);

enum class TartomanyDontes { Rendben, Kerdes, Tiltott };
// More than 100 slips are refused, more than 30 need the player's confirmation.
TartomanyDontes TartomanyEllenorzes(NyomtTartomany t);

// Error texts of the printer checks; nothing when the printer can fill the slips.
std::optional<std::string_view> LapmeretHiba(const NyomtatoMeretek& m);
std::optional<std::string_view> MargoHiba(const NyomtatoMeretek& m);

inline constexpr std::string_view NincsNyomtatoSzoveg = "Nincs alapértelmezett nyomtató!";
inline constexpr std::string_view NyomtatasiAllomanyokSzoveg = "Nyomtatási állományok elkészítése.";
std::string TobbMint100Szoveg();
std::string TobbMint30Szoveg();

} // namespace varion
