// Names of the program's own files: the number-row / breakdown file pairing, the
// last-breakdown backups and their exchange.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varion {

enum class FajlTipus { Tip, Top, Egyeb };

// The type by the last three characters of the name, compared without regard to case.
FajlTipus FajlTipusa(std::string_view nev);
// The name with its last three characters replaced by `kit` ("tip" or "top").
std::string KiterjesztesCsere(std::string_view nev, std::string_view kit);

// The two files a save writes: the breakdown file and the number-row file beside it. A
// chosen name ending in ".tip" or ".top" (in any case) gives its stem; any other name is
// kept whole, so "eredmeny" saves as "eredmeny.top" and "eredmeny.tip". The extensions
// written are lower case.
struct MentesiNevek {
    std::filesystem::path Top, Tip;
};
MentesiNevek MentesiNevekBol(const std::filesystem::path& valasztott);

// The existing files of `nev`'s folder named as `nev` with its last three characters
// replaced by `kit`, in any case ("x.top", "x.TOP", "x.Top" for "x.TIP" and "top").
std::vector<std::filesystem::path> TarsFajlok(const std::filesystem::path& nev,
                                              std::string_view kit);

// "back" g ".tip" (the last finished breakdown's row), "back" g "1.tip" (the row that
// was on the ticket at the reload) and "back" g "2.tip" (only during the exchange).
std::string BackNev(int jatek, std::string_view utotag = "");

// Exchanges "back" g ".tip" and "back" g "1.tip" in `mappa` through "back" g "2.tip".
// False when a rename failed; the two files then have their old names.
bool BackCsere(const std::filesystem::path& mappa, int jatek);

// Scratch files deleted at every start when the settings file exists.
inline constexpr std::string_view SegedFajlok[] = {"tesz.tip", "tesz5.tip", "tesz6.tip",
                                                   "tesz7.tip"};

} // namespace varion
