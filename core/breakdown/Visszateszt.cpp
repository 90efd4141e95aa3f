#include "breakdown/Visszateszt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "breakdown/TalalatMag.h"
#include "breakdown/UBontMegsz.h"
#include "game/Jatek.h"

namespace varion {

namespace {

// The bit sets of a ticket set are at most this big; a larger set is counted from its bytes.
constexpr std::size_t SzeletMaxBajt = std::size_t{128} << 20;

// The byte values of the drawn numbers as the matrix writes them, and the counting of one
// drawn row into classes.
class HuzasSzamlalo {
public:
    // `sokHuzas`: many draws follow, worth turning the tickets into bit sets first.
    explicit HuzasSzamlalo(const BontasAdat& b, bool sokHuzas = false) : b_(b) {
        if (sokHuzas && b_.Sorok > 0)
            szeletek_ = BitSzeletek::Keszites(b_.Matrix, static_cast<std::size_t>(b_.Sorok),
                                              b_.Szelesseg, SzeletMaxBajt);
        index_.fill(-1);
        if (!b_.HuzasMod)
            for (std::size_t i = 0; i < b_.BontasSzamok.size(); ++i)
                index_[b_.BontasSzamok[i]] = static_cast<int>(i);
        for (const auto f : b_.FixSzamok) fix_.Be(f);
    }

