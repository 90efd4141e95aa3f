// The information window's content: the description of a finished breakdown (title, the
// "Készült" line and the summary) and how often each marked number occurs in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "printing/BontRiport.h"

namespace varion {

inline constexpr std::string_view InfoListaNev = "infolist.rtf";
inline constexpr std::string_view GyakorisagVizsgalatSzoveg =
    "Lottószámok gyakoriságának vizsgálata.";

struct SzamGyakorisag {
    int Szam;
    std::int64_t Db;
    bool operator==(const SzamGyakorisag&) const = default;
};

// The numbers that occur in at least one stored ticket, in marked order, with their counts;
// empty for a breakdown made from the draw database (its rows are not indices).
std::vector<SzamGyakorisag> SzamGyakorisagok(const TBontas& b);

// "A bontásba került 12 számok előfordulásának gyakorisága - a fix szám kivételével"
std::string GyakorisagCim(std::size_t szamDb, std::size_t fixDb);

// Texts of the two grid cells of one number, padded by the size of the largest count.
struct GyakorisagCella {
    std::string Szam, Db;
};
GyakorisagCella GyakorisagCellak(const SzamGyakorisag& g, std::int64_t legnagyobb);

// The description: the title, "Készült: date Varion version" right-aligned in 63, the
// summary lines. `program` is the program title, `sajat` the running version.
Riport BontasInfoSzoveg(const BontasRiportAdatok& a, const std::string& program,
                        const ProgramVerzio& sajat);

} // namespace varion
