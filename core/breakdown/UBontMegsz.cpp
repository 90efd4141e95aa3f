#include "breakdown/UBontMegsz.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace varion {

std::uint64_t BontasPozicio(const BontasHaladas& h) {
    const int K = h.SorHossz;
    if (K < 1) return 0;
    // 64-bit throughout: one term exceeds 2^32 for 90 numbers into 5.
    std::uint64_t acc = 0;
    for (int i = 0; i + 1 < K; ++i) {
        const int d = int{h.BontMut[i]} - int{h.BontMutMin[i]};
        if (d <= 0) continue;
        std::uint64_t t = static_cast<std::uint64_t>(d);
        for (int j = i + 1; j < K; ++j) t *= h.BontMutMax[j];
        acc += t;
    }
    acc += h.BontMut[K - 1];
    std::uint64_t fakt = 1;
    for (int i = 2; i <= K; ++i) fakt *= static_cast<std::uint64_t>(i);
    return acc / fakt;
}

int BontasSzazalek(const BontasHaladas& h) {
    const std::uint64_t poz = BontasPozicio(h);
    const auto teljes = static_cast<double>(std::max<std::int64_t>(0, h.TeljesSzelvszam));
    const double korok = h.Hibapont > 0 ? double(h.SorHossz - h.Hibapont) : 1.0;
    // Real division: the integer quotient of C(N, K) / 100 overstated small breakdowns.
    const double oszto = teljes / 100.0 * korok;
    const double p = oszto > 0 ? std::trunc(double(poz) / oszto) : 0.0;
    const auto sz = static_cast<std::int64_t>(std::min(p, 1000.0)) + h.FolyamatAlap;
    return static_cast<int>(std::clamp<std::int64_t>(sz, 0, 100));
}

std::string EzresTagolas(double ertek, int tizedes) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", tizedes, ertek);
    const std::string_view s(buf);
    const bool negativ = !s.empty() && s[0] == '-';
    const auto pont = s.find('.');
    const std::string_view egesz =
        s.substr(negativ ? 1 : 0, pont == s.npos ? s.npos : pont - (negativ ? 1 : 0));
    std::string ki(negativ ? "-" : "");
    for (std::size_t i = 0; i < egesz.size(); ++i) {
        if (i > 0 && (egesz.size() - i) % 3 == 0) ki += ' ';
        ki += egesz[i];
    }
    if (pont != s.npos) {
        ki += ',';
        ki += s.substr(pont + 1);
    }
    return ki;
}

std::string IdoSzoveg(std::chrono::milliseconds t) {
    const auto ms = std::max<std::int64_t>(0, t.count());
    const auto mp = ms / 1000;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", static_cast<long long>(mp / 3600),
                  static_cast<long long>(mp / 60 % 60), static_cast<long long>(mp % 60));
    return buf;
}

std::string IdoCimkeSzoveg(std::chrono::milliseconds t) {
    char ezred[16];
    std::snprintf(ezred, sizeof ezred, "%3.3u",
                  static_cast<unsigned>(std::max<std::int64_t>(0, t.count()) % 1000));
    return "A bontás elkészítésének időtartama:  " + IdoSzoveg(t) + "  -  " + ezred;
}

std::string VegIdoSzoveg(std::chrono::milliseconds t) {
    if (t.count() <= 0) return "A bontás elkészítésének időtartama kevesebb, mint 1 ezred mp.";
    return IdoCimkeSzoveg(t);
}

std::string SzelvSzamSzoveg(std::int64_t db) {
    return EzresTagolas(double(db), 0) + " db szelvény szükséges a játékhoz.";
}

std::string KoltsegSzoveg(std::int64_t db, double jegyAr, bool euro) {
    return "Bontás költsége: " + EzresTagolas(double(db) * jegyAr, euro ? 2 : 0) +
           (euro ? " Euro." : " Forint.");
}

