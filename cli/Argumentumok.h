// Command-line parsing shared by the subcommands: `--name value` options, `--flag`
// switches and positional arguments, and the comma-separated number lists.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace varion::cli {

struct Argumentumok {
    std::map<std::string, std::string> Opciok;
    std::set<std::string> Kapcsolok;
    std::vector<std::string> Poziciok;

    bool Van(const std::string& nev) const {
        return Opciok.contains(nev) || Kapcsolok.contains(nev);
    }
    std::optional<std::string> Opcio(const std::string& nev) const;
};

// Splits `args` into options (the names in `ertekesek` take a value), switches (the names
// in `kapcsolok`) and positionals. An unknown `--name` or a missing value is an error,
// returned as the one-line message.
std::optional<std::string> Feldolgozas(const std::vector<std::string>& args,
                                       const std::set<std::string>& ertekesek,
                                       const std::set<std::string>& kapcsolok, Argumentumok& ki);

std::optional<int> EgeszSzam(const std::string& s);
// "a,b,c" as numbers; nullopt on anything that is not a list of integers.
std::optional<std::vector<int>> SzamLista(const std::string& s);

// One-line error on stderr; returns the exit code for a wrong command line (2).
int Hiba(const std::string& uzenet);
// One-line error on stderr; returns the exit code for work that failed (1).
int Kudarc(const std::string& uzenet);
// The message as one line: its line breaks become blanks.
std::string EgySorban(std::string_view szoveg);

} // namespace varion::cli
