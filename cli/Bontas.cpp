// `bontas`: a breakdown of the given numbers, its summary and optionally every variation.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#include "Argumentumok.h"
#include "Parancsok.h"
#include "breakdown/UBontas.h"
#include "game/Jatek.h"

namespace varion::cli {
namespace {

// Nobody to ask on the command line: every question is answered yes and shown on stderr,
// like every other message.
class ParancssoriUzenetek final : public Uzenetek {
protected:
    bool Megjelenit(UzenetTipus, std::string_view szoveg) override {
        std::cerr << SortoresekCsereje(szoveg) << '\n';
        return true;
    }
};

std::optional<Szamsor> Szamok(const std::string& s, int maxSzam, const std::string& nev,
                              std::string& hiba) {
    const auto lista = SzamLista(s);
    if (!lista) {
        hiba = "--" + nev + " needs a comma-separated list of numbers";
        return std::nullopt;
    }
    Szamsor ki;
    for (const int x : *lista) {
        if (x < 1 || x > maxSzam) {
            hiba = "number " + std::to_string(x) + " outside 1.." + std::to_string(maxSzam);
            return std::nullopt;
        }
        ki.push_back(static_cast<std::uint8_t>(x));
    }
    return ki;
}

} // namespace

int Bontas(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h =
            Feldolgozas(args, {"jatek", "szamok", "fix", "hibapont"}, {"eloszlas", "lista"}, a))
        return Hiba(*h);
    if (!a.Poziciok.empty()) return Hiba("unexpected argument " + a.Poziciok.front());
    const auto jatek = EgeszSzam(a.Opcio("jatek").value_or(""));
    if (!jatek || !ErvenyesJatek(*jatek)) return Hiba("--jatek must be 5, 6 or 7");
    if (!a.Opciok.contains("szamok")) return Hiba("--szamok is required");
    const int maxSzam = MaxSzamJatek(*jatek);
    std::string hiba;
    const auto jelolt = Szamok(*a.Opcio("szamok"), maxSzam, "szamok", hiba);
    if (!jelolt) return Hiba(hiba);
    Szamsor fix;
    if (a.Opciok.contains("fix")) {
        const auto f = Szamok(*a.Opcio("fix"), maxSzam, "fix", hiba);
        if (!f) return Hiba(hiba);
        fix = *f;
    }
    Szamsor mind = *jelolt;
    mind.insert(mind.end(), fix.begin(), fix.end());
    std::sort(mind.begin(), mind.end());
    if (const auto d = std::adjacent_find(mind.begin(), mind.end()); d != mind.end())
        return Hiba("number " + std::to_string(*d) + " given twice");
    if (static_cast<int>(fix.size()) > MaxFixSzam(*jatek))
        return Hiba("at most " + std::to_string(MaxFixSzam(*jatek)) + " fixed numbers");
    const int K = *jatek - static_cast<int>(fix.size());
    if (static_cast<int>(jelolt->size()) < K)
        return Hiba("a variation needs " + std::to_string(K) + " marked numbers");
    int e = 0;
    if (a.Opciok.contains("hibapont")) {
        const auto h = EgeszSzam(*a.Opcio("hibapont"));
        if (!h || *h < 0 || *h > std::min(3, K - 1))
            return Hiba("--hibapont must be 0.." + std::to_string(std::min(3, K - 1)));
        e = *h;
    }

    FeltetelKeszlet feltetelek;
    feltetelek.Adatok.Hibapont = static_cast<std::uint8_t>(e);
    feltetelek.EloszlasOpt = a.Van("eloszlas") ? 1 : 0;
    SzamJelzoBeallitas(feltetelek, *jelolt, *jatek);
    BontasBemenet be;
    be.Jatek = *jatek;
    be.JeloltSzamok = *jelolt;
    be.FixSzamok = fix;
    be.Feltetelek = &feltetelek;
    be.EloszlasDoboz = a.Van("eloszlas");
    ParancssoriUzenetek uzenetek;
    TBontas bontas;
    if (!bontas.BontasIndul(be, uzenetek)) return Hiba("the breakdown could not start");
    bontas.Futtatas();
    const std::int32_t sorok = bontas.GetTaroltNyerSzelv();
    std::cout << sorok << " változat tárolva, teljes bontás: " << bontas.TeljesSzelvszam()
              << ", időtartam: " << bontas.Idotartam().count() << " ms\n";
    if (a.Van("lista")) {
        std::string ki;
        const int szel = bontas.MatrixSzelesseg();
        for (std::int32_t r = 0; r < sorok; ++r) {
            const auto sor = bontas.Sor(r);
            for (int i = 0; i < szel; ++i) {
                if (i) ki += ' ';
                ki += std::to_string((*jelolt)[sor[static_cast<std::size_t>(i)]]);
            }
            for (const auto x : fix) {
                ki += ' ';
                ki += std::to_string(x);
            }
            ki += '\n';
            if (ki.size() > (1u << 16)) {
                std::cout << ki;
                ki.clear();
            }
        }
        std::cout << ki;
    }
    return 0;
}

} // namespace varion::cli
