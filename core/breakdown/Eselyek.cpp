#include "breakdown/Eselyek.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "breakdown/Kombinacio.h"
#include "breakdown/TalalatMag.h"
#include "breakdown/UBontMegsz.h"
#include "game/Jatek.h"

namespace varion {

namespace {

double C(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    double c = 1;
    for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
    return std::round(c);
}

// The byte values the tickets are made of: the indices of the marked numbers, or in the
// draws mode the numbers the stored rows hold.
std::vector<std::uint8_t> Alaphalmaz(const BontasAdat& b) {
    std::vector<std::uint8_t> u;
    if (!b.HuzasMod) {
        for (std::size_t i = 0; i < b.BontasSzamok.size() && i < 256; ++i)
            u.push_back(static_cast<std::uint8_t>(i));
        return u;
    }
    std::array<bool, 256> van{};
    const std::size_t n = static_cast<std::size_t>(b.Sorok) * static_cast<std::size_t>(b.Szelesseg);
    for (std::size_t i = 0; i < n; ++i) van[b.Matrix[i]] = true;
    for (int v = 1; v < 256; ++v)
        if (van[static_cast<std::size_t>(v)]) u.push_back(static_cast<std::uint8_t>(v));
    return u;
}

} // namespace

double EselyEredmeny::JatekValoszinuseg(int o) const {
    const double p = Valoszinuseg[static_cast<std::size_t>(o)];
    return SorsolasJatekonkent == 2 ? 1 - (1 - p) * (1 - p) : p;
}

double EselyEredmeny::JatekVarhato(int o) const {
    return Varhato[static_cast<std::size_t>(o)] * SorsolasJatekonkent;
}

double EselyMunka(const BontasAdat& b) {
    if (b.Sorok <= 0) return 0;
    const int n = static_cast<int>(Alaphalmaz(b).size());
    double m = 0;
    for (int s = std::max(0, b.Jatek - 3 - b.FixDb()); s <= std::min(n, b.Jatek); ++s) m += C(n, s);
    return m * b.Sorok;
}

EselyEredmeny Eselyek(const BontasAdat& b, Folyamat* f, int maxSzam) {
    EselyEredmeny e;
    const int G = b.Jatek;
    e.Jatek = G;
    e.Szelvenyek = std::max<std::int64_t>(0, b.Sorok);
    e.SorsolasJatekonkent = G == 7 ? 2 : 1;
    if (!ErvenyesJatek(G) || b.Sorok <= 0 || !b.Matrix) return e;
    const int M = maxSzam > 0 ? maxSzam : MaxSzamJatek(G);
    const std::vector<std::uint8_t> U = Alaphalmaz(b);
    const int n = static_cast<int>(U.size());
    const int F = b.FixDb();
    const int kivul = M - n - F; // numbers on no ticket
    const int prag = std::max(0, G - 3 - F);
    const double osszes = C(M, G);
    const int osztalyDb = NyeremenyOsztalyDb(G);
    if (f) {
        double m = 0;
        for (int s = prag; s <= std::min(n, G); ++s) m += C(n, s);
        f->Osszes = static_cast<std::int64_t>(m);
    }
    OsztalyValos p{}, v{};
    const auto szeletek = BitSzeletek::Keszites(b.Matrix, static_cast<std::size_t>(b.Sorok),
                                                b.Szelesseg, std::size_t{128} << 20);
    std::vector<int> idx;
    std::array<std::uint8_t, 8> S{};
    for (int s = prag; s <= std::min(n, G) && !e.Megszakitva; ++s) {
        // Every s-subset of U in lexicographic order.
        idx.resize(static_cast<std::size_t>(s));
        for (int i = 0; i < s; ++i) idx[static_cast<std::size_t>(i)] = i;
        for (;;) {
            if (f && f->Megallitas.load(std::memory_order_relaxed)) {
                e.Megszakitva = true;
                break;
            }
            for (int i = 0; i < s; ++i)
                S[static_cast<std::size_t>(i)] =
                    U[static_cast<std::size_t>(idx[static_cast<std::size_t>(i)])];
            SorHisztogram h;
            if (szeletek)
                szeletek->Szamlalas(std::span(S).first(static_cast<std::size_t>(s)), {}, prag, h);
            else
                SorokSzamlalasa(b.Matrix, static_cast<std::size_t>(b.Sorok), b.Szelesseg,
                                std::span(S).first(static_cast<std::size_t>(s)), {}, prag, h);
            for (int sf = 0; sf <= std::min(F, G - s); ++sf) {
                const double w = C(F, sf) * C(kivul, G - s - sf);
                if (w == 0) continue;
                int legjobb = osztalyDb;
                for (int t = 0; t < 8; ++t) {
                    const auto db = h.Sima[static_cast<std::size_t>(t)];
                    if (db == 0) continue;
                    const int o = NyeremenyOsztaly(G, std::min(t + sf, G));
                    if (o < 0) continue;
                    v[static_cast<std::size_t>(o)] += w * static_cast<double>(db);
                    legjobb = std::min(legjobb, o);
                }
                for (int o = legjobb; o < osztalyDb; ++o) p[static_cast<std::size_t>(o)] += w;
            }
            if (f) f->Kesz.fetch_add(1, std::memory_order_relaxed);
            if (!KovetkezoKombinacio(idx, n)) break;
        }
    }
    for (int o = 0; o < osztalyDb; ++o) {
        const auto i = static_cast<std::size_t>(o);
        e.Valoszinuseg[i] = p[i] / osszes;
        e.Varhato[i] = v[i] / osszes;
    }
    // Hatoslottó's 5+1 class needs a plus number, which is no longer drawn.
    if (G == 6) e.Valoszinuseg[1] = e.Valoszinuseg[0];
    return e;
}

AtlagNyeremenyek AtlagosNyeremenyek(const NyeremenyTar& ny, const HuzasAdatbazis& db, Tartomany t) {
    AtlagNyeremenyek a;
    if (ny.Jatek() != db.Jatek()) return a;
    OsztalyValos ossz{};
    for (int n = std::max(1, t.Elso); n <= std::min(db.HuzasDb(), t.Utolso); ++n) {
        const auto* h = ny.Keres(db.Ertek(n - 1, 1), db.Ertek(n - 1, 2));
        if (!h) continue;
        for (std::size_t o = 0; o < a.Db.size(); ++o)
            if (h->Osztaly[o].Ismert()) {
                ossz[o] += static_cast<double>(h->Osztaly[o].Nyeremeny);
                ++a.Db[o];
            }
    }
    for (std::size_t o = 0; o < a.Db.size(); ++o)
        if (a.Db[o] > 0) a.Atlag[o] = ossz[o] / a.Db[o];
    return a;
}

VarhatoErtek VarhatoNyeremeny(const EselyEredmeny& e, const AtlagNyeremenyek& a, double jegyAr) {
    VarhatoErtek v;
    v.Koltseg = jegyAr * static_cast<double>(e.Szelvenyek);
    for (int o = 1; o < NyeremenyOsztalyDb(e.Jatek); ++o)
        if (!(e.Jatek == 6 && o == 1))
            v.Varhato += e.JatekVarhato(o) * a.Atlag[static_cast<std::size_t>(o)];
    v.FonyeremenyIsmert = a.Db[0] > 0;
    v.Fonyeremeny = e.JatekVarhato(0) * a.Atlag[0];
    return v;
}

std::string VarhatoSzoveg(double v) {
    if (v <= 0) return "0";
    if (v >= 100) return EzresTagolas(v, 0);
    if (v >= 1) return EzresTagolas(v, 2);
    // Three significant digits, without an exponent the player would have to decode.
    const int tizedes = std::min(15, static_cast<int>(std::ceil(-std::log10(v))) + 2);
    return EzresTagolas(v, tizedes);
}

std::string EselySzoveg(double p) {
    if (p <= 0) return "-";
    return "1 : " + EzresTagolas(std::round(1 / p), 0);
}

std::vector<std::array<std::string, 4>> EselyTablazat(const EselyEredmeny& e,
                                                      const AtlagNyeremenyek& a) {
    std::vector<std::array<std::string, 4>> ki;
    for (int o = 0; o < NyeremenyOsztalyDb(e.Jatek); ++o) {
        if (e.Jatek == 6 && o == 1) continue;
        const std::string varhato = VarhatoSzoveg(e.JatekVarhato(o));
        const auto i = static_cast<std::size_t>(o);
        ki.push_back({OsztalyNev(e.Jatek, o), EselySzoveg(e.JatekValoszinuseg(o)), varhato,
                      a.Db[i] > 0 ? ForintSzoveg(a.Atlag[i]) : std::string("ismeretlen")});
    }
    return ki;
}

std::vector<std::string> VarhatoSorok(const VarhatoErtek& v) {
    std::vector<std::string> ki;
    ki.push_back("Egy játék költsége: " + ForintSzoveg(v.Koltseg));
    ki.push_back("Várható nyeremény a főnyeremény nélkül: " + ForintSzoveg(v.Varhato));
    ki.push_back(v.FonyeremenyIsmert
                     ? "A főnyeremény várható része (átlagos ismert főnyereménnyel): " +
                           ForintSzoveg(v.Fonyeremeny)
                     : std::string("A főnyeremény a vizsgált húzásokban ismeretlen."));
    ki.push_back("Várható egyenleg a főnyeremény nélkül: " + ForintSzoveg(v.Varhato - v.Koltseg));
    return ki;
}

} // namespace varion
