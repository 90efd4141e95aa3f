// What a ticket set would have won over past draws, and its exact odds at one play.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

#include "Argumentumok.h"
#include "Haladas.h"
#include "KonzolUzenetek.h"
#include "Parancsok.h"
#include "base/Datum.h"
#include "breakdown/Eselyek.h"
#include "breakdown/UBontMegsz.h"
#include "breakdown/Visszateszt.h"
#include "conditions/Feltetelek.h"
#include "draws/HuzasAdatbazis.h"
#include "files/AllomanyMuvelet.h"
#include "files/BontasAtadas.h"
#include "files/BontasFajl.h"
#include "files/FajlNevek.h"
#include "game/Jatek.h"

namespace varion::cli {
namespace {

constexpr double AlapAr = 200.0; // the settings' default ticket price

struct Jegyek {
    std::unique_ptr<TBontas> Bontas = std::make_unique<TBontas>();
    BontasAdat Adat;
};

// The tickets of a ".top" as stored, or of a ".tip" broken down with its conditions.
bool JegyekBetoltese(const std::string& fajl, int jatek, const HuzasAdatbazis& db,
                     bool vanAdatbazis, Jegyek& j) {
    KonzolUzenetek u;
    if (FajlTipusa(fajl) == FajlTipus::Top) {
        auto t = TopBetoltesBlokkba(fajl, jatek, vanAdatbazis, db.HuzasDb(), u);
        if (!t) return false;
        if (!BontasTelepites(*j.Bontas, t->Sor, std::move(t->Fej), std::move(t->Matrix))) {
            Kudarc("sérült bontás: " + fajl);
            return false;
        }
        j.Adat = BontasAdatai(*j.Bontas, t->Sor.Fix);
        return true;
    }
    auto sor = TipBetoltes(fajl, jatek, vanAdatbazis, db.HuzasDb(), u);
    if (!sor) return false;
    FeltetelKeszlet feltetelek;
    feltetelek.Adatok = sor->Feltetelek;
    SzamJelzoBeallitas(feltetelek, sor->Jelolt, jatek);
    FeltJelzoBeallitas(feltetelek, sor->Hibapont);
    feltetelek.EloszlasOpt = sor->EloszlasOpt ? 1 : 0;
    BontasBemenet be;
    be.Jatek = jatek;
    be.JeloltSzamok = sor->Jelolt;
    be.FixSzamok = sor->Fix;
    be.Feltetelek = &feltetelek;
    be.EloszlasDoboz = sor->EloszlasOpt;
    be.Huzasok = HuzasNezet(db);
    be.ElsoHuzas = sor->Huzasok.Elso;
    be.UtolsoHuzas = sor->Huzasok.Utolso;
    be.Datum = MaiNap();
    if (!j.Bontas->BontasIndul(be, u)) {
        Kudarc("a bontás nem indítható: " + fajl);
        return false;
    }
    BontasFuttatas(*j.Bontas);
    j.Adat = BontasAdatai(*j.Bontas, sor->Fix);
    return true;
}

std::optional<double> Ar(const Argumentumok& a) {
    const auto s = a.Opcio("ar");
    if (!s) return AlapAr;
    try {
        std::size_t p = 0;
        const double v = std::stod(*s, &p);
        if (p != s->size() || !(v >= 0) || v > 1e9) return std::nullopt;
        return v;
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<Tartomany> TartomanyOpcio(const Argumentumok& a, int huzasDb) {
    Tartomany t = TeljesTartomany(huzasDb);
    if (const auto tol = a.Opcio("tol")) {
        const auto v = EgeszSzam(*tol);
        if (!v) return std::nullopt;
        t.Elso = *v;
    }
    if (const auto ig = a.Opcio("ig")) {
        const auto v = EgeszSzam(*ig);
        if (!v) return std::nullopt;
        t.Utolso = *v;
    }
    if (t.Elso < 1 || t.Utolso > huzasDb || t.Elso > t.Utolso) return std::nullopt;
    return t;
}

void Tablazat(std::span<const std::string_view> fejlec,
              const std::vector<std::array<std::string, 4>>& sorok, bool csv) {
    std::string ki;
    for (std::size_t i = 0; i < fejlec.size(); ++i) {
        if (i) ki += csv ? ";" : " | ";
        ki += fejlec[i];
    }
    ki += '\n';
    for (const auto& s : sorok) {
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (i) ki += csv ? ";" : " | ";
            ki += s[i];
        }
        ki += '\n';
    }
    std::cout << ki;
}

// The draw file and its prizes; false after the message.
bool Huzasok(const std::string& fajl, int jatek, HuzasAdatbazis& db, NyeremenyTar& ny) {
    KonzolUzenetek u;
    if (db.HuzasokBe(fajl, jatek, u) != BetoltesEredmeny::Rendben) return false;
    auto t = NyeremenyTar::Betoltes(NyeremenyFajl(fajl), jatek);
    if (!t) {
        u.HibaUzenet(t.error());
        return false;
    }
    ny = std::move(*t);
    if (ny.Db() == 0)
        std::cerr << "Nincsenek tárolt nyeremények: " << NyeremenyFajl(fajl).string()
                  << " (az import tölti fel)\n";
    return true;
}

} // namespace

int VisszatesztParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"huzasok", "tol", "ig", "ar"}, {"csv"}, a)) return Hiba(*h);
    if (a.Poziciok.size() != 1 || !a.Van("huzasok"))
        return Hiba("használat: varion-cli visszateszt FÁJL.top|FÁJL.tip --huzasok FÁJL.ldb "
                    "[--tol N] [--ig N] [--ar FT] [--csv]");
    const auto ar = Ar(a);
    if (!ar) return Hiba("az --ar értéke egy szelvény ára forintban");
    const auto jatek = AllomanyJatekMezo(a.Poziciok[0]);
    if (!jatek) return Kudarc("nem olvasható: " + a.Poziciok[0]);
    if (!ErvenyesJatek(*jatek))
        return Kudarc("nem bontás vagy számsor állománya: " + a.Poziciok[0]);
    HuzasAdatbazis db(*jatek);
    NyeremenyTar ny(*jatek);
    if (!Huzasok(*a.Opcio("huzasok"), *jatek, db, ny)) return KilepesHiba;
    const auto t = TartomanyOpcio(a, db.HuzasDb());
    if (!t) return Hiba("a tartomány 1.." + std::to_string(db.HuzasDb()) + " között lehet");
    Jegyek j;
    if (!JegyekBetoltese(a.Poziciok[0], *jatek, db, true, j)) return KilepesHiba;
    const auto e = Visszateszt(j.Adat, db, ny, *t, *ar);
    const bool csv = a.Van("csv");
    if (!csv)
        for (const auto& s : VisszatesztOsszegzes(e, *t)) std::cout << s << '\n';
    else
        std::cout << "Költség;Nyeremény;Egyenleg;Megtérülés %;Nyerő sorsolások\n"
                  << static_cast<long long>(e.Koltseg()) << ';' << e.Nyeremeny << ';'
                  << static_cast<long long>(e.Netto()) << ';' << e.Megterules() << ';'
                  << e.NyeroHuzasok << "\n\n";
    if (!csv) std::cout << '\n';
    Tablazat(VisszatesztFejlec, VisszatesztTablazat(e), csv);
    return KilepesRendben;
}

int EselyekParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"jatek", "szamok", "huzasok", "tol", "ig", "ar"}, {}, a))
        return Hiba(*h);
    const bool fajllal = a.Poziciok.size() == 1;
    if (fajllal == (a.Van("jatek") || a.Van("szamok")) || a.Poziciok.size() > 1 ||
        (!fajllal && !(a.Van("jatek") && a.Van("szamok"))))
        return Hiba("használat: varion-cli eselyek (FÁJL.top|FÁJL.tip | --jatek G --szamok "
                    "a,b,...) [--huzasok FÁJL.ldb [--tol N] [--ig N]] [--ar FT]");
    const auto ar = Ar(a);
    if (!ar) return Hiba("az --ar értéke egy szelvény ára forintban");
    std::optional<int> jatek;
    if (fajllal) {
        jatek = AllomanyJatekMezo(a.Poziciok[0]);
        if (!jatek) return Kudarc("nem olvasható: " + a.Poziciok[0]);
        if (!ErvenyesJatek(*jatek))
            return Kudarc("nem bontás vagy számsor állománya: " + a.Poziciok[0]);
    } else {
        jatek = EgeszSzam(*a.Opcio("jatek"));
        if (!jatek || !ErvenyesJatek(*jatek)) return Hiba("a --jatek értéke 5, 6 vagy 7");
    }
    HuzasAdatbazis db(*jatek);
    NyeremenyTar ny(*jatek);
    const bool vanAdatbazis = a.Van("huzasok");
    if (vanAdatbazis && !Huzasok(*a.Opcio("huzasok"), *jatek, db, ny)) return KilepesHiba;
    const auto t = vanAdatbazis ? TartomanyOpcio(a, db.HuzasDb()) : Tartomany{1, 0};
    if (!t) return Hiba("a tartomány 1.." + std::to_string(db.HuzasDb()) + " között lehet");
    Jegyek j;
    if (fajllal) {
        if (!JegyekBetoltese(a.Poziciok[0], *jatek, db, vanAdatbazis, j)) return KilepesHiba;
    } else {
        const auto lista = SzamLista(*a.Opcio("szamok"));
        const int maxSzam = MaxSzamJatek(*jatek);
        if (!lista || static_cast<int>(lista->size()) < *jatek || lista->size() > 64)
            return Hiba("--szamok: legalább " + std::to_string(*jatek) + " szám 1.." +
                        std::to_string(maxSzam) + " között");
        Szamsor sz;
        for (const int x : *lista) {
            if (x < 1 || x > maxSzam || std::find(sz.begin(), sz.end(), x) != sz.end())
                return Hiba("--szamok: különböző számok 1.." + std::to_string(maxSzam) + " között");
            sz.push_back(static_cast<std::uint8_t>(x));
        }
        FeltetelKeszlet feltetelek;
        SzamJelzoBeallitas(feltetelek, sz, *jatek);
        FeltJelzoBeallitas(feltetelek, 0);
        BontasBemenet be;
        be.Jatek = *jatek;
        be.JeloltSzamok = sz;
        be.Feltetelek = &feltetelek;
        be.Datum = MaiNap();
        KonzolUzenetek u;
        if (!j.Bontas->BontasIndul(be, u)) return Kudarc("a bontás nem indítható");
        BontasFuttatas(*j.Bontas);
        j.Adat = BontasAdatai(*j.Bontas, {});
    }
    const auto e = Eselyek(j.Adat);
    const auto atlag = vanAdatbazis ? AtlagosNyeremenyek(ny, db, *t) : AtlagNyeremenyek{};
    std::cout << EzresTagolas(static_cast<double>(e.Szelvenyek), 0) << " szelvény, egy játék"
              << (e.SorsolasJatekonkent == 2 ? " (a hét mindkét sorsolása)" : "") << '\n';
    Tablazat(EselyFejlec, EselyTablazat(e, atlag), false);
    if (vanAdatbazis) {
        std::cout << "\nÁtlagos nyeremények: a " << t->Elso << ". - " << t->Utolso
                  << ". húzás ismert nyereményei\n";
        for (const auto& s : VarhatoSorok(VarhatoNyeremeny(e, atlag, *ar))) std::cout << s << '\n';
    }
    return KilepesRendben;
}

} // namespace varion::cli
