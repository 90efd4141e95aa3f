// Runs varion-cli from a test and captures what it printed.
#pragma once

#include <string>

namespace varion::teszt {

struct CliEredmeny {
    int Kilepes = -1;
    std::string Kimenet; // stdout
    std::string Hibak;   // stderr
};

// `argumentumok` is appended to the program path as it stands (shell-quoted by the caller).
CliEredmeny CliFuttatas(const std::string& argumentumok);

} // namespace varion::teszt
