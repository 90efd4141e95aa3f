// Writes the seed corpus of every fuzz target: valid files of each type, made with the
// program's own writers, each behind the byte that chooses the circumstances (Celok.h).
//   varion_fuzz_magok KIMENET FORRAS   (FORRAS: the repository, for the help files)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Beallitasok.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasImport.h"
#include "draws/Nyeremenyek.h"
#include "files/BontasFajl.h"
#include "files/SzamsorFajl.h"
#include "io/KisVeg.h"

namespace fs = std::filesystem;
using namespace varion;

namespace {

fs::path kimenet;

void Mag(const std::string& cel, const std::string& nev, std::uint8_t korulmeny,
         const std::vector<std::uint8_t>& fajl) {
    fs::create_directories(kimenet / cel);
    std::ofstream ki(kimenet / cel / nev, std::ios::binary);
    ki.put(static_cast<char>(korulmeny));
    ki.write(reinterpret_cast<const char*>(fajl.data()), static_cast<std::streamsize>(fajl.size()));
}

std::vector<std::uint8_t> Bajtok(const std::string& s) {
    return {s.begin(), s.end()};
}

std::uint8_t Korulmeny(int jatek, bool vanAdatbazis = false, int huzasDb100 = 0) {
    return static_cast<std::uint8_t>((jatek - 5) | (vanAdatbazis ? 4 : 0) | 8 | huzasDb100 << 4);
}

void HuzasFajlok() {
    for (int jatek = 5; jatek <= 7; ++jatek) {
        HuzasAdatbazis db(jatek);
        Mag("huzasfajl", "ures" + std::to_string(jatek), Korulmeny(jatek),
            *db.Kodolas(SajatVerzio()));
        std::vector<Huzas> h(3);
        for (int i = 0; i < 3; ++i) {
            h[i].Ev = 2006 + i;
            h[i].Het = 29 + i;
            for (int k = 0; k < RekordSzamDbJatek(jatek); ++k)
                h[i].Szamok[k] = static_cast<std::uint8_t>(1 + (k * 5 + i) % 35);
        }
        if (jatek == 6) h[2].Szamok[6] = 0; // no plus number
        db.Hozzaadas(h);
        Mag("huzasfajl", "harom" + std::to_string(jatek), Korulmeny(jatek),
            *db.Kodolas(SajatVerzio()));
    }
}

SzamsorAdatok Sor(int jatek) {
    SzamsorAdatok s;
    s.Verzio = SajatVerzio();
    s.Jatek = jatek;
    s.Jelolt = {10, 3, 25, 7, 33, 12, 30, 21};
    s.Fix = {1};
    s.Allando = {3};
    s.Veletlen = {25};
    s.ValtozoSzamDb = jatek - 1;
    s.Szamsorrend = 1;
    s.Hibapont = 1;
    s.Feltetelek.Hibapont = 1;
    s.FeltetelJelzo = true;
    s.Huzasok = {1, 0};
    return s;
}

std::vector<std::uint8_t> Tip(const SzamsorAdatok& s, ProgramVerzio v = SajatVerzio()) {
    io::Iro iro;
    SzamsorIras(iro, s, v);
    return iro.Adat();
}

void SzamsorFajlok() {
    for (int jatek = 5; jatek <= 7; ++jatek)
        Mag("szamsorfajl", "sor" + std::to_string(jatek), Korulmeny(jatek), Tip(Sor(jatek)));
    Mag("szamsorfajl", "regi120", Korulmeny(5), Tip(Sor(5), {1, 2, 0, 0}));
    auto h = Sor(6);
    h.Feltetelek.TalArBe = 1;
    h.Feltetelek.TalArHuzasok = 1;
    h.Huzasok = {1, 250};
    Mag("szamsorfajl", "huzasokkal", Korulmeny(6, true, 3), Tip(h));
}

void BontasFajlok() {
    auto s = Sor(5);
    BontasAdatok b;
    b.Verzio = SajatVerzio();
    b.Datum = 45000;
    b.Szelesseg = s.ValtozoSzamDb;
    b.Matrix = {0, 1, 2, 3, 1, 2, 3, 4, 4, 5, 6, 7};
    b.BontMutStat = {1, 2, 2, 2, 2, 1, 1, 1};
    io::Iro iro;
    SzamsorIras(iro, s, SajatVerzio());
    BontasMentese(iro, s, b, SajatVerzio());
    Mag("bontasfajl", "bontas5", Korulmeny(5), iro.Adat());

    auto h = Sor(6);
    h.Feltetelek.TalArBe = 1;
    h.Feltetelek.TalArHuzasok = 1;
    h.Huzasok = {1, 250};
    BontasAdatok hb;
    hb.Szelesseg = 6;
    hb.Matrix = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    hb.TaroltHuzasok = {17, 230, 0};
    hb.BontMutStat.assign(h.Jelolt.size(), 0);
    io::Iro iro2;
    SzamsorIras(iro2, h, SajatVerzio());
    BontasMentese(iro2, h, hb, SajatVerzio());
    Mag("bontasfajl", "huzasokbol6", Korulmeny(6, true, 3), iro2.Adat());
}

void BeallitasFajlok() {
    Beallitasok b;
    SzelvIniAlap(b);
    Mag("beallitasfajl", "alap", 0, Bajtok(BeallitasSzoveg(b, "/home/jatekos/Varion/Otos")));
    b.Jatek = 7;
    b.Penznem = 1;
    b.ArEuro = 1.5;
    b.Szinsema = 1;
    b.SzelvSzinek.Beallit(2, 15, 255 + 256 * 128);
    b.IniDir = {"/a", "/b", "/c"};
    Mag("beallitasfajl", "modositott", 0, Bajtok(BeallitasSzoveg(b, "Skandinav")));
}

void HuzasCsvFajlok() {
    const std::string dij = "0;0 Ft;45;1 000 000 Ft;3000;20 000 Ft;80000;2 000 Ft";
    Mag("huzascsv", "otos", Korulmeny(5),
        Bajtok("2023;6;2023.02.11.;" + dij + ";5;18;21;37;44\r\n2023;5;2023.02.04.;" + dij +
               ";1;2;3;4;90\r\n"));
    Mag("huzascsv", "hatos", Korulmeny(6),
        Bajtok("2007;31;;" + dij + ";1;1 Ft;5;18;21;26;37;44;\n2007;29;;" + dij +
               ";1;1 Ft;3;16;24;26;36;40;27\n"));
    Mag("huzascsv", "skandi", Korulmeny(7),
        Bajtok("2023;6;;" + dij + ";1;2;3;4;5;6;7;8;9;10;11;12;13;14\n"));
}

void NyeremenyFajlok() {
    const std::string dij = "1;500 000 000 Ft;45;1 000 000 Ft;3000;20 000 Ft;80000;2 000 Ft";
    for (int jatek = 5; jatek <= 7; ++jatek) {
        const std::string szamok = jatek == 5   ? "1;2;3;4;90"
                                   : jatek == 6 ? "0;0;5;18;21;26;37;44"
                                                : "1;2;3;4;5;6;7;8;9;10;11;12;13;14";
        HuzasAdatbazis db(jatek);
        NyeremenyTar ny(jatek);
        const std::string regi =
            jatek == 6 ? "" : "1957;10;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;" + szamok + "\n";
        HuzasImport(db, "2023;6;;" + dij + ";" + szamok + "\n" + regi, &ny);
        Mag("nyeremenyfajl", "jatek" + std::to_string(jatek), Korulmeny(jatek),
            ny.Kodolas(SajatVerzio()));
    }
}

void SugoFajlok(const fs::path& forras) {
    auto olvas = [](const fs::path& p) {
        std::ifstream be(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(be), {});
    };
    const std::string hlp = olvas(forras / "resources/Help/Varion.hlp");
    const std::string cnt = olvas(forras / "resources/Help/Varion.cnt");
    Mag("sugofajl", "varion", 0, Bajtok(hlp + '\0' + cnt));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Használat: varion_fuzz_magok KIMENET FORRAS\n";
        return 2;
    }
    kimenet = argv[1];
    HuzasFajlok();
    SzamsorFajlok();
    BontasFajlok();
    BeallitasFajlok();
    HuzasCsvFajlok();
    NyeremenyFajlok();
    SugoFajlok(argv[2]);
    return 0;
}
