#include "Celok.h"

#include <algorithm>
#include <string>

#include "app/Beallitasok.h"
#include "app/Sugo.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasImport.h"
#include "draws/Nyeremenyek.h"
#include "files/BontasAtadas.h"
#include "files/BontasFajl.h"
#include "files/SzamsorFajl.h"
#include "io/KisVeg.h"

namespace varion::fuzz {

namespace {

// Answers every question the same way and shows nothing.
class NemaUzenetek final : public Uzenetek {
public:
    explicit NemaUzenetek(bool valasz) : valasz_(valasz) {}

protected:
    bool Megjelenit(UzenetTipus, std::string_view) override { return valasz_; }

private:
    bool valasz_;
};

struct Korulmenyek {
    int Jatek = 5;
    bool VanAdatbazis = false;
    bool Valasz = false;
    int HuzasDb = 0;
    std::span<const std::uint8_t> Fajl;
};

Korulmenyek Szetbontas(std::span<const std::uint8_t> be) {
    Korulmenyek k;
    if (be.empty()) return k;
    const std::uint8_t b = be[0];
    k.Jatek = 5 + b % 3;
    k.VanAdatbazis = (b & 4) != 0;
    k.Valasz = (b & 8) != 0;
    k.HuzasDb = k.VanAdatbazis ? (b >> 4) * 100 : 0;
    k.Fajl = be.subspan(1);
    return k;
}

std::string_view Szoveg(std::span<const std::uint8_t> b) {
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

} // namespace

bool HuzasFajl(std::span<const std::uint8_t> be) {
    const auto k = Szetbontas(be);
    HuzasAdatbazis db(k.Jatek);
    if (!db.Beolvasas(k.Fajl, k.Jatek)) return db.HuzasDb() == 0;
    // What was kept is written back and reads as the same table, with nothing left out.
    const auto adat = db.Kodolas(SajatVerzio());
    if (!adat) return false;
    HuzasAdatbazis ujra(k.Jatek);
    return ujra.Beolvasas(*adat, k.Jatek) && ujra.HuzasTomb() == db.HuzasTomb() &&
           ujra.BetoltesiFigyelmeztetes().empty();
}

bool SzamsorFajl(std::span<const std::uint8_t> be) {
    const auto k = Szetbontas(be);
    NemaUzenetek u(k.Valasz);
    io::Olvaso o(k.Fajl);
    const auto a = SzamsorOlvasas(o, k.Jatek, k.VanAdatbazis, k.HuzasDb, u);
    if (!a) return true;
    // An accepted record is one the program could have written: written back, it reads the
    // same.
    // (The program writes only its own version, whose items are all present.)
    io::Iro iro;
    SzamsorIras(iro, *a, SajatVerzio());
    io::Olvaso o2(iro.Adat());
    auto b = SzamsorOlvasas(o2, k.Jatek, k.VanAdatbazis, k.HuzasDb, u);
    if (!b || o2.Maradek() != 0) return false;
    b->Verzio = a->Verzio;
    return *b == *a;
}

bool BontasFajl(std::span<const std::uint8_t> be) {
    const auto k = Szetbontas(be);
    NemaUzenetek u(k.Valasz);
    io::Olvaso o(k.Fajl);
    const auto sor = SzamsorOlvasas(o, k.Jatek, k.VanAdatbazis, k.HuzasDb, u);
    if (!sor) return true;
    const auto b = BontasBetoltese(o, *sor, k.VanAdatbazis, u);
    if (!b) return true;
    // Every row lists, the engine takes the breakdown, and it is written back and read
    // again to the same record and breakdown (the program writes its own version).
    for (int r = 0; r < b->Sorok(); ++r) (void)BontasValtozat(*sor, *b, r);
    TBontas bontas;
    BontasTelepites(bontas, *sor, *b);
    io::Iro iro;
    SzamsorIras(iro, *sor, SajatVerzio());
    BontasMentese(iro, *sor, *b, SajatVerzio());
    io::Olvaso o2(iro.Adat());
    auto sor2 = SzamsorOlvasas(o2, k.Jatek, k.VanAdatbazis, k.HuzasDb, u);
    if (!sor2) return false;
    auto b2 = BontasBetoltese(o2, *sor2, k.VanAdatbazis, u);
    if (!b2) return false;
    sor2->Verzio = sor->Verzio;
    b2->Verzio = b->Verzio;
    return *sor2 == *sor && *b2 == *b;
}

bool BeallitasFajl(std::span<const std::uint8_t> be) {
    const auto k = Szetbontas(be);
    NemaUzenetek u(k.Valasz);
    Beallitasok b;
    SzelvIniAlap(b);
    if (!BeallitasErtelmezes(Szoveg(k.Fajl), b, u)) return b.Jatek == 5;
    // What was read is written and read again to the same settings.
    Beallitasok ujra;
    SzelvIniAlap(ujra);
    const std::string szoveg = BeallitasSzoveg(b, "Otos");
    if (!BeallitasErtelmezes(szoveg, ujra, u)) return false;
    return ujra.Jatek == b.Jatek && ujra.Penznem == b.Penznem && ujra.Szinsema == b.Szinsema &&
           ujra.SzelvSzinek == b.SzelvSzinek;
}

bool HuzasCsv(std::span<const std::uint8_t> be) {
    const auto k = Szetbontas(be);
    const auto szoveg = Szoveg(k.Fajl);
    const auto huzasok = HuzasCsvOlvasas(szoveg, k.Jatek);
    HuzasAdatbazis db(k.Jatek);
    NyeremenyTar ny(k.Jatek);
    const auto hozzaadva = HuzasImport(db, szoveg, &ny);
    if (huzasok.has_value() != hozzaadva.has_value()) return false;
    // Every draw imported has its prize record, and the store writes and reads back whole.
    if (hozzaadva && ny.Db() != static_cast<std::size_t>(*hozzaadva)) return false;
    const auto vissza = NyeremenyTar::Beolvasas(ny.Kodolas(SajatVerzio()), k.Jatek);
    if (!vissza || vissza->Huzasok() != ny.Huzasok()) return false;
    if (!huzasok) return db.HuzasDb() == 0;
    // Into an empty database everything is added; a second import adds nothing.
    if (*hozzaadva != static_cast<int>(huzasok->size()) || db.HuzasDb() != *hozzaadva) return false;
    const auto masodik = HuzasImport(db, szoveg);
    return masodik && *masodik == 0;
}

bool NyeremenyFajl(std::span<const std::uint8_t> be) {
    const auto k = Szetbontas(be);
    const auto t = NyeremenyTar::Beolvasas(k.Fajl, k.Jatek);
    if (!t) return true;
    // What was accepted writes back byte for byte past the header, and reads the same.
    const auto ki = t->Kodolas(SajatVerzio());
    if (ki.size() != k.Fajl.size() || !std::equal(ki.begin() + 16, ki.end(), k.Fajl.begin() + 16))
        return false;
    for (const auto& h : t->Huzasok())
        if (!NyeremenyHiba(k.Jatek, h).empty() || t->Keres(h.Ev, h.Het) != &h) return false;
    return true;
}

bool SugoFajl(std::span<const std::uint8_t> be) {
    const auto szoveg = Szoveg(be.empty() ? be : be.subspan(1));
    const auto nul = szoveg.find('\0');
    const auto hlp = szoveg.substr(0, nul);
    const auto cnt = nul == std::string_view::npos ? std::string_view{} : szoveg.substr(nul + 1);
    const Sugo s = Sugo::Szovegbol(hlp, cnt);
    for (const auto& sor : s.Tartalom())
        if (sor.Szint < 1) return false;
    return true;
}

} // namespace varion::fuzz
