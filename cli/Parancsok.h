// The subcommands of varion-cli. Each takes the arguments after its name and returns the
// exit code: 0 success, 1 the task failed (`garancia`: the guarantee does not hold), 2 bad
// arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varion::cli {

inline constexpr int KilepesRendben = 0;
inline constexpr int KilepesHiba = 1;      // the work failed: a file unreadable, damaged, unwritten
inline constexpr int KilepesHasznalat = 2; // the command line is wrong
inline constexpr int KilepesNemTeljesul = 3; // `garancia`: the check worked, the guarantee fails

using Parancs = int (*)(const std::vector<std::string>& args);

struct ParancsLeiras {
    std::string_view Nev;
    std::string_view Hasznalat; // the arguments, one line
    std::string_view Leiras;    // what it does, one line
    std::string_view Opciok;    // the options, a line each, for `PARANCS --help`
    Parancs Futtatas;
};

// Subcommands, one per file.
// (Later subcommands add their line here and in the table of main.cpp.)
int Bontas(const std::vector<std::string>& args);
int ImportParancs(const std::vector<std::string>& args);      // Huzasok.cpp
int HuzasokParancs(const std::vector<std::string>& args);     // Huzasok.cpp
int StatisztikaParancs(const std::vector<std::string>& args); // Huzasok.cpp
int ListaParancs(const std::vector<std::string>& args);       // Lista.cpp
int GaranciaParancs(const std::vector<std::string>& args);    // Garancia.cpp
int TalalatokParancs(const std::vector<std::string>& args);   // Talalatok.cpp
int KeresesParancs(const std::vector<std::string>& args);     // Kereses.cpp
int VisszatesztParancs(const std::vector<std::string>& args); // Visszateszt.cpp
int EselyekParancs(const std::vector<std::string>& args);     // Visszateszt.cpp

} // namespace varion::cli
