#include "draws/HuzasKereses.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <numeric>

namespace varion {

SzamMaszk Maszk(std::span<const int> szamok) {
    SzamMaszk m;
    for (int s : szamok) m.Be(s);
    return m;
}

void HuzasMaszkok::Frissites(const HuzasAdatbazis& db) {
    if (db_ == &db && valtozat_ == db.Valtozat() && jatek_ == db.Jatek()) return;
    db_ = &db;
    valtozat_ = db.Valtozat();
    jatek_ = db.Jatek();
    huzasDb_ = db.HuzasDb();
    maszk_.assign(static_cast<std::size_t>(huzasDb_ * SorDb()), {});
    plusz_.assign(static_cast<std::size_t>(huzasDb_), 0);
    for (int d = 0; d < huzasDb_; ++d) {
        const auto sz = db.Szamok(d);
        for (int r = 0; r < SorDb(); ++r) {
            SzamMaszk& m = maszk_[static_cast<std::size_t>(d * SorDb() + r)];
            for (int k = 0; k < jatek_; ++k) m.Be(sz[static_cast<std::size_t>(r * 7 + k)]);
        }
        if (jatek_ == 6) plusz_[static_cast<std::size_t>(d)] = static_cast<std::uint8_t>(sz[6]);
    }
}

int ElsoSzamOszlop(int jatek, int kijeloltOszlop) {
    return jatek == 7 && kijeloltOszlop > 9 ? 10 : 3;
}

std::array<int, 4> TalalatStat(const HuzasMaszkok& m, SzamMaszk sor) {
    std::array<int, 4> stat{0, 0, 0, -1};
    const int also = m.Jatek() - 3;
    for (int d = 0; d < m.HuzasDb(); ++d)
        for (int r = 0; r < m.SorDb(); ++r) {
            const int k = KozosDb(m.Sor(d, r), sor);
            if (k >= also) ++stat[static_cast<std::size_t>(k - also)];
        }
    return stat;
}

namespace {

std::string Formaz(const char* minta, unsigned v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, minta, v);
    return buf;
}

std::string Szam6(int v) {
    return Formaz("%6.0u", static_cast<unsigned>(std::max(v, 0)));
}

// Right-aligned in `szeles` letters (not bytes).
std::string Jobbra(const std::string& s, std::size_t szeles) {
    const auto betuk = static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    return betuk >= szeles ? s : std::string(szeles - betuk, ' ') + s;
}

std::string Osszeg(std::span<const int> sor) {
    return " Számsor összege: " +
           Formaz("%3.0u", static_cast<unsigned>(std::accumulate(sor.begin(), sor.end(), 0)));
}

} // namespace

std::string RiportSzoveg(int jatek, const std::array<int, 4>& stat, std::span<const int> sor) {
    std::string s = " Összes húzás alapján\r";
    for (int i = 3; i >= 0; --i)
        s += "   - " + std::to_string(jatek - 3 + i) +
             " találat:" + Szam6(stat[static_cast<std::size_t>(i)]) + "\r";
    return s + Osszeg(sor);
}

std::string RiportFelirat(int sorszam) {
    return "  A(z) " + std::to_string(sorszam) + ". húzás számsora";
}

int TalalatSzam(const HuzasMaszkok& m, int d, int sor, SzamMaszk keresett, int plusz) {
    const int h = KozosDb(m.Sor(d, sor), keresett);
    if (m.Jatek() == 6 && plusz > 0 && h == 5 && m.Plusz(d) == plusz) return -1;
    return h;
}

KeresesSzamlalo Szamlalas(const HuzasMaszkok& m, Tartomany t, const KeresettSor& k) {
    KeresesSzamlalo sz;
    if (k.Szamok.empty()) return sz;
    const SzamMaszk keresett = Maszk(k.Szamok);
    const int also = m.Jatek() - 3;
    const int elso = std::max(t.Elso, 1) - 1;
    const int utolso = std::min(t.Utolso, m.HuzasDb()) - 1;
    for (int d = elso; d <= utolso; ++d)
        for (int r = 0; r < m.SorDb(); ++r) {
            const int h = TalalatSzam(m, d, r, keresett, k.Plusz);
            if (h >= also)
                ++sz.Db[static_cast<std::size_t>(h - also)];
            else if (h == -1)
                ++sz.OtPluszEgy;
        }
    return sz;
}

std::string TartomanySor(Tartomany t, int n) {
    const std::string db = std::to_string(t.Utolso - t.Elso + 1);
    if (t.Elso > 1 && t.Utolso == n) return " Az utolsó " + db + " lottóhúzás alapján";
    if (t.Elso == 1 && t.Utolso < n) return " Az első " + db + " lottóhúzás alapján";
    if (t.Elso < 2 && t.Utolso >= n) return " Az összes eddigi lottóhúzás alapján";
    return " A(z) " + std::to_string(t.Elso) + ". - " + std::to_string(t.Utolso) +
           ". lottóhúzások alapján";
}

std::string KeresesCimSugo(Tartomany t, int n) {
    return " Kijelölt számsor keresése a lottóhúzások adatbázisában. \r" + TartomanySor(t, n) +
           ". ";
}

