// A report as the program composes it before it becomes a file or a printed page: lines of
// fixed-pitch text, some bold, with the page breaks between them, and the pieces every
// report shares (the page header line, the separator, the closing line).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varion {

struct RiportSor {
    std::string Szoveg;
    bool Felkover = false;
    bool OldalVege = false; // a page break follows this line
    bool operator==(const RiportSor&) const = default;
};

using Riport = std::vector<RiportSor>;

// Data lines of one page (per column where two columns are printed).
inline constexpr int RiportOldalSorai = 64;
inline constexpr std::string_view ListaVege = "Lista vége.";

// What the page header of every page shows besides the page number.
struct RiportFejlec {
    std::string ProgramCim; // "Varion"
    std::string Verzio;     // "1.6.0.2"
    std::string Datum;      // today, "2024.05.17."
};

// Characters of a UTF-8 text (code points), the measure every column width uses.
int KarakterHossz(std::string_view s);
// `s` right-aligned in `szelesseg` characters ("%Ns"); a longer text is kept whole.
std::string Jobbra(std::string_view s, int szelesseg);
// Ninety minus signs.
std::string Elvalaszto();
// Title and version, "Készült: date" right-aligned in 30, "p/n oldal." right-aligned in 30.
std::string OldalFejlec(const RiportFejlec& f, int oldal, int oldalDb);
// Today as the reports write it: "2024.05.17.".
std::string RiportDatum(int ev, int honap, int nap);
// The lines of a report without their marks, for the tests and the plain-text forms.
std::vector<std::string> RiportSzovegek(const Riport& r);
// Numbers of a day count of the data files (days since 30 December 1899) as a date.
std::string NapszamDatum(double napszam);

} // namespace varion