std::string OptimalizalasSzoveg(std::int64_t db, std::int32_t alsoKorlat,
                                std::optional<std::chrono::milliseconds> hatra) {
    std::string s = "Optimalizálás: " + EzresTagolas(static_cast<double>(db), 0) + " szelvény";
    if (alsoKorlat > 0) s += ", alsó korlát: " + EzresTagolas(static_cast<double>(alsoKorlat), 0);
    if (hatra) {
        // Rounded up: "0 mp" only once the budget is spent.
        const std::int64_t mp = (std::max<std::int64_t>(0, hatra->count()) + 999) / 1000;
        s += ", hátra: " + std::to_string(mp) + " mp";
    }
    return s;
}

std::string OptimalisMagSzoveg(std::uint64_t mag) {
    // Not grouped: the number is typed back as it stands to repeat the run.
    return "Optimalizált csökkentés, véletlen mag: " + std::to_string(mag);
}

std::string OptimalisVegSzoveg(std::uint64_t mag, std::int64_t lepesek) {
    // Both typed back as they stand (--mag, --lepes): not grouped.
    return OptimalisMagSzoveg(mag) + ", lépések: " + std::to_string(lepesek);
}

std::string MegadottCsokkentesSzoveg(const std::string& ok) {
    return "A megadott csökkentés maradt: " + ok + ".";
}

HaladasKijelzes HaladasSzamitas(const BontasHaladas& h, double jegyAr, bool euro, bool ablakAktiv) {
    HaladasKijelzes k;
    // The last pass leaves the error round at -1, and the optimised search runs after it.
    k.Frissul = h.BontStatus == 1 && (h.HibaKor >= 0 || h.Optimalizalas);
    k.IdoCimke = IdoCimkeSzoveg(h.Eltelt);
    k.SzelvSzamCimke = SzelvSzamSzoveg(h.TaroltNyerSzelv);
    k.KoltsegCimke = KoltsegSzoveg(h.TaroltNyerSzelv, jegyAr, euro);
    k.Pozicio = BontasPozicio(h);
    k.Szazalek = BontasSzazalek(h);
    // The passes are done by then: the bar follows the search's share of its time budget.
    if (h.Optimalizalas && h.OptimalisIdo.count() > 0)
        k.Szazalek = static_cast<int>(std::clamp<std::int64_t>(
            h.OptimalisEltelt.count() * 100 / h.OptimalisIdo.count(), 0, 100));
    const std::string sz = std::to_string(k.Szazalek);
    k.FolyamatCimke = "Bontás folyamata: " + sz + " %";
    if (h.Optimalizalas) {
        // Before its first cover the search starts from the passes' rows.
        const std::int64_t db = h.OptimalisDb > 0 ? h.OptimalisDb : h.TaroltNyerSzelv;
        k.SzelvSzamCimke = SzelvSzamSzoveg(db);
        k.KoltsegCimke = KoltsegSzoveg(db, jegyAr, euro);
        std::optional<std::chrono::milliseconds> hatra;
        if (h.OptimalisIdo.count() > 0) hatra = h.OptimalisIdo - h.OptimalisEltelt;
        k.FolyamatCimke = OptimalizalasSzoveg(db, h.OptimalisAlsoKorlat, hatra);
    }
    k.AlkalmazasCim = ablakAktiv ? "Varion" : "Bontás: " + sz + " %";
    return k;
}

std::string BontasCim(int N, int e, int K) {
    return std::to_string(N) + " szám " + std::to_string(e) + " hibapontos bontása " +
           std::to_string(K) + " számra";
}

std::string FixSzamosInfo(int N, int e, int K, int jatek) {
    const int fixDb = jatek - K;
    if (fixDb <= 0) return {};
    const int garantalt = jatek - e;
    return std::to_string(N) + " szám " + std::to_string(e) + " hibapontos bontását készíti " +
           std::to_string(K) + " számra. Csak abban az esetben      \rgarantált " +
           (garantalt == 5 ? "az " : "a ") + std::to_string(garantalt) +
           (e > 0 ? " vagy több" : "") + " találat elérése, ha a fix " +
           (fixDb == 1 ? "számot" : "számokat") + " is eltalálja!";
}