std::string KeresesSzoveg(int jatek, Tartomany t, int n, const KeresettSor& k,
                          const KeresesSzamlalo& sz) {
    std::string s = TartomanySor(t, n) + "\r";
    const int jelolt = static_cast<int>(k.Szamok.size());
    if (jelolt >= jatek - 3) {
        for (int i = jelolt - (jatek - 3); i >= 0; --i) {
            if (jatek == 6 && i == 2 && k.Plusz > 0)
                s += "  »" + std::to_string(5) + "+1 találat:" + Szam6(sz.OtPluszEgy) + "\r";
            s += "  » " + std::to_string(jatek - 3 + i) +
                 "  találat:" + Szam6(sz.Db[static_cast<std::size_t>(i)]) + "\r";
        }
    }
    if (jelolt > 1) s += Osszeg(k.Szamok);
    return s;
}

std::vector<KeresBejegyzes> KeresBoxBejegyzesek(int jatek, const KeresesSzamlalo& sz) {
    std::vector<KeresBejegyzes> b;
    const int osztalyok =
        static_cast<int>(std::count_if(sz.Db.begin(), sz.Db.end(), [](int v) { return v > 0; })) +
        (sz.OtPluszEgy > 0 ? 1 : 0);
    if (osztalyok > 1) b.push_back({"Minden találat", 0});
    for (int i = 3; i >= 0; --i) {
        if (jatek == 6 && i == 3 && sz.OtPluszEgy > 0) b.push_back({Jobbra("5+1 találat", 13), -1});
        if (sz.Db[static_cast<std::size_t>(i)] > 0)
            b.push_back({Jobbra(std::to_string(jatek - 3 + i) + "   találat", 15), jatek - 3 + i});
    }
    return b;
}

KeresTalalat KeresBoxValasztas(int jatek, const std::vector<KeresBejegyzes>& b, int index,
                               const KeresesSzamlalo& sz) {
    if (index <= 0 || index >= static_cast<int>(b.size())) {
        // The lowest and the highest class that has draws.
        int min = 99, max = -99;
        for (int i = 0; i < 4; ++i)
            if (sz.Db[static_cast<std::size_t>(i)] > 0) {
                min = std::min(min, jatek - 3 + i);
                max = std::max(max, jatek - 3 + i);
            }
        // The 5+1 class matches through `Minden`; alone it is the range.
        if (min == 99) min = max = -1;
        return {min, max, true, !b.empty() && b.front().Kod == 0};
    }
    const int kod = b[static_cast<std::size_t>(index)].Kod;
    return {kod, kod, false, false};
}

namespace {

bool Illik(int h, KeresTalalat c) {
    return (h >= c.Min && h <= c.Max) || (h == -1 && c.Minden);
}

} // namespace

KeresHely Kereses(const HuzasMaszkok& m, Tartomany t, const KeresettSor& k, KeresTalalat c,
                  KeresIrany irany, int aktualis) {
    const SzamMaszk keresett = Maszk(k.Szamok);
    const int elso = std::max(t.Elso, 1) - 1;
    const int utolso = std::min(t.Utolso, m.HuzasDb()) - 1;
    auto vizsgal = [&](int d) -> KeresHely {
        for (int r = 0; r < m.SorDb(); ++r)
            if (Illik(TalalatSzam(m, d, r, keresett, k.Plusz), c)) return {d, r};
        return {};
    };
    const bool fel = irany == KeresIrany::Elso || irany == KeresIrany::Kovetkezo;
    int d = irany == KeresIrany::Elso        ? elso
            : irany == KeresIrany::Utolso    ? utolso
            : irany == KeresIrany::Kovetkezo ? std::max(aktualis + 1, elso)
                                             : std::min(aktualis - 1, utolso);
    for (; fel ? d <= utolso : d >= elso; d += fel ? 1 : -1)
        if (const auto h = vizsgal(d); h.Huzas >= 0) return h;
    return {};
}

KeresGombSugok KeresSugok(KeresTalalat c, bool elore, bool vissza) {
    KeresGombSugok s;
    if (c.MindenBejegyzes) {
        // With every hit class the hints name the count as a plain "n".
        s.Kovetkezo = elore ? " Ugrás a következő n találatos számsorra. "
                            : " Az utolsó n találatos számsor van kiválasztva. ";
        s.Utolso = elore ? " Ugrás az utolsó n találatos számsorra. " : s.Kovetkezo;
        s.Elozo = vissza ? " Ugrás az előző n találatos számsorra. "
                         : " Az első n találatos számsor van kiválasztva. ";
        s.Elso = vissza ? " Ugrás az első n találatos számsorra. " : s.Elozo;
        return s;
    }
    const std::string n = c.Min == -1 ? "5+1" : std::to_string(c.Min);
    const std::string ra = " találatos számsorára. ";
    if (elore) {
        s.Kovetkezo = " Ugrás a következő " + n + " találatos számsorra. ";
        s.Utolso = " Ugrás az utolsó " + n + ra;
    } else {
        s.Kovetkezo = s.Utolso = " Az utolsó " + n + " találatos számsor van kiválasztva. ";
    }
    if (vissza) {
        s.Elozo = " Ugrás az előző " + n + ra;
        s.Elso = " Ugrás az első " + n + ra;
    } else {
        s.Elozo = s.Elso = " Az első " + n + " találatos számsor van kiválasztva. ";
    }
    return s;
}

std::string KeresPanelCim(int talalat) {
    return "Keresett számsor: " + (talalat == -1 ? std::string("5+1") : std::to_string(talalat)) +
           " találat";
}

std::string KeresPanelCim(int talalat, std::size_t bejegyzesDb, int valasztott) {
    return bejegyzesDb > 1 && valasztott == 0 ? KeresPanelCim(talalat)
                                              : std::string(KeresPanelAlapCim);
}

} // namespace varion