    // Adds the tickets of one drawn row (`plusz`: Hatoslottó's plus number or 0) to `db`.
    void Sor(std::span<const std::int32_t> huzott, int plusz, OsztalyTomb& db) const {
        std::array<std::uint8_t, 8> t{}, p{};
        std::size_t tDb = 0, pDb = 0;
        int fixTalalat = 0;
        bool pluszFix = false;
        for (const auto n : huzott) {
            if (n < 1 || n > 255) continue;
            if (!b_.HuzasMod && fix_.Van(n)) ++fixTalalat;
            const int e = Ertek(n);
            if (e >= 0 && tDb < t.size()) t[tDb++] = static_cast<std::uint8_t>(e);
        }
        const bool pluszJatek = b_.Jatek == 6 && plusz > 0;
        if (pluszJatek) {
            if (!b_.HuzasMod && fix_.Van(plusz)) pluszFix = true;
            if (const int e = Ertek(plusz); e >= 0) p[pDb++] = static_cast<std::uint8_t>(e);
        }
        const int G = b_.Jatek;
        const int prag = std::max(0, G - 3 - fixTalalat);
        if (static_cast<int>(tDb) < prag) return; // no ticket can reach a class
        SorHisztogram h;
        if (szeletek_)
            szeletek_->Szamlalas(std::span(t).first(tDb), std::span(p).first(pDb), prag, h);
        else
            SorokSzamlalasa(b_.Matrix, static_cast<std::size_t>(b_.Sorok), b_.Szelesseg,
                            std::span(t).first(tDb), std::span(p).first(pDb), prag, h);
        for (int s = 0; s < 8; ++s)
            for (const bool pm : {false, true}) {
                const auto n = (pm ? h.Plusz : h.Sima)[static_cast<std::size_t>(s)];
                if (n == 0) continue;
                const int talalat = std::min(s + fixTalalat, G);
                const int o = NyeremenyOsztaly(G, talalat, pluszJatek && (pm || pluszFix));
                if (o >= 0) db[static_cast<std::size_t>(o)] += static_cast<std::int64_t>(n);
            }
    }

private:
    int Ertek(int n) const {
        if (b_.HuzasMod) return n;
        return index_[static_cast<std::size_t>(n)];
    }
    const BontasAdat& b_;
    std::optional<BitSzeletek> szeletek_;
    std::array<int, 256> index_{};
    SzamMaszk fix_;
};

void HuzasSorai(const BontasAdat& b, const HuzasAdatbazis& db, int index, OsztalyTomb& ki,
                const HuzasSzamlalo& sz) {
    const auto s = db.Szamok(index);
    const int G = db.Jatek();
    if (G == 7) {
        sz.Sor(s.subspan(0, 7), 0, ki);
        sz.Sor(s.subspan(7, 7), 0, ki);
    } else {
        sz.Sor(s.subspan(0, static_cast<std::size_t>(G)), G == 6 ? s[6] : 0, ki);
    }
    (void)b;
}

} // namespace

OsztalyTomb HuzasOsztalyai(const BontasAdat& b, const HuzasAdatbazis& db, int index) {
    OsztalyTomb ki{};
    if (b.Jatek != db.Jatek() || index < 0 || index >= db.HuzasDb() || b.Sorok <= 0) return ki;
    const HuzasSzamlalo sz(b);
    HuzasSorai(b, db, index, ki, sz);
    return ki;
}

VisszatesztEredmeny Visszateszt(const BontasAdat& b, const HuzasAdatbazis& db,
                                const NyeremenyTar& ny, Tartomany t, double jegyAr, Folyamat* f) {
    VisszatesztEredmeny e;
    e.Jatek = b.Jatek;
    e.Szelvenyek = std::max<std::int64_t>(0, b.Sorok);
    e.JegyAr = jegyAr;
    t = {std::max(1, t.Elso), std::min(db.HuzasDb(), t.Utolso)};
    if (b.Jatek != db.Jatek() || t.Elso > t.Utolso) return e;
    const bool arazott = ny.Jatek() == db.Jatek();
    const int osztalyDb = NyeremenyOsztalyDb(b.Jatek);
    const HuzasSzamlalo sz(b, t.Utolso - t.Elso >= 8);
    if (f) f->Osszes = t.Utolso - t.Elso + 1;
    e.Huzasok.reserve(static_cast<std::size_t>(t.Utolso - t.Elso + 1));
    for (int n = t.Elso; n <= t.Utolso; ++n) {
        if (f && f->Megallitas.load(std::memory_order_relaxed)) {
            e.Megszakitva = true;
            break;
        }
        HuzasVisszateszt h;
        h.Huzas = n;
        h.Ev = db.Ertek(n - 1, 1);
        h.Het = db.Ertek(n - 1, 2);
        if (b.Sorok > 0) HuzasSorai(b, db, n - 1, h.Db, sz);
        const HuzasNyeremeny* nyer = arazott ? ny.Keres(h.Ev, h.Het) : nullptr;
        for (int o = 0; o < osztalyDb; ++o) {
            const auto i = static_cast<std::size_t>(o);
            if (h.Db[i] == 0) continue;
            e.OsztalyDb[i] += h.Db[i];
            if (nyer && nyer->Osztaly[i].Ismert()) {
                const std::int64_t ft = h.Db[i] * nyer->Osztaly[i].Nyeremeny;
                h.Nyeremeny += ft;
                e.OsztalyNyeremeny[i] += ft;
            } else {
                h.Ismeretlen += h.Db[i];
                e.IsmeretlenDb[i] += h.Db[i];
            }
        }
        e.Nyeremeny += h.Nyeremeny;
        e.IsmeretlenOsszes += h.Ismeretlen;
        if (h.Nyert()) ++e.NyeroHuzasok;
        if (h.Nyeremeny > 0 &&
            (e.LegjobbIndex < 0 ||
             h.Nyeremeny > e.Huzasok[static_cast<std::size_t>(e.LegjobbIndex)].Nyeremeny))
            e.LegjobbIndex = static_cast<int>(e.Huzasok.size());
        e.Huzasok.push_back(h);
        if (f) f->Kesz.fetch_add(1, std::memory_order_relaxed);
    }
    return e;
}

std::string ForintSzoveg(double ft) {
    return EzresTagolas(std::round(ft), 0) + " Ft";
}

std::vector<std::string> VisszatesztOsszegzes(const VisszatesztEredmeny& e, Tartomany t) {
    std::vector<std::string> ki;
    const auto ezres = [](std::int64_t v) { return EzresTagolas(static_cast<double>(v), 0); };
    ki.push_back("Vizsgált húzások: " + std::to_string(t.Elso) + ". - " + std::to_string(t.Utolso) +
                 ". húzás, " + ezres(static_cast<std::int64_t>(e.Huzasok.size())) + " sorsolás" +
                 (e.Megszakitva ? " (megszakítva)" : ""));
    ki.push_back("Szelvények száma: " + ezres(e.Szelvenyek) + " db sorsolásonként");
    ki.push_back("Egy szelvény ára: " + ForintSzoveg(e.JegyAr) +
                 " minden sorsoláson (a beállítások szerinti mai ár)");
    ki.push_back("Költség: " + ForintSzoveg(e.Koltseg()));
    ki.push_back("Nyeremény: " + ForintSzoveg(static_cast<double>(e.Nyeremeny)));
    ki.push_back("Egyenleg: " + ForintSzoveg(e.Netto()));
    ki.push_back("Megtérülés: " + EzresTagolas(e.Megterules(), 1) + " %");
    ki.push_back("Nyerő sorsolások: " + ezres(e.NyeroHuzasok) + " db");
    if (e.LegjobbIndex >= 0) {
        const auto& h = e.Huzasok[static_cast<std::size_t>(e.LegjobbIndex)];
        ki.push_back("Legjobb sorsolás: " + std::to_string(h.Huzas) + ". húzás (" +
                     std::to_string(h.Ev) + ". év " + std::to_string(h.Het) + ". hét), " +
                     ForintSzoveg(static_cast<double>(h.Nyeremeny)));
    } else {
        ki.push_back("Legjobb sorsolás: nincs ismert nyeremény");
    }
    if (e.IsmeretlenOsszes > 0)
        ki.push_back("Ismeretlen nyereményű találat: " + ezres(e.IsmeretlenOsszes) +
                     " szelvény (nem számolt nyeremény)");
    return ki;
}

std::vector<std::array<std::string, 4>> VisszatesztTablazat(const VisszatesztEredmeny& e) {
    std::vector<std::array<std::string, 4>> ki;
    const auto ezres = [](std::int64_t v) { return EzresTagolas(static_cast<double>(v), 0); };
    for (int o = 0; o < NyeremenyOsztalyDb(e.Jatek); ++o) {
        const auto i = static_cast<std::size_t>(o);
        ki.push_back({OsztalyNev(e.Jatek, o), ezres(e.OsztalyDb[i]), ezres(e.IsmeretlenDb[i]),
                      ForintSzoveg(static_cast<double>(e.OsztalyNyeremeny[i]))});
    }
    return ki;
}

std::string VisszatesztCsv(const VisszatesztEredmeny& e) {
    std::string ki = "Húzás;Év;Hét";
    const int osztalyDb = NyeremenyOsztalyDb(e.Jatek);
    for (int o = 0; o < osztalyDb; ++o) {
        ki += ';';
        ki += OsztalyNev(e.Jatek, o);
    }
    ki += ";Nyeremény;Ismeretlen nyereményű;Költség;Összesített egyenleg\n";
    const double koltseg = e.JegyAr * static_cast<double>(e.Szelvenyek);
    double netto = 0;
    char buf[64];
    for (const auto& h : e.Huzasok) {
        netto += static_cast<double>(h.Nyeremeny) - koltseg;
        ki += std::to_string(h.Huzas) + ";" + std::to_string(h.Ev) + ";" + std::to_string(h.Het);
        for (int o = 0; o < osztalyDb; ++o) {
            ki += ';';
            ki += std::to_string(h.Db[static_cast<std::size_t>(o)]);
        }
        std::snprintf(buf, sizeof buf, ";%lld;%lld;%.0f;%.0f\n",
                      static_cast<long long>(h.Nyeremeny), static_cast<long long>(h.Ismeretlen),
                      koltseg, netto);
        ki += buf;
    }
    return ki;
}

} // namespace varion
