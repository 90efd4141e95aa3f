#include "app/PeldaFeltetelek.h"

#include <algorithm>

#include "breakdown/UBontas.h"
#include "conditions/Feltetelek.h"
#include "game/Jatek.h"

namespace varion {

std::string PeldaCim(PeldaFajta fajta, int huzas) {
    switch (fajta) {
    case PeldaFajta::Huzas:
        return "  Példabontás készítése a(z) " + std::to_string(huzas) +
               ". lottóhúzás számsora alapján";
    case PeldaFajta::Veletlen:
        return "  Példabontás készítése véletlen számok alapján";
    case PeldaFajta::Sajat:
        break;
    }
    return "  Példabontás készítése saját számok alapján";
}

std::optional<int> PeldaTalalatMax(const HuzasAdatbazis& db, Tartomany tartomany,
                                   const Szamsor& sor, int huzas) {
    if (db.Ures() || huzas < 3) return std::nullopt;
    const int jatek = db.Jatek();
    const int elso = std::max(1, tartomany.Elso);
    const int utolso = std::min(tartomany.Utolso, db.HuzasDb());
    const auto talalat = [&](std::span<const std::int32_t> szamok) {
        int h = 0;
        for (const std::int32_t sz : szamok)
            h += static_cast<int>(std::count(sor.begin(), sor.end(), sz));
        return h;
    };
    int h = 0;
    for (int d = elso; d <= utolso; ++d) {
        const auto szamok = db.Szamok(d - 1);
        const auto n = static_cast<std::size_t>(jatek);
        h = std::max(h, talalat(szamok.first(n)));
        if (jatek == 7) h = std::max(h, talalat(szamok.subspan(n, n)));
    }
    return h;
}

namespace {

// Ascending, distinct, inside the game.
bool PeldaSor(const Szamsor& e, int jatek) {
    if (!ErvenyesJatek(jatek) || static_cast<int>(e.size()) != jatek) return false;
    for (std::size_t i = 0; i < e.size(); ++i)
        if (e[i] < 1 || e[i] > MaxSzamJatek(jatek) || (i > 0 && e[i - 1] >= e[i])) return false;
    return true;
}

// Fixed groups: among the block sizes whose last full block holds a number of the row,
// the one with the most numbers per allowed hit.
void FixCsoportok(FeltetelAdatok& a, const Szamsor& e, int maxSzam, int K) {
    a.FixBe = 0;
    a.FixSzamai = 1;
    a.FixTalalatMax = 1;
    for (int g = 5; g <= maxSzam / 2; ++g) {
        const int blokkDb = maxSzam / g; // the partial block after them is not counted
        std::vector<int> db(static_cast<std::size_t>(blokkDb), 0);
        for (const int x : e)
            if ((x - 1) / g < blokkDb) ++db[static_cast<std::size_t>((x - 1) / g)];
        const int m = *std::max_element(db.begin(), db.end());
        int c = db.back();
        // m + 1 numbers of the row close together: this size would drop the row itself.
        for (int i = 0; i + m < K; ++i)
            if (e[static_cast<std::size_t>(i + m)] / g == e[static_cast<std::size_t>(i)] / g) c = 0;
        // FixSzamai / FixTalalatMax < g / m, without rounding.
        if (c > 0 && a.FixSzamai * m < g * a.FixTalalatMax) {
            a.FixSzamai = g;
            a.FixTalalatMax = m;
            a.FixBe = 1;
        }
    }
    if (a.FixSzamai == 1) a.FixBe = 0;
}

// Mobile groups: the smallest gap with one hit, or the smallest span of k + 1 numbers with
// k hits, whichever says more.
void MobilCsoportok(FeltetelAdatok& a, const Szamsor& e, int jatek, int maxSzam) {
    a.MobBe = 1;
    a.MobSzamai = maxSzam / 2;
    a.MobTalalatMax = 1;
    for (std::size_t i = 0; i + 1 < e.size(); ++i) {
        const int res = e[i + 1] - e[i];
        if (res <= a.MobSzamai) a.MobSzamai = res;
        if (res == 1) a.MobBe = 0;
    }
    const int s1 = a.MobSzamai, s2 = a.MobTalalatMax;

    a.MobBe = 1;
    a.MobSzamai = maxSzam;
    const int k = jatek - 3;
    const auto fesztav = [&](int j) {
        return e[static_cast<std::size_t>(k + j)] - e[static_cast<std::size_t>(j)];
    };
    const int legkisebb = std::min({fesztav(0), fesztav(1), fesztav(2)});
    for (int j = 0; j < 3; ++j) {
        const int f = fesztav(j);
        if (f <= a.MobSzamai && f == legkisebb) {
            a.MobSzamai = f;
            a.MobTalalatMax = k;
            if (k == f) a.MobBe = 0;
        }
    }
    if (!a.MobBe || (TeljBontSzelvszam(a.MobSzamai, k) > a.MobSzamai && a.MobSzamai <= k * s1)) {
        a.MobSzamai = s1;
        a.MobTalalatMax = s2;
    }
}

// Favourite range: k + 1 neighbouring numbers of the row spread the least.
void Favorizalt(FeltetelAdatok& a, const Szamsor& e, int jatek) {
    a.FavBe = 0;
    a.FavSzamai = 1;
    a.FavSzamaiMax = 3;
    a.FavTalalat = 1;
    a.FavTalalatMax = 2;
    double legjobb = 100.0;
    const int k = jatek - 3;
    for (int j = 0; j < 3; ++j) {
        const int elso = e[static_cast<std::size_t>(j)];
        const int utolso = e[static_cast<std::size_t>(k + j)];
        const int f = utolso - elso;
        const double arany = static_cast<double>(f) / (k + 1);
        if (f > k && arany < legjobb) {
            legjobb = arany;
            a.FavSzamai = elso;
            a.FavSzamaiMax = utolso;
            a.FavTalalat = a.FavTalalatMax = k + 1;
            a.FavBe = 1;
        }
    }
}

// Even/odd: exactly the row's count of the even kind, or all of the odd kind.
void Paros(std::uint8_t& be, std::uint8_t& fix, std::uint8_t& tipus, std::int32_t& min,
           std::int32_t& max, int parosDb, int K) {
    be = 1;
    fix = 1;
    tipus = parosDb != 0;
    min = max = parosDb != 0 ? parosDb : K;
}

// Repetition: exactly the row's own.
void Ismet(std::uint8_t& be, std::uint8_t& egy, std::int32_t& min, std::int32_t& max, int tobbszor,
           int lehet, int ossz, int K) {
    be = 1;
    egy = tobbszor < 2;
    min = max = K - 2 < ossz ? lehet : ossz;
}

} // namespace

std::optional<PeldaFeltetelekEredmeny> PeldaFeltetelek(const Szamsor& sor, int jatek,
                                                       std::optional<int> talalatMax) {
    Szamsor e = sor;
    std::sort(e.begin(), e.end());
    if (!PeldaSor(e, jatek)) return std::nullopt;
    const int maxSzam = MaxSzamJatek(jatek);
    const int K = jatek; // the ticket holds no fixed number
    // The aggregates of the row alone, as the conditions window computes them.
    FeltetelKeszlet sajat;
    SzamJelzoBeallitas(sajat, e, jatek);
    const FeltetelAdatok& s = sajat.Adatok;

    PeldaFeltetelekEredmeny ki;
    FeltetelAdatok& a = ki.Adatok;
    FixCsoportok(a, e, maxSzam, K);
    MobilCsoportok(a, e, jatek, maxSzam);
    Favorizalt(a, e, jatek);
    Paros(a.SzcsParosBe, a.SzcsParosFix, a.SzcsParosTipus, a.SzcsParos, a.SzcsParosMax,
          s.SzcsParosDb, K);
    Ismet(a.SzcsIsmetBe, a.SzcsIsmetEgy, a.SzcsIsmet, a.SzcsIsmetMax, s.SzcsTobbszor,
          s.SzcsIsmetLehet, sajat.SzcsIsmetOssz, K);
    if (talalatMax) {
        const int h = *talalatMax;
        a.TalArBe = 1;
        a.TalArKeresett = 0;
        a.TalArHuzasok = 0;
        if (h >= jatek - 1) {
            // As close to a past draw as the row: keep the rows that come as close.
            a.TalArKeresett = 1;
            a.TalArTalalat = h != jatek ? h : h - 1;
            a.TalArTalalatMax = h;
        } else {
            // Drop the rows that come closer to a past draw than the row itself.
            a.TalArTalalat = h + 1;
            a.TalArTalalatMax = jatek;
        }
    }
    Paros(a.SzvParosBe, a.SzvParosFix, a.SzvParosTipus, a.SzvParos, a.SzvParosMax, s.ParosDb, K);
    Ismet(a.SzvIsmetBe, a.SzvIsmetEgy, a.SzvIsmet, a.SzvIsmetMax, s.SzvTobbszor, s.SzvIsmetLehet,
          sajat.SzvIsmetOssz, K);
    // "Fix" over the row alone: its bounds are both the row's sum.
    a.EsemOsszegBe = 1;
    a.EsemOsszegFix = 1;
    int osszeg = 0;
    for (const int x : e) osszeg += x;
    a.EsemOsszFix = a.EsemOsszMax = osszeg;
    a.IkerszamBe = 1;
    a.Ikerszam = a.IkerszamMax = s.IkerszamDb;
    a.TukorszamBe = 1;
    a.Tukorszam = a.TukorszamMax = s.TukorParDb;

    const std::array<std::uint8_t, 11> be{a.FavBe,        a.MobBe,      a.FixBe,      a.SzcsParosBe,
                                          a.SzcsIsmetBe,  a.TalArBe,    a.SzvParosBe, a.SzvIsmetBe,
                                          a.EsemOsszegBe, a.IkerszamBe, a.TukorszamBe};
    for (std::size_t i = 0; i < be.size(); ++i) ki.Dobozok[i] = be[i] != 0;
    return ki;
}

void PeldaFeltetelekMasolasa(const FeltetelAdatok& p, FeltetelAdatok& c) {
    c.FavBe = p.FavBe;
    c.FavSzamai = p.FavSzamai;
    c.FavSzamaiMax = p.FavSzamaiMax;
    c.FavTalalat = p.FavTalalat;
    c.FavTalalatMax = p.FavTalalatMax;
    c.MobBe = p.MobBe;
    c.MobSzamai = p.MobSzamai;
    c.MobTalalatMax = p.MobTalalatMax;
    c.FixBe = p.FixBe;
    c.FixSzamai = p.FixSzamai;
    c.FixTalalatMax = p.FixTalalatMax;
    c.SzcsParosBe = p.SzcsParosBe;
    c.SzcsParosFix = p.SzcsParosFix;
    c.SzcsParos = p.SzcsParos;
    c.SzcsParosMax = p.SzcsParosMax;
    c.SzcsParosTipus = p.SzcsParosTipus;
    c.SzcsIsmetBe = p.SzcsIsmetBe;
    c.SzcsIsmetEgy = p.SzcsIsmetEgy;
    c.SzcsIsmet = p.SzcsIsmet;
    c.SzcsIsmetMax = p.SzcsIsmetMax;
    c.TalArBe = p.TalArBe;
    c.TalArKeresett = p.TalArKeresett;
    c.TalArTalalat = p.TalArTalalat;
    c.TalArTalalatMax = p.TalArTalalatMax;
    c.TalArHuzasok = p.TalArHuzasok;
    c.SzvParosBe = p.SzvParosBe;
    c.SzvParosFix = p.SzvParosFix;
    c.SzvParos = p.SzvParos;
    c.SzvParosMax = p.SzvParosMax;
    c.SzvParosTipus = p.SzvParosTipus;
    c.SzvIsmetBe = p.SzvIsmetBe;
    c.SzvIsmetEgy = p.SzvIsmetEgy;
    c.SzvIsmet = p.SzvIsmet;
    c.SzvIsmetMax = p.SzvIsmetMax;
    c.EsemOsszegBe = p.EsemOsszegBe;
    c.EsemOsszegFix = p.EsemOsszegFix;
    c.EsemOsszFix = p.EsemOsszFix;
    c.EsemOsszMax = p.EsemOsszMax;
    c.IkerszamBe = p.IkerszamBe;
    c.Ikerszam = p.Ikerszam;
    c.IkerszamMax = p.IkerszamMax;
    c.TukorszamBe = p.TukorszamBe;
    c.Tukorszam = p.Tukorszam;
    c.TukorszamMax = p.TukorszamMax;
}

} // namespace varion
