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

MentesiNevek MentesiNevekBol(const std::filesystem::path& valasztott) {
    std::string nev = valasztott.filename().string();
    if (nev.size() > 4 && nev[nev.size() - 4] == '.' && FajlTipusa(nev) != FajlTipus::Egyeb)
        nev.resize(nev.size() - 4);
    const auto mappa = valasztott.parent_path();
    return {mappa / (nev + ".top"), mappa / (nev + ".tip")};
}

namespace {

bool EgyezikKisNagybetuNelkul(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto kis = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (kis(a[i]) != kis(b[i])) return false;
    }
    return true;
}

} // namespace

std::vector<std::filesystem::path> TarsFajlok(const std::filesystem::path& nev,
                                              std::string_view kit) {
    std::vector<std::filesystem::path> ki;
    const std::string tars = KiterjesztesCsere(nev.filename().string(), kit);
    if (tars.size() < 3) return ki;
    const std::string_view eleje = std::string_view(tars).substr(0, tars.size() - 3);
    const auto mappa = nev.has_parent_path() ? nev.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    for (std::filesystem::directory_iterator i(mappa, ec), vege; !ec && i != vege;
         i.increment(ec)) {
        const std::string f = i->path().filename().string();
        if (f.size() == tars.size() && f.starts_with(eleje) &&
            EgyezikKisNagybetuNelkul(std::string_view(f).substr(eleje.size()), kit))
            ki.push_back(nev.has_parent_path() ? i->path() : std::filesystem::path(f));
    }
    return ki;
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
