// The texts of the breakdown list, its auxiliary ticket and the check ticket: captions,
// information panels and the hints of the checked numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "breakdown/BontasEllenorzes.h"

namespace varion {

// An example breakdown is told by its breakdown window's caption: 20 characters or more.
bool PeldabontasFelirat(std::string_view bontasFelirat);
// Its check shows the example hint only for a caption longer than 30 characters.
bool PeldaEllenorzesFelirat(std::string_view bontasFelirat);
inline constexpr std::string_view PeldaEllenorzesSzoveg =
    "Egy példabontás ellenőrzését végzi.\r\rA példabontás egyetlen, a főszelvényen is (más "
    "színnel) jelzett\rszámsor (a számsort alkotó számok) tulajdonságai alapján készül.\r\r"
    "Ezért a példabontás ellenőrzése során, valójában a program\rhatékonyságát, egyben annak "
    "helyes működését vizsgálja.\r";

std::string ListaFelirat(bool pelda);
std::string SegedSzelvenyFelirat(bool pelda);
// The auxiliary ticket's caption for grid row `sor` (variation sor - 1).
std::string SegedSzelvenyFelirat(bool pelda, std::int32_t sor);
std::string EllenorzesFelirat(bool pelda);

// A count right-aligned in `szelesseg` characters (zero shows as "0").
std::string Jobbra(std::int64_t ertek, int szelesseg);
// The information window counts the numbers of more than a million rows under this toast.
inline constexpr std::int32_t InfoToastSorok = 1'000'000;
inline constexpr std::string_view InfoToastSzoveg = "Lottószámok gyakoriságának vizsgálata.";
inline bool InfoToastKell(std::int32_t sorok) {
    return sorok > InfoToastSorok;
}
// The same with a zero written as blanks only, as "%8.0u" writes it (the draw list's
// counts read the same way).
std::string JobbraNullaUres(std::int64_t ertek, int szelesseg);

// The auxiliary ticket's panel: the distribution of the selected variation, then the sum
// of its numbers.
std::string SegedRiport(int jatek, const TalalatOsztalyok& eloszlas, int osszeg);

// The check ticket's panel. `db` numbers selected summing to `osszeg`; the classes appear
// from `db` selected numbers on (at least game - 3), "5+1" with a plus number chosen.
std::string EllenorzesRiport(int jatek, int db, int osszeg, const TalalatOsztalyok& o,
                             bool pluszSzam);

// Hints of the check ticket's numbers.
enum class EllSzamFajta { Jelolt, Allando, Veletlen, Hianyzo, Fix, Egyeb };
// `pozicio` is 1-based within the marked row (fixed numbers follow the marked ones).
std::string EllSzamSugo(EllSzamFajta f, int szam, int pozicio, bool huzasMod);
// A check over more than 100,000 variations shows the waiting toast while it counts.
bool TalalatSzamitasToastKell(std::int32_t sorok);
inline constexpr std::string_view TalalatSzamitasToast = "Találati arányok beállítása.";

inline constexpr std::string_view PluszSugoElotag = " Plusz számként kijelölve. \r";
inline constexpr std::string_view EllTicketSugo =
    " Kijelölt számsor keresése a bontás számsorai között. ";

} // namespace varion
