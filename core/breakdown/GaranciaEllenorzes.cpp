#include "breakdown/GaranciaEllenorzes.h"

#include <algorithm>

namespace varion {

GaranciaEredmeny GaranciaEllenorzes(int K, int hibapont, std::span<const SorMaszk> jeloltek,
                                    std::span<const SorMaszk> sorok, std::size_t listaMax) {
    GaranciaEredmeny ki;
    ki.Jeloltek = static_cast<std::int64_t>(jeloltek.size());
    const int kell = K - hibapont;
    // Neighbouring candidates are usually covered by the same row: it is tried first.
    std::size_t utolso = 0;
    for (const SorMaszk& c : jeloltek) {
        bool fedett = !sorok.empty() && Kozos(c, sorok[utolso]) >= kell;
        for (std::size_t r = 0; !fedett && r < sorok.size(); ++r)
            if (Kozos(c, sorok[r]) >= kell) {
                fedett = true;
                utolso = r;
            }
        if (fedett) continue;
        ++ki.Fedetlen;
        if (ki.Elsok.size() < listaMax) ki.Elsok.push_back(IndexekMaszkbol(c));
    }
    return ki;
}

GaranciaEredmeny GaranciaEllenorzes(int K, int hibapont, std::span<const SorMaszk> jeloltek,
                                    const std::uint8_t* matrix, std::int32_t sorok, int szelesseg,
                                    std::size_t listaMax) {
    std::vector<SorMaszk> m;
    m.reserve(static_cast<std::size_t>(std::max(0, sorok)));
    for (std::int32_t r = 0; r < sorok; ++r)
        m.push_back(MaszkIndexekbol(
            matrix + static_cast<std::size_t>(r) * static_cast<std::size_t>(szelesseg), K));
    return GaranciaEllenorzes(K, hibapont, jeloltek, m, listaMax);
}

std::string GaranciaSzoveg(const GaranciaEredmeny& e, int jatek, int hibapont,
                           const Szamsor& szamok, const Szamsor& fix) {
    const int talalat = jatek - hibapont;
    std::string s;
    if (e.Teljesul()) {
        s = "A garancia teljesül: a feltételeknek megfelelő mind a " + std::to_string(e.Jeloltek) +
            " változat legalább " + std::to_string(talalat) +
            " találatot ér el valamelyik tárolt szelvénnyel.";
        return s;
    }
    s = "A garancia NEM teljesül!\r\rA feltételeknek megfelelő " + std::to_string(e.Jeloltek) +
        " változat közül " + std::to_string(e.Fedetlen) +
        " változatra egyik tárolt szelvény sem ér el " + std::to_string(talalat) + " találatot.";
    if (!e.Elsok.empty()) s += "\r\rAz első ilyen változatok:";
    for (const auto& sor : e.Elsok) {
        std::vector<int> szamsor;
        for (int i = 0; i < jatek - static_cast<int>(fix.size()); ++i) {
            const std::size_t ix = sor[static_cast<std::size_t>(i)];
            if (ix < szamok.size()) szamsor.push_back(szamok[ix]);
        }
        std::sort(szamsor.begin(), szamsor.end());
        szamsor.insert(szamsor.end(), fix.begin(), fix.end());
        s += "\r";
        for (std::size_t i = 0; i < szamsor.size(); ++i)
            s += (i ? ", " : "") + std::to_string(szamsor[i]);
    }
    return s;
}

} // namespace varion
