#include "printing/SzelvNyomtatas.h"

#include <algorithm>
#include <cmath>

#include "game/Jatek.h"

namespace varion {

namespace {

constexpr std::array<SzelvenyTerv, 3> Tervek{{
    {6, {21.5, 68, 114, 21.5, 68, 114}, {15, 15, 15, 56, 56, 56}, 76, 97, 15, 98, 10},
    {8,
     {21.5, 55.5, 89, 122.5, 21.5, 55.5, 89, 122.5},
     {15, 15, 15, 15, 48.5, 48.5, 48.5, 48.5},
     34.5,
     96.5,
     45,
     85,
     7},
    {10,
     {27, 52.5, 77.5, 102.5, 128, 27, 52.5, 77.5, 102.5, 128},
     {15.5, 15.5, 15.5, 15.5, 15.5, 49, 49, 49, 49, 49},
     40,
     97.1,
     52,
     91.8,
     5},
}};

constexpr std::string_view Tartomanynev = "\"Nyomtatási tartomány\"";

} // namespace

const SzelvenyTerv& SzelvenyTervJatek(int jatek) {
    return Tervek[static_cast<std::size_t>(ErvenyesJatek(jatek) ? jatek - 5 : 0)];
}

int SzNyMezoSzam(int jatek) {
    return SzelvenyTervJatek(jatek).MezoDb;
}

int DbSzelv(int jatek, std::int64_t tarolt) {
    const int m = SzNyMezoSzam(jatek);
    return static_cast<int>((std::max<std::int64_t>(0, tarolt) + m - 1) / m);
}

int Keppont(double mm, int felbontas) {
    // A hair below the next pixel stays on it: 25.4 mm are exactly one inch.
    return static_cast<int>(std::ceil(felbontas * mm / 25.4 - 1e-9));
}

RacsHely SzamHelye(int jatek, int szam) {
    const int oszlopok = SzelvenyTervJatek(jatek).Oszlopok;
    return {(szam - 1) % oszlopok + 1, (szam - 1) / oszlopok + 1};
}

std::vector<SzelvJel> SzelvenyJelek(int jatek, const NyomtatoMeretek& m,
                                    const std::vector<std::vector<int>>& mezok, JokerJeloles joker,
                                    const std::string& sorszam) {
    const SzelvenyTerv& t = SzelvenyTervJatek(jatek);
    const int dx = Keppont(Osztas, m.FelbontasX), dy = Keppont(Osztas, m.FelbontasY);
    const auto x = [&](double mm) { return Keppont(mm, m.FelbontasX) - m.EltolasX; };
    const auto y = [&](double mm) { return Keppont(mm, m.FelbontasY) - m.EltolasY; };
    std::vector<SzelvJel> ki;
    const std::size_t db = std::min(mezok.size(), static_cast<std::size_t>(t.MezoDb));
    for (std::size_t f = 0; f < db; ++f) {
        const int x0 = x(t.X0[f]) - dx, y0 = y(t.Y0[f]) - dy;
        for (int n : mezok[f]) {
            if (n < 1 || n > MaxSzamJatek(jatek)) continue;
            const RacsHely h = SzamHelye(jatek, n);
            ki.push_back({x0 + dx * h.Oszlop, y0 + dy * h.Sor, "x"});
        }
    }
    if (joker == JokerJeloles::Igen) ki.push_back({x(t.JokerX), y(t.JokerY), "x"});
    if (joker == JokerJeloles::Nem)
        ki.push_back({x(t.JokerX) + Keppont(JokerNemTavolsag, m.FelbontasX), y(t.JokerY), "x"});
    if (!sorszam.empty()) ki.push_back({x(t.SorszamX), y(t.SorszamY), sorszam});
    return ki;
}

std::vector<SzelvFeladat> SzelvNyomtTerv(int jatek, std::int64_t tarolt, int elso, int utolso) {
    const int mezo = SzNyMezoSzam(jatek);
    std::vector<SzelvFeladat> ki;
    for (int s = elso - 1; s <= utolso - 1; ++s) {
        const std::int64_t eleje = std::int64_t{mezo} * s;
        if (eleje >= tarolt) break;
        const int db = static_cast<int>(std::min<std::int64_t>(mezo, tarolt - eleje));
        ki.push_back({s + 1, static_cast<int>(eleje), db,
                      std::to_string(s + 1) + ". \\ " + std::to_string(eleje + 1) + ".  -  " +
                          std::to_string(eleje + db) + "."});
    }
    return ki;
}

NyomtTartomany TartomanyKorlatozas(NyomtTartomany t, int dbSzelv) {
    const int max = std::max(1, dbSzelv);
    t.Elso = std::clamp(t.Elso, 1, max);
    t.Utolso = std::clamp(t.Utolso, t.Elso, max);
    return t;
}

TartomanyDontes TartomanyEllenorzes(NyomtTartomany t) {
    const int db = t.Utolso - t.Elso + 1;
    return db > 100  ? TartomanyDontes::Tiltott
           : db > 30 ? TartomanyDontes::Kerdes
                     : TartomanyDontes::Rendben;
}

std::optional<std::string_view> LapmeretHiba(const NyomtatoMeretek& m) {
    if (m.LapSzelesseg + 2 * m.MargoX < m.FelbontasX * 170 / 25.4 ||
        m.LapMagassag + 2 * m.MargoY < m.FelbontasY * 115 / 25.4)
        return "A nyomtató beállítása szerinti lapméret kisebb, mint egy segédsorsjegy mérete!"
               "\r\rA nyomtatási oldal (lapméret) minimális méretei:\r- szélesség 170 mm\r- "
               "magasság 115 mm";
    return std::nullopt;
}

std::optional<std::string_view> MargoHiba(const NyomtatoMeretek& m) {
    const int x = Keppont(22, m.FelbontasX) - m.MargoX - Keppont(Osztas, m.FelbontasX);
    const int y = Keppont(15, m.FelbontasY) - m.MargoY - Keppont(Osztas, m.FelbontasY);
    if (x < m.MargoX || y < m.MargoY)
        return "A (kiválasztott) nyomtató nem alkalmas a segédsorsjegyek kitöltésére!\r\rOka: a "
               "nyomtató fizikai margói nem teszik ezt lehetővé.\r\rFizikai margók: a lap szélétól "
               "mért azon távolságok, melyeken belül a\rnyomtató még nem képes dolgozni.\r\r"
               "Megoldás: válasszon ki a telepített nyomtatók listájából egy másikat,\rvagy "
               "állítson rendszerbe egy új, erre a célra is alkalmas nyomtatót.\r";
    return std::nullopt;
}

std::string TobbMint100Szoveg() {
    return "Több mint 100 segédsorsjegy kitöltésére tett kísérletet.\r\rA program ezt nem teszi "
           "lehetővé.\r\rJavaslat:\r- Használja a " +
           std::string(Tartomanynev) +
           " beállításának lehetőségét.\r  Nyomtatandó oldalak (segédsorsjegyek) száma: 1-30-ig, "
           "31-60-ig stb.";
}

std::string TobbMint30Szoveg() {
    return "Több mint 30 segédsorsjegy kitöltésére készül.\r\rJavaslat:\r- Ellenőrizze a "
           "nyomtató tálcájába helyezett segédsorsjegyek\r  számát, pozícióját.\r- Használja ki "
           "a " +
           std::string(Tartomanynev) +
           " beállításának lehetőségét.\r  Nyomtatandó oldalak (segédsorsjegyek) száma: 1-30-ig, "
           "31-60-ig stb.\r\rMégis folytatja a nyomtatást?";
}

} // namespace varion
