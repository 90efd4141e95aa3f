// What each fuzz target does with one input: the reader of one file type, fed bytes from
// anywhere, and the checks that what it accepted is consistent. The same functions replay
// the regression corpus in the normal test run.
//
// The first byte of every input chooses the circumstances the reader meets: the game
// (5 + b % 3), whether a draw database is loaded (b & 4), the answer to a question (b & 8)
// and the number of draws in that database ((b >> 4) × 100). The rest is the file.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varion::fuzz {

// False when the reader accepted the input but what it made of it is inconsistent.
bool HuzasFajl(std::span<const std::uint8_t> be);     // Dat/HuzasG.ldb
bool SzamsorFajl(std::span<const std::uint8_t> be);   // .tip
bool BontasFajl(std::span<const std::uint8_t> be);    // .top
bool BeallitasFajl(std::span<const std::uint8_t> be); // Varion.ini
bool HuzasCsv(std::span<const std::uint8_t> be);      // the operator's CSV export
bool SugoFajl(std::span<const std::uint8_t> be);      // Help/Varion.hlp, NUL, Help/Varion.cnt
bool NyeremenyFajl(std::span<const std::uint8_t> be); // Dat/HuzasG.nyr

struct Cel {
    std::string_view Nev;
    bool (*Futtatas)(std::span<const std::uint8_t>);
};

inline constexpr Cel Celok[] = {
    {"huzasfajl", HuzasFajl},         {"szamsorfajl", SzamsorFajl}, {"bontasfajl", BontasFajl},
    {"beallitasfajl", BeallitasFajl}, {"huzascsv", HuzasCsv},       {"sugofajl", SugoFajl},
    {"nyeremenyfajl", NyeremenyFajl},
};

} // namespace varion::fuzz
