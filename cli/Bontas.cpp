// `bontas`: a breakdown of the given numbers, or of a number-row file with its conditions;
// its summary, optionally every variation, optionally saved as a breakdown file.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>

#include "Argumentumok.h"
#include "Haladas.h"
#include "KonzolUzenetek.h"
#include "Parancsok.h"
#include "Valtozatok.h"
#include "base/Datum.h"
#include "base/Veletlen.h"
#include "breakdown/OptimalisBontas.h"
#include "conditions/Feltetelek.h"
#include "files/AllomanyMuvelet.h"
#include "files/BontasAtadas.h"
#include "game/Jatek.h"

namespace varion::cli {
namespace {

std::optional<Szamsor> Szamok(const std::string& s, int maxSzam, const std::string& nev,
                              std::string& hiba) {
    const auto lista = SzamLista(s);
    if (!lista) {
        hiba = "a --" + nev + " értéke vesszővel elválasztott számok listája";
        return std::nullopt;
    }
    Szamsor ki;
    for (const int x : *lista) {
        if (x < 1 || x > maxSzam) {
            hiba = "a(z) " + std::to_string(x) + " szám nincs 1.." + std::to_string(maxSzam) +
                   " között";
            return std::nullopt;
        }
        ki.push_back(static_cast<std::uint8_t>(x));
    }
    return ki;
}

// The ticket of --szamok and --fix, without conditions; an error text when it is not one.
std::optional<std::string> SzamokbolSzamsor(const Argumentumok& a, int jatek, SzamsorAdatok& sor) {
    if (!a.Opciok.contains("szamok")) return "a --szamok vagy a --tip kötelező";
    const int maxSzam = MaxSzamJatek(jatek);
    std::string hiba;
    const auto jelolt = Szamok(*a.Opcio("szamok"), maxSzam, "szamok", hiba);
    if (!jelolt) return hiba;
    Szamsor fix;
    if (a.Opciok.contains("fix")) {
        const auto f = Szamok(*a.Opcio("fix"), maxSzam, "fix", hiba);
        if (!f) return hiba;
        fix = *f;
    }
    Szamsor mind = *jelolt;
    mind.insert(mind.end(), fix.begin(), fix.end());
    std::sort(mind.begin(), mind.end());
    if (const auto d = std::adjacent_find(mind.begin(), mind.end()); d != mind.end())
        return "a(z) " + std::to_string(*d) + " szám kétszer szerepel";
    if (static_cast<int>(fix.size()) > MaxFixSzam(jatek))
        return "legfeljebb " + std::to_string(MaxFixSzam(jatek)) + " fix szám adható meg";
    sor.Jatek = jatek;
    sor.Jelolt = *jelolt;
    sor.Fix = fix;
    sor.ValtozoSzamDb = jatek - static_cast<int>(fix.size());
    return std::nullopt;
}

struct Optimalizalas {
    std::uint64_t Mag = 0;
    std::chrono::milliseconds Idokeret{10000};
    std::uint64_t Lepesek = 0; // rounds instead of the time budget; 0: the budget
};

// --mp SECONDS (default 10), --mag SEED (default from the clock, printed either way) and
// --lepes ROUNDS (instead of the time: with the seed it repeats a run exactly).
std::optional<Optimalizalas> OptimalizalasBeallitas(const Argumentumok& a,
                                                    const SzamsorAdatok& sor) {
    if (sor.Hibapont < 1) {
        Hiba("az --optimalizalt mellé --hibapont 1.." +
             std::to_string(std::min(3, sor.ValtozoSzamDb - 1)) + " kell");
        return std::nullopt;
    }
    if (HuzasMod(sor.Feltetelek)) {
        Hiba("az --optimalizalt nem használható, ha a bontás múltbeli húzásokat tárol");
        return std::nullopt;
    }
    Optimalizalas o;
    o.Mag = RovidOraMag(); // typed back with --mag
    if (const auto mp = a.Opcio("mp")) {
        const auto v = EgeszSzam(*mp);
        if (!v || *v < 1 || *v > 3600) {
            Hiba("az --mp értéke 1..3600 másodperc");
            return std::nullopt;
        }
        o.Idokeret = std::chrono::seconds(*v);
    }
    if (const auto mag = a.Opcio("mag")) {
        const auto v = EgeszSzam(*mag);
        if (!v || *v < 0) {
            Hiba("a --mag értéke nemnegatív egész szám");
            return std::nullopt;
        }
        o.Mag = static_cast<std::uint64_t>(*v);
    }
    if (const auto l = a.Opcio("lepes")) {
        const auto v = EgeszSzam(*l);
        if (!v || *v < 1) {
            Hiba("a --lepes értéke pozitív egész szám");
            return std::nullopt;
        }
        if (a.Van("mp")) {
            Hiba("a --lepes és az --mp közül csak az egyik adható meg");
            return std::nullopt;
        }
        o.Lepesek = static_cast<std::uint64_t>(*v);
    }
    return o;
}

} // namespace

int Bontas(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(
            args,
            {"jatek", "szamok", "fix", "hibapont", "tip", "huzasok", "ki", "mp", "mag", "lepes"},
            {"eloszlas", "lista", "optimalizalt"}, a))
        return Hiba(*h);
    if (!a.Poziciok.empty()) return Hiba("fölösleges argumentum: " + a.Poziciok.front());
    if (a.Van("tip") && (a.Van("szamok") || a.Van("fix")))
        return Hiba("a --tip állomány a saját számait hozza: a --szamok és a --fix nem adható meg "
                    "mellette");

