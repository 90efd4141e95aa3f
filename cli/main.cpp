// varion-cli: the program's core driven from the command line.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "Argumentumok.h"
#include "Parancsok.h"
#include "base/ProgramVerzio.h"

namespace {

using varion::cli::ParancsLeiras;

constexpr std::array<ParancsLeiras, 6> parancsok{{
    {"bontas",
     "(--jatek G --szamok a,b,... [--fix x,y] | --tip FILE.tip [--huzasok FILE.ldb]) "
     "[--hibapont e [--optimalizalt [--mp S] [--mag SEED]]] [--eloszlas] [--lista] "
     "[--ki FILE.top]",
     varion::cli::Bontas},
    {"import", "--jatek G FILE.csv --ki FILE.ldb", varion::cli::ImportParancs},
    {"huzasok", "--jatek G FILE.ldb", varion::cli::HuzasokParancs},
    {"statisztika", "--jatek G FILE.ldb [--tol a --ig b]", varion::cli::StatisztikaParancs},
    {"lista", "FILE.top [--huzasok FILE.ldb]", varion::cli::ListaParancs},
    {"garancia", "FILE.top [--hibapont e] [--huzasok FILE.ldb]", varion::cli::GaranciaParancs},
}};

void Sugo() {
    std::cout << "Használat: varion-cli PARANCS [argumentumok]\n\n"
                 "  --version   a program verziója\n"
                 "  --help      ez a lista\n";
    for (const auto& p : parancsok) std::cout << "  " << p.Nev << ' ' << p.Hasznalat << '\n';
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        Sugo();
        return 2;
    }
    if (args[0] == "--version") {
        std::cout << "Varion " << varion::VerzioSzoveg(varion::SajatVerzio()) << '\n';
        return 0;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        Sugo();
        return 0;
    }
    for (const auto& p : parancsok)
        if (p.Nev == args[0]) return p.Futtatas({args.begin() + 1, args.end()});
    return varion::cli::Hiba("unknown command " + args[0] + " (see --help)");
}
