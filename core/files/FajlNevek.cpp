#include "files/FajlNevek.h"

#include <system_error>

namespace varion {

FajlTipus FajlTipusa(std::string_view nev) {
    if (nev.size() < 3) return FajlTipus::Egyeb;
    std::string k(nev.substr(nev.size() - 3));
    for (char& c : k)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (k == "tip") return FajlTipus::Tip;
    if (k == "top") return FajlTipus::Top;
    return FajlTipus::Egyeb;
}

std::string KiterjesztesCsere(std::string_view nev, std::string_view kit) {
    if (nev.size() < 3) return std::string(nev) + std::string(kit);
    return std::string(nev.substr(0, nev.size() - 3)) + std::string(kit);
}

std::string BackNev(int jatek, std::string_view utotag) {
    return "back" + std::to_string(jatek) + std::string(utotag) + ".tip";
}

bool BackCsere(const std::filesystem::path& mappa, int jatek) {
    const auto a = mappa / BackNev(jatek), b = mappa / BackNev(jatek, "1"),
               c = mappa / BackNev(jatek, "2");
    std::error_code ec;
    std::filesystem::rename(a, c, ec);
    if (ec) return false;
    std::filesystem::rename(b, a, ec);
    if (ec) {
        std::filesystem::rename(c, a, ec);
        return false;
    }
    std::filesystem::rename(c, b, ec);
    if (ec) {
        std::filesystem::rename(a, b, ec);
        std::filesystem::rename(c, a, ec);
        return false;
    }
    return true;
}

} // namespace varion
