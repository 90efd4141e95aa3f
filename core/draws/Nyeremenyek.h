// The prizes of past draws: for every draw of the operator's export, the number of winning
// tickets and the prize per ticket of each class, kept per game in a file beside the draw
// file and keyed by year and week (the draw file's numbering moves with every insert and
// delete, a week does not).
//
// File: the 16-byte version header, then one 64-byte record per draw, in ascending
// (year, week):
//   0 uint16 year | 2 uint8 week | 3 uint8 0 |
//   4 five classes of 12 bytes: int32 winners, int64 prize per ticket in forints.
// Classes from the top: game 5: 5, 4, 3, 2 hits; game 6: 6, 5+1, 5, 4, 3; game 7: 7, 6, 5, 4.
// A prize of -1 is unknown: a class nobody won has no prize (the operator writes 0 Ft), and
// a draw entered by hand has no record at all. Unused classes hold 0 winners and -1.
#pragma once

#include <array>
#include <cstdint>
#include <expected>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/ProgramVerzio.h"

namespace varion {

inline constexpr std::size_t NyeremenyRekordMeret = 64;
inline constexpr int MaxNyeremenyOsztaly = 5;
inline constexpr std::int64_t IsmeretlenNyeremeny = -1;

// Prize classes of a game (4 or 5).
constexpr int NyeremenyOsztalyDb(int jatek) {
    return jatek == 6 ? 5 : 4;
}
// The class of a ticket with `talalat` hits (`plusz`: Hatoslottó's 5+1), -1 below the
// lowest class.
int NyeremenyOsztaly(int jatek, int talalat, bool plusz = false);
// "5 találat", "5+1 találat".
std::string OsztalyNev(int jatek, int osztaly);

struct OsztalyNyeremeny {
    std::int32_t Nyertes = 0;
    std::int64_t Nyeremeny = IsmeretlenNyeremeny; // per winning ticket, forints
    bool Ismert() const { return Nyeremeny >= 0; }
    bool operator==(const OsztalyNyeremeny&) const = default;
};

struct HuzasNyeremeny {
    std::int32_t Ev = 0;
    std::int32_t Het = 0;
    std::array<OsztalyNyeremeny, MaxNyeremenyOsztaly> Osztaly{};
    bool operator==(const HuzasNyeremeny&) const = default;
};

// "Dat/Huzas5.ldb" -> "Dat/Huzas5.nyr": the prizes live beside the draws they belong to.
std::filesystem::path NyeremenyFajl(const std::filesystem::path& huzasFajl);

inline constexpr std::string_view NyeremenyOlvasasHibaSzoveg =
    "Hiba történt a nyeremények állományának olvasása során!";
inline constexpr std::string_view NyeremenyIrasHibaSzoveg =
    "Hiba történt a nyeremények állományának írása során!";

class NyeremenyTar {
public:
    explicit NyeremenyTar(int jatek = 5);

    int Jatek() const { return jatek_; }
    const std::vector<HuzasNyeremeny>& Huzasok() const { return huzasok_; }
    std::size_t Db() const { return huzasok_.size(); }
    // The prizes of a week; null when none are known.
    const HuzasNyeremeny* Keres(int ev, int het) const;

    // Takes the prizes of an import: a week not held yet is added; a held week takes the
    // classes whose prize the import knows. Returns the count of weeks added or changed.
    // Records that are not sound (week, negative counts, a prize without a winner) are
    // skipped.
    int Osszefesules(std::span<const HuzasNyeremeny> uj);

    // Reads a prize file; the error text when it is short or damaged.
    static std::expected<NyeremenyTar, std::string> Beolvasas(std::span<const std::uint8_t> adat,
                                                              int jatek);
    std::vector<std::uint8_t> Kodolas(const ProgramVerzio& verzio) const;

    // The file: missing is an empty store; damaged is an error.
    static std::expected<NyeremenyTar, std::string> Betoltes(const std::filesystem::path& fajl,
                                                             int jatek);
    bool Mentes(const std::filesystem::path& fajl, const ProgramVerzio& verzio,
                std::size_t hibaUtan = SIZE_MAX) const;

private:
    int jatek_;
    std::vector<HuzasNyeremeny> huzasok_;
};

// What makes a record unusable for game `jatek`; empty when sound.
std::string_view NyeremenyHiba(int jatek, const HuzasNyeremeny& h);

// "1 396 675 Ft" -> 1396675; "0" -> 0; -1 when the text is no amount.
std::int64_t ForintErtek(std::string_view s);

} // namespace varion