    std::optional<int> jatek;
    if (const auto j = a.Opcio("jatek")) {
        jatek = EgeszSzam(*j);
        if (!jatek || !ErvenyesJatek(*jatek)) return Hiba("a --jatek értéke 5, 6 vagy 7");
    } else if (const auto tip = a.Opcio("tip")) {
        jatek = AllomanyJateka(*tip);
        if (!jatek) return Kudarc("nem olvasható számsor állománya: " + *tip);
    } else {
        return Hiba("a --jatek kötelező: 5, 6 vagy 7");
    }

    KonzolUzenetek u;
    HuzasAdatbazis db(*jatek);
    bool vanAdatbazis = false;
    if (const auto h = a.Opcio("huzasok")) {
        if (db.HuzasokBe(*h, *jatek, u) != BetoltesEredmeny::Rendben) return KilepesHiba;
        vanAdatbazis = true;
    }

    SzamsorAdatok sor;
    if (const auto tip = a.Opcio("tip")) {
        auto betoltott = TipBetoltes(*tip, *jatek, vanAdatbazis, db.HuzasDb(), u);
        if (!betoltott) return KilepesHiba;
        sor = std::move(*betoltott);
    } else {
        if (const auto h = SzamokbolSzamsor(a, *jatek, sor)) return Hiba(*h);
        sor.Huzasok = {1, db.HuzasDb()};
    }
    const int K = sor.ValtozoSzamDb;
    if (static_cast<int>(sor.Jelolt.size()) < K)
        return Hiba("egy változathoz " + std::to_string(K) + " kijelölt szám kell");
    if (const auto h = a.Opcio("hibapont")) {
        const auto e = EgeszSzam(*h);
        if (!e || *e < 0 || *e > std::min(3, K - 1))
            return Hiba("a --hibapont értéke 0.." + std::to_string(std::min(3, K - 1)));
        sor.Hibapont = *e;
    }
    if (a.Van("eloszlas")) sor.EloszlasOpt = true;
    std::optional<Optimalizalas> opt;
    if (a.Van("optimalizalt")) {
        opt = OptimalizalasBeallitas(a, sor);
        if (!opt) return 2;
    } else if (a.Van("mp") || a.Van("mag") || a.Van("lepes")) {
        return Hiba("az --mp, a --mag és a --lepes az --optimalizalt kapcsolóhoz tartozik");
    }