std::string UresBontasUzenet(const FeltetelAdatok& a, std::uint16_t teljesult) {
    if (a.TalArBe)
        return "Nem teljesült a találati arányok feltétel.\r\rÁllítson be más találati arányt!";
    struct Sor {
        std::uint8_t FeltetelAdatok::*Be;
        std::uint16_t Bit;
        const char* Nev;
    };
    static constexpr std::array<Sor, 10> sorok{{
        {&FeltetelAdatok::FavBe, 0x0001, "Favorizált számok"},
        {&FeltetelAdatok::MobBe, 0x0002, "Mobil számcsoportok"},
        {&FeltetelAdatok::FixBe, 0x0004, "Fix számcsoportok"},
        {&FeltetelAdatok::SzcsParosBe, 0x0008, "Számcsoport páros/páratlan aránya"},
        {&FeltetelAdatok::SzcsIsmetBe, 0x0010, "Számcsoport ismétlődés"},
        {&FeltetelAdatok::SzvParosBe, 0x0040, "Számvégződés páros/páratlan aránya"},
        {&FeltetelAdatok::SzvIsmetBe, 0x0080, "Számvégződés ismétlődés"},
        {&FeltetelAdatok::EsemOsszegBe, 0x0200, "Számsor összege"},
        {&FeltetelAdatok::IkerszamBe, 0x0400, "Ikerszámok"},
        {&FeltetelAdatok::TukorszamBe, 0x0800, "Tükörszámok"},
    }};
    std::string nev;
    for (const auto& s : sorok)
        if (a.*(s.Be) && !(teljesult & s.Bit)) {
            nev = s.Nev;
            break;
        }
    return "Az alábbi feltétel nem teljesült:\r\r   »  " + nev +
           "\r\rKérem, gondolja újra a feltételek párosítását, illetve\raz alkalmazott logikai "
           "és/vagy numerikus értékeket.\r\rA feltétetelek párosításától függően az is "
           "előfordulhat,\rhogy nem a jelzett feltétel beállításai szorulnak korrekcióra!\r ";
}

std::string HianyzoSzamokUzenet(const std::vector<int>& hianyzo, bool feltetelMiatt) {
    constexpr const char* vonal = "__________________________________  ";
    std::string s = feltetelMiatt ? "               A kijelölt feltételek miatt,\r"
                                  : "            A hibapontok száma miatt,\r";
    s += "   az alábbi " + std::to_string(hianyzo.size()) + " szám hiányzik a bontásból:    \r";
    s += vonal;
    s += "\r\r";
    for (std::size_t i = 0; i < hianyzo.size(); ++i) {
        if (i > 0 && i % 7 == 0) s += "\r\r";
        s += hianyzo[i] >= 10 ? "     " : "       ";
        s += std::to_string(hianyzo[i]);
    }
    s += "\r";
    s += vonal;
    s += "\r";
    return s;
}

bool BontTorlesEng1(TBontas& bontas, bool mentve, Uzenetek& u) {
    if (bontas.GetTaroltNyerSzelv() == 0 || mentve) return true;
    if (!u.JovahagyasKeres(TorlesKerdes)) return false;
    bontas.BontasTorlese();
    return true;
}

bool BontTorlesEng2(TBontas& bontas, FeltetelKeszlet& feltetelek, bool mentve, Uzenetek& u) {
    const bool sorok = bontas.GetTaroltNyerSzelv() > 0 && !mentve;
    if (sorok && feltetelek.FeltetelJelzo) {
        if (!u.JovahagyasKeres(FeltetelTorlesKerdes)) return false;
        FeltetelekTorlese(feltetelek, bontas);
        return true;
    }
    if (sorok) return BontTorlesEng1(bontas, mentve, u);
    if (feltetelek.FeltetelJelzo) {
        if (!u.JovahagyasKeres(CsakFeltetelTorlesKerdes)) return false;
        FeltetelekTorlese(feltetelek, bontas);
    }
    return true;
}

} // namespace varion
