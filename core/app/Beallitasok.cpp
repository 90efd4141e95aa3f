#include "app/Beallitasok.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <system_error>
#include <vector>

#include "game/Jatek.h"
#include "io/FajlMentes.h"

namespace varion {

std::string& Beallitasok::IniDirJatek(int jatek) {
    return IniDir[static_cast<std::size_t>(JatekAdat(jatek).Jatek - 5)];
}

void SzelvIniAlap(Beallitasok& b) {
    b = Beallitasok{};
}

std::filesystem::path JatekKonyvtar(const std::filesystem::path& programKonyvtar, int jatek) {
    return programKonyvtar / std::string(JatekAdat(jatek).KonyvtarNev);
}

void IniDirAlap(Beallitasok& b, const std::filesystem::path& programKonyvtar) {
    for (int j = 5; j <= 7; ++j) b.IniDirJatek(j) = JatekKonyvtar(programKonyvtar, j).string();
}

namespace {

std::string Kisbetus(std::string_view s) {
    std::string k(s);
    for (char& c : k)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return k;
}

std::string_view Vagas(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Sections and keys compare without regard to case; the first occurrence of a key wins.
class IniTartalom {
public:
    explicit IniTartalom(std::string_view szoveg) {
        if (szoveg.starts_with("\xEF\xBB\xBF")) szoveg.remove_prefix(3);
        std::string szakasz;
        while (!szoveg.empty()) {
            const auto veg = szoveg.find('\n');
            std::string_view sor = Vagas(szoveg.substr(0, veg));
            szoveg = veg == std::string_view::npos ? std::string_view{} : szoveg.substr(veg + 1);
            if (sor.empty() || sor.front() == ';') continue;
            if (sor.front() == '[') {
                const auto zar = sor.find(']');
                szakasz = Kisbetus(Vagas(sor.substr(
                    1, zar == std::string_view::npos ? std::string_view::npos : zar - 1)));
                continue;
            }
            const auto egyenlo = sor.find('=');
            if (egyenlo == std::string_view::npos) continue;
            const std::string kulcs = szakasz + '\n' + Kisbetus(Vagas(sor.substr(0, egyenlo)));
            ertekek_.try_emplace(kulcs, Vagas(sor.substr(egyenlo + 1)));
        }
    }

    std::optional<std::string> Szoveg(std::string_view szakasz, std::string_view kulcs) const {
        const auto it = ertekek_.find(Kisbetus(szakasz) + '\n' + Kisbetus(kulcs));
        if (it == ertekek_.end()) return std::nullopt;
        return it->second;
    }

    int Egesz(std::string_view szakasz, std::string_view kulcs, int alap) const {
        const auto s = Szoveg(szakasz, kulcs);
        if (!s) return alap;
        int v = 0;
        const auto [p, ec] = std::from_chars(s->data(), s->data() + s->size(), v);
        return ec == std::errc{} && p == s->data() + s->size() ? v : alap;
    }

    bool Logikai(std::string_view szakasz, std::string_view kulcs, bool alap) const {
        return Egesz(szakasz, kulcs, alap ? 1 : 0) != 0;
    }

    double Valos(std::string_view szakasz, std::string_view kulcs, double alap) const {
        auto s = Szoveg(szakasz, kulcs);
        if (!s) return alap;
        for (char& c : *s)
            if (c == ',') c = '.';
        double v = 0;
        const auto [p, ec] = std::from_chars(s->data(), s->data() + s->size(), v);
        return ec == std::errc{} && p == s->data() + s->size() && std::isfinite(v) ? v : alap;
    }

private:
    std::map<std::string, std::string> ertekek_;
};

std::string SzinKulcs(int nezet, int k) {
    return std::string(SzelvElotagok[static_cast<std::size_t>(nezet)]) + std::to_string(k);
}

} // namespace

bool BeallitasOlvasas(const std::filesystem::path& fajl, Beallitasok& b, Uzenetek& u) {
    const auto adat = io::FajlBeolvasas(fajl);
    if (!adat) {
        u.HibaUzenet(IniOlvasasHibaSzoveg);
        return false;
    }
    if (BeallitasErtelmezes(
            std::string_view(reinterpret_cast<const char*>(adat->data()), adat->size()), b, u))
        return true;
    std::error_code ec;
    std::filesystem::remove(fajl, ec);
    return false;
}

bool BeallitasErtelmezes(std::string_view szoveg, Beallitasok& b, Uzenetek& u) {
    const IniTartalom ini(szoveg);
    const int jatek = ini.Egesz("Varion", "Jatek", 5);
    if (!ErvenyesJatek(jatek)) {
        u.HibaUzenet(SerultIniSzoveg);
        SzelvIniAlap(b);
        return false;
    }
    b.Jatek = jatek;
    b.SzelvForm[0] = 0; // the game-5 layout is never taken from the file
    b.SzelvForm[1] = ini.Egesz("Varion", "SzelvForm6", 0);
    b.SzelvForm[2] = ini.Egesz("Varion", "SzelvForm7", 0);
    b.SzelvFormatum = ini.Logikai("Varion", "SzelvFormatum", true);
    b.BeallitasokMentese = ini.Logikai("Varion", "Beallitasok", true);
    b.Penznem = ini.Egesz("Bontas", "Penznem", 0);
    if (b.Penznem != 0 && b.Penznem != 1) b.Penznem = 0;
    b.OptimalizalasIdo = ini.Egesz("Bontas", "OptimalizalasIdo", 10);
    if (b.OptimalizalasIdo < MinOptimalizalasIdo || b.OptimalizalasIdo > MaxOptimalizalasIdo)
        b.OptimalizalasIdo = 10;
    b.ArForint = ini.Valos("Penznem", "Forint", 200.0);
    b.ArEuro = ini.Valos("Penznem", "Euro", 1.0);
    // A price below zero would turn every cost negative; 0 means "not set yet".
    if (b.ArForint < 0) b.ArForint = 200.0;
    if (b.ArEuro < 0) b.ArEuro = 1.0;
    b.Szinsema = ini.Egesz("Szelvenyek", "Szinsema", b.Penznem);
    if (b.Szinsema != 0 && b.Szinsema != 1) b.Szinsema = 0;
    b.Jovahagyas = ini.Logikai("Varion", "Jovahagyas", b.BeallitasokMentese);
    b.SzelvZarStatus = ini.Logikai("Szelvenyek", "SzelvZarStatus", b.Jovahagyas);
    b.Inform = ini.Logikai("Varion", "Inform", b.SzelvZarStatus);
    const bool hintKiBe = ini.Logikai("Varion", "HintKiBe", b.Inform);
    b.HintStatus = ini.Logikai("Varion", "HintStatus", hintKiBe);
    for (int n = 0; n < SzelvNezetDb; ++n)
        for (int k = SemaMeret; k < 2 * SemaMeret; ++k) {
            const double v = ini.Valos("Szelvenyek", SzinKulcs(n, k), b.SzelvSzinek.Ertek(n, k));
            const auto bejegyzes = static_cast<SzelvBejegyzes>(k - SemaMeret);
            if (v < -2147483648.0 || v > 2147483647.0) continue;
            const auto ertek = static_cast<std::int32_t>(std::lround(v));
            if (SzelvSzinTabla::Hasznalhato(bejegyzes, ertek)) b.SzelvSzinek.Beallit(n, k, ertek);
        }
    for (std::size_t i = 0; i < 3; ++i)
        b.IniDir[i] = ini.Szoveg("Varion", "IniDir" + std::to_string(i)).value_or("");
    for (std::size_t i = 0; i < 3; ++i)
        if (auto c = ini.Szoveg("Adatbazis", "HuzasCim" + std::to_string(i + 5)); c && !c->empty())
            b.HuzasCim[i] = *c;
    return true;
}

std::string BeallitasSzoveg(const Beallitasok& b, const std::string& jatekKonyvtar) {
    std::string s;
    auto sor = [&s](std::string_view kulcs, std::string_view ertek) {
        s.append(kulcs).append("=").append(ertek).append("\r\n");
    };
    auto egesz = [&sor](std::string_view kulcs, long long v) { sor(kulcs, std::to_string(v)); };
    auto valos = [&sor](std::string_view kulcs, double v) {
        char puffer[64];
        const auto r = std::to_chars(puffer, puffer + sizeof puffer, v);
        sor(kulcs, std::string_view(puffer, r.ptr));
    };
    s = "[Varion]\r\n";
    egesz("Jatek", b.Jatek);
    for (std::size_t i = 0; i < 3; ++i) egesz("SzelvForm" + std::to_string(i + 5), b.SzelvForm[i]);
    egesz("SzelvFormatum", b.SzelvFormatum);
    egesz("Beallitasok", b.BeallitasokMentese);
    egesz("Jovahagyas", b.Jovahagyas);
    egesz("Inform", b.Inform);
    egesz("HintStatus", b.HintStatus);
    for (std::size_t i = 0; i < 3; ++i)
        sor("IniDir" + std::to_string(i), b.IniDir[i].empty() ? jatekKonyvtar : b.IniDir[i]);
    s += "\r\n[Bontas]\r\n";
    egesz("Penznem", b.Penznem);
    egesz("OptimalizalasIdo", b.OptimalizalasIdo);
    s += "\r\n[Penznem]\r\n";
    valos("Forint", b.ArForint);
    valos("Euro", b.ArEuro);
    s += "\r\n[Szelvenyek]\r\n";
    egesz("Szinsema", b.Szinsema);
    egesz("SzelvZarStatus", b.SzelvZarStatus);
    for (int n = 0; n < SzelvNezetDb; ++n)
        for (int k = SemaMeret; k < 2 * SemaMeret; ++k)
            egesz(SzinKulcs(n, k), b.SzelvSzinek.Ertek(n, k));
    s += "\r\n[Adatbazis]\r\n";
    for (std::size_t i = 0; i < 3; ++i) sor("HuzasCim" + std::to_string(i + 5), b.HuzasCim[i]);
    return s;
}

bool BeallitasIras(const std::filesystem::path& fajl, const Beallitasok& b,
                   const std::string& jatekKonyvtar, Uzenetek& u, std::size_t hibaUtan) {
    const std::string s = BeallitasSzoveg(b, jatekKonyvtar);
    if (!io::BiztosMentes(
            fajl, std::span(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()), hibaUtan)) {
        u.HibaUzenet(IniIrasHibaSzoveg);
        return false;
    }
    return true;
}

} // namespace varion