    FeltetelKeszlet feltetelek;
    feltetelek.Adatok = sor.Feltetelek;
    SzamJelzoBeallitas(feltetelek, sor.Jelolt, *jatek);
    FeltJelzoBeallitas(feltetelek, sor.Hibapont);
    feltetelek.EloszlasOpt = sor.EloszlasOpt ? 1 : 0;
    sor.Feltetelek = feltetelek.Adatok;
    sor.FeltetelJelzo = feltetelek.FeltetelJelzo;

    BontasBemenet be;
    be.Jatek = *jatek;
    be.JeloltSzamok = sor.Jelolt;
    be.FixSzamok = sor.Fix;
    be.Feltetelek = &feltetelek;
    be.EloszlasDoboz = sor.EloszlasOpt;
    be.Huzasok = HuzasNezet(db);
    be.ElsoHuzas = sor.Huzasok.Elso;
    be.UtolsoHuzas = sor.Huzasok.Utolso;
    be.Datum = MaiNap();
    // Too large a selection is refused before the run: the specified reduction is made.
    if (opt) {
        const std::string ok =
            OptimalisElutasitas(static_cast<int>(sor.Jelolt.size()), K, sor.Hibapont);
        if (!ok.empty()) {
            std::cout << "Az optimalizált csökkentés nem indul: " << ok
                      << "; a megadott csökkentés sorai maradnak.\n";
            opt.reset();
        }
    }
    TBontas bontas;
    if (!bontas.BontasIndul(be, u)) return Kudarc("a bontás nem indítható");
    BontasFuttatas(bontas);
    std::cout << bontas.GetTaroltNyerSzelv()
              << " változat tárolva, teljes bontás: " << bontas.TeljesSzelvszam()
              << ", időtartam: " << bontas.Idotartam().count() << " ms\n";
    // A run that ended early (memory exhausted, the matrix not extended) leaves rows that
    // guarantee nothing: they are neither listed nor saved. So is a run that stored none.
    if (bontas.GetBontStatus() == 0 || bontas.GetTaroltNyerSzelv() == 0)
        return Kudarc("a bontás nem készült el, nincs mit kiírni");

    std::optional<BontasSorai> optimalis;
    if (opt && bontas.GetBontStatus() == 1) {
        const auto t0 = std::chrono::steady_clock::now();
        FedesAllapot allapot;
        const FedesEredmeny r = BontasOptimalizalasa(
            bontas, BontasJeloltjei(bontas, be.Huzasok, be.ElsoHuzas, be.UtolsoHuzas),
            OptimalisBeallitas{opt->Mag, opt->Idokeret, opt->Lepesek, {}}, allapot);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - t0);
        if (!r.Elutasitas.empty()) {
            std::cout << "Az optimalizált csökkentés nem készült el: " << r.Elutasitas
                      << "; a megadott csökkentés sorai maradnak.\n";
        } else {
            optimalis = SorokMatrixa(r.Sorok, K, static_cast<int>(sor.Jelolt.size()));
            std::cout << r.Sorok.size() << " változat tárolva optimalizálással (mag: " << opt->Mag
                      << ", lépések: " << r.Lepesek << ", kiinduló: " << r.KezdoDb
                      << ", alsó korlát: " << r.AlsoKorlat << "), időtartam: " << ms.count()
                      << " ms\n";
        }
    }

    if (!a.Van("lista") && !a.Van("ki")) return 0;
    // The rows are written and listed from where they are, the engine's matrix or the
    // optimised result.
    BontasNezet adatok = *BontasNezetbol(bontas);
    if (optimalis) {
        adatok.Matrix = optimalis->Matrix;
        adatok.BontMutStat = optimalis->BontMutStat;
    }
    if (a.Van("lista")) ValtozatokKiirasa(sor, adatok);
    if (const auto ki = a.Opcio("ki"); ki && !AllomanyMentes(*ki, sor, &adatok, u))
        return KilepesHiba;
    return KilepesRendben;
}

} // namespace varion::cli
