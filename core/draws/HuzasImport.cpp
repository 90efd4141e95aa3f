#include "draws/HuzasImport.h"

#include <algorithm>
#include <charconv>

#include "game/Jatek.h"

namespace varion {

namespace {

bool Egesz(std::string_view s, int& v);

struct SorosHuzas {
    Huzas H;
    int Sor; // line of the export, 1-based
    HuzasNyeremeny Nyeremeny;
};

// The prize pairs that open every line: winners, then the prize per ticket. A prize is
// known only where somebody won it; the operator's "0 Ft" of a class nobody won, and the
// "0;0 Ft" placeholders of old draws, are no prize at all. A pair that cannot be read is
// unknown too: the numbers of the line are still good.
HuzasNyeremeny Nyeremenyek(const std::vector<std::string_view>& m, const Huzas& h, int jatek) {
    HuzasNyeremeny n;
    n.Ev = h.Ev;
    n.Het = h.Het;
    for (int i = 0; i < NyeremenyOsztalyDb(jatek); ++i) {
        const std::size_t f = 3 + 2 * static_cast<std::size_t>(i);
        int nyertes = 0;
        if (f + 1 >= m.size() || !Egesz(m[f], nyertes) || nyertes < 0) continue;
        auto& o = n.Osztaly[static_cast<std::size_t>(i)];
        o.Nyertes = nyertes;
        const std::int64_t ft = ForintErtek(m[f + 1]);
        if (nyertes > 0 && ft > 0) o.Nyeremeny = ft;
    }
    return n;
}

std::string SorHiba(int sor) {
    return "Hibás sor a húzások állományában: " + std::to_string(sor) + ". sor.";
}

std::string HetSzoveg(const Huzas& h) {
    return std::to_string(h.Ev) + ". év " + std::to_string(h.Het) + ". hét";
}

bool Egesz(std::string_view s, int& v) {
    if (s.empty()) return false;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc{} && p == s.data() + s.size();
}

std::vector<std::string_view> Mezok(std::string_view sor) {
    std::vector<std::string_view> m;
    for (;;) {
        const auto p = sor.find(';');
        m.push_back(sor.substr(0, p));
        if (p == std::string_view::npos) break;
        sor.remove_prefix(p + 1);
    }
    return m;
}

// Reads `db` numbers from fields `elso`.. into `ki`; distinct, 1..maxSzam.
bool SzamSor(const std::vector<std::string_view>& m, std::size_t elso, int db, int maxSzam,
             std::uint8_t* ki) {
    for (int i = 0; i < db; ++i) {
        int v = 0;
        if (!Egesz(m[elso + static_cast<std::size_t>(i)], v) || v < 1 || v > maxSzam) return false;
        if (std::find(ki, ki + i, v) != ki + i) return false;
        ki[i] = static_cast<std::uint8_t>(v);
    }
    return true;
}

// The draw date, when the line has one: "YYYY.MM.DD.". A field shifted into its place
// (a prize, a number) is not a date.
bool DatumMezo(std::string_view s) {
    if (s.empty()) return true;
    if (s.size() != 11) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool pont = i == 4 || i == 7 || i == 10;
        if (pont ? s[i] != '.' : (s[i] < '0' || s[i] > '9')) return false;
    }
    return true;
}

// Game 6 drew a plus number until 2007 week 29.
bool PluszSzamosKor(const Huzas& h) {
    return h.Ev < 2007 || (h.Ev == 2007 && h.Het <= 29);
}

std::expected<std::vector<SorosHuzas>, std::string> Olvasas(std::string_view szoveg, int jatek) {
    if (!ErvenyesJatek(jatek)) return std::unexpected(std::string("Érvénytelen lottójáték."));
    if (szoveg.starts_with("\xEF\xBB\xBF")) szoveg.remove_prefix(3);
    const int maxSzam = MaxSzamJatek(jatek);
    std::vector<SorosHuzas> ki;
    int sorszam = 0;
    while (!szoveg.empty()) {
        const auto veg = szoveg.find('\n');
        std::string_view sor = szoveg.substr(0, veg);
        szoveg = veg == std::string_view::npos ? std::string_view{} : szoveg.substr(veg + 1);
        ++sorszam;
        if (sor.ends_with('\r')) sor.remove_suffix(1);
        if (sor.find_first_not_of(" \t") == std::string_view::npos) continue;
        const auto m = Mezok(sor);
        SorosHuzas h{{}, sorszam, {}};
        bool jo = Egesz(m[0], h.H.Ev) && Egesz(m.size() > 1 ? m[1] : "", h.H.Het) &&
                  h.H.Ev >= ElsoHuzasEv && h.H.Ev <= UtolsoHuzasEv && h.H.Het >= 1 &&
                  h.H.Het <= 53 && m.size() > 2 && DatumMezo(m[2]);
        std::uint8_t* sz = h.H.Szamok.data();
        if (jo && jatek == 5) {
            jo = m.size() == 16 && SzamSor(m, 11, 5, maxSzam, sz);
        } else if (jo && jatek == 6) {
            // A line of the plus-number era has exactly 20 fields, the last one filled; a
            // later line 19, or 20 with the last one empty. Any other count means a field is
            // missing or extra, and reading on would take a prize for a number.
            const bool plusz = PluszSzamosKor(h.H);
            jo = (plusz ? m.size() == 20 && !m[19].empty()
                        : m.size() == 19 || (m.size() == 20 && m[19].empty())) &&
                 SzamSor(m, 13, 6, maxSzam, sz);
            if (jo && plusz) {
                int plusz = 0;
                jo = Egesz(m[19], plusz) && plusz >= 1 && plusz <= maxSzam &&
                     std::find(sz, sz + 6, plusz) == sz + 6;
                sz[6] = static_cast<std::uint8_t>(plusz);
            }
        } else if (jo) {
            jo = m.size() == 25 && SzamSor(m, 11, 7, maxSzam, sz) &&
                 SzamSor(m, 18, 7, maxSzam, sz + 7);
        }
        // Newest first: every line must be an earlier week than the one above it.
        if (jo && !ki.empty()) {
            const Huzas& elozo = ki.back().H;
            jo = h.H.Ev < elozo.Ev || (h.H.Ev == elozo.Ev && h.H.Het < elozo.Het);
        }
        if (!jo) return std::unexpected(SorHiba(sorszam));
        h.Nyeremeny = Nyeremenyek(m, h.H, jatek);
        ki.push_back(h);
    }
    if (ki.empty()) return std::unexpected(std::string("Nincs húzás az állományban."));
    std::reverse(ki.begin(), ki.end());
    return ki;
}

long long Kulcs(int ev, int het) {
    return static_cast<long long>(ev) * 100 + het;
}

// The draws agree when each row holds the same numbers (the order may differ: the entry
// dialog stores them ascending, an older version in the clicking order).
bool Egyezik(const HuzasAdatbazis& db, int index, const Huzas& h) {
    const auto s = db.Szamok(index);
    auto halmaz = [](auto elso, auto utolso) {
        std::vector<int> v(elso, utolso);
        std::sort(v.begin(), v.end());
        return v;
    };
    const int jatek = db.Jatek();
    const std::size_t sorHossz = static_cast<std::size_t>(jatek);
    for (std::size_t kezd = 0; kezd < s.size(); kezd += sorHossz) {
        const std::size_t hossz = std::min(sorHossz, s.size() - kezd);
        if (halmaz(s.begin() + static_cast<std::ptrdiff_t>(kezd),
                   s.begin() + static_cast<std::ptrdiff_t>(kezd + hossz)) !=
            halmaz(h.Szamok.begin() + static_cast<std::ptrdiff_t>(kezd),
                   h.Szamok.begin() + static_cast<std::ptrdiff_t>(kezd + hossz)))
            return false;
    }
    return true;
}

} // namespace

