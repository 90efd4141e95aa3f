#include "support/CliFuttatas.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace varion::teszt {

namespace {
std::string Tartalom(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

CliEredmeny CliFuttatas(const std::string& argumentumok) {
    const auto mappa = std::filesystem::temp_directory_path();
    const std::string alap = "varion-cli-" + std::to_string(::getpid());
    const auto ki = mappa / (alap + ".out"), hiba = mappa / (alap + ".err");
    const std::string parancs = std::string("'") + VARION_CLI_PATH + "' " + argumentumok + " >'" +
                                ki.string() + "' 2>'" + hiba.string() + "' </dev/null";
    const int allapot = std::system(parancs.c_str());
    CliEredmeny e;
    e.Kilepes = WIFEXITED(allapot) ? WEXITSTATUS(allapot) : -1;
    e.Kimenet = Tartalom(ki);
    e.Hibak = Tartalom(hiba);
    std::filesystem::remove(ki);
    std::filesystem::remove(hiba);
    return e;
}

} // namespace varion::teszt
