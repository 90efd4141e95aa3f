// The subcommands of varion-cli. Each takes the arguments after its name and returns the
// exit code: 0 success, 2 bad arguments or input (`garancia`: 1 when the guarantee fails).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varion::cli {

using Parancs = int (*)(const std::vector<std::string>& args);

struct ParancsLeiras {
    std::string_view Nev;
    std::string_view Hasznalat;
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

} // namespace varion::cli
