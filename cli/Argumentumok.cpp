#include "Argumentumok.h"

#include <charconv>
#include <iostream>

#include "Parancsok.h"

namespace varion::cli {

std::optional<std::string> Argumentumok::Opcio(const std::string& nev) const {
    const auto it = Opciok.find(nev);
    if (it == Opciok.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> Feldolgozas(const std::vector<std::string>& args,
                                       const std::set<std::string>& ertekesek,
                                       const std::set<std::string>& kapcsolok, Argumentumok& ki) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.starts_with("--")) {
            const std::string nev = a.substr(2);
            if (kapcsolok.contains(nev)) {
                ki.Kapcsolok.insert(nev);
            } else if (ertekesek.contains(nev)) {
                if (i + 1 >= args.size()) return "hiányzik a(z) " + a + " értéke";
                ki.Opciok[nev] = args[++i];
            } else {
                return "ismeretlen kapcsoló: " + a;
            }
        } else {
            ki.Poziciok.push_back(a);
        }
    }
    return std::nullopt;
}

std::optional<int> EgeszSzam(const std::string& s) {
    int v = 0;
    const auto* vege = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data(), vege, v);
    if (ec != std::errc() || p != vege || s.empty()) return std::nullopt;
    return v;
}

std::optional<std::vector<int>> SzamLista(const std::string& s) {
    std::vector<int> ki;
    std::size_t eleje = 0;
    while (eleje <= s.size()) {
        const std::size_t vesszo = s.find(',', eleje);
        const std::size_t vege = vesszo == std::string::npos ? s.size() : vesszo;
        const auto szam = EgeszSzam(s.substr(eleje, vege - eleje));
        if (!szam) return std::nullopt;
        ki.push_back(*szam);
        if (vesszo == std::string::npos) break;
        eleje = vesszo + 1;
    }
    return ki;
}

std::string EgySorban(std::string_view szoveg) {
    std::string ki;
    bool szunet = false;
    for (const char c : szoveg) {
        if (c == '\r' || c == '\n') {
            szunet = !ki.empty();
            continue;
        }
        if (szunet && c != ' ' && ki.back() != ' ') ki += ' ';
        szunet = false;
        ki += c;
    }
    return ki;
}

int Hiba(const std::string& uzenet) {
    std::cerr << "varion-cli: " << EgySorban(uzenet) << '\n';
    return KilepesHasznalat;
}

int Kudarc(const std::string& uzenet) {
    std::cerr << "varion-cli: " << EgySorban(uzenet) << '\n';
    return KilepesHiba;
}

} // namespace varion::cli