std::expected<std::vector<Huzas>, std::string> HuzasCsvOlvasas(std::string_view szoveg, int jatek) {
    auto r = Olvasas(szoveg, jatek);
    if (!r) return std::unexpected(r.error());
    std::vector<Huzas> ki;
    ki.reserve(r->size());
    for (const auto& h : *r) ki.push_back(h.H);
    return ki;
}

std::expected<std::vector<HuzasNyeremeny>, std::string> NyeremenyCsvOlvasas(std::string_view szoveg,
                                                                            int jatek) {
    auto r = Olvasas(szoveg, jatek);
    if (!r) return std::unexpected(r.error());
    std::vector<HuzasNyeremeny> ki;
    ki.reserve(r->size());
    for (const auto& h : *r) ki.push_back(h.Nyeremeny);
    return ki;
}

std::expected<int, std::string> HuzasImport(HuzasAdatbazis& db, std::string_view szoveg,
                                            NyeremenyTar* nyeremenyek) {
    auto r = Olvasas(szoveg, db.Jatek());
    if (!r) return std::unexpected(r.error());
    const auto& uj = *r;
    std::size_t elsoUj = 0;
    if (!db.Ures()) {
        const int n = db.HuzasDb();
        auto dbKulcs = [&db](int i) { return Kulcs(db.Ertek(i, 1), db.Ertek(i, 2)); };
        auto ujKulcs = [&uj](std::size_t j) { return Kulcs(uj[j].H.Ev, uj[j].H.Het); };
        // The weeks both hold: from the later of the two first draws to the earlier of the
        // two last ones. A file that ends before the database adds nothing.
        const long long utolso = std::min(dbKulcs(n - 1), ujKulcs(uj.size() - 1));
        const long long kezdet = std::max(ujKulcs(0), dbKulcs(0));
        int i = 0;
        while (i < n && dbKulcs(i) < kezdet) ++i;
        std::size_t j = 0;
        while (j < uj.size() && ujKulcs(j) < kezdet) ++j;
        auto hianyzik = [&](int i) {
            Huzas h;
            h.Ev = db.Ertek(i, 1);
            h.Het = db.Ertek(i, 2);
            return std::unexpected("Az adatbázis " + std::to_string(i + 1) + ". húzása (" +
                                   HetSzoveg(h) + ") nem szerepel a húzások állományában.");
        };
        auto elter = [&](std::size_t j) {
            return std::unexpected("A húzások állományának " + std::to_string(uj[j].Sor) +
                                   ". sora (" + HetSzoveg(uj[j].H) +
                                   ") eltér az adatbázisban tárolt húzástól.");
        };
        for (;;) {
            const bool vanDb = i < n && dbKulcs(i) <= utolso;
            const bool vanUj = j < uj.size() && ujKulcs(j) <= utolso;
            if (!vanDb && !vanUj) break;
            if (!vanUj) return hianyzik(i);
            if (!vanDb || ujKulcs(j) < dbKulcs(i)) return elter(j);
            if (ujKulcs(j) > dbKulcs(i)) return hianyzik(i);
            if (!Egyezik(db, i, uj[j].H)) return elter(j);
            ++i;
            ++j;
        }
        elsoUj = j;
    }
    std::vector<Huzas> hozza;
    for (std::size_t k = elsoUj; k < uj.size(); ++k) hozza.push_back(uj[k].H);
    if (!db.Hozzaadas(hozza)) return std::unexpected(std::string("Hibás húzás az állományban."));
    // Every line's prizes are taken, not only the new draws': an older import kept none.
    if (nyeremenyek && nyeremenyek->Jatek() == db.Jatek()) {
        std::vector<HuzasNyeremeny> ny;
        ny.reserve(uj.size());
        for (const auto& h : uj) ny.push_back(h.Nyeremeny);
        nyeremenyek->Osszefesules(ny);
    }
    return static_cast<int>(hozza.size());
}

std::optional<int> HuzasImport(HuzasAdatbazis& db, std::string_view szoveg, Uzenetek& u,
                               NyeremenyTar* nyeremenyek) {
    auto r = HuzasImport(db, szoveg, nyeremenyek);
    if (!r) {
        u.HibaUzenet(r.error());
        return std::nullopt;
    }
    return *r;
}

std::string HozzaadvaSzoveg(int db) {
    return std::to_string(db) + " húzás hozzáadva.";
}

std::string ImportEredmenySzoveg(int db) {
    return db > 0 ? HozzaadvaSzoveg(db)
                  : std::string("Az állományban nincs az adatbázisénál újabb húzás, az adatbázis "
                                "nem változott.");
}

} // namespace varion
