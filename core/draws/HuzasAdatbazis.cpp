#include "draws/HuzasAdatbazis.h"

#include <algorithm>
#include <system_error>

#include "game/Jatek.h"
#include "io/FajlMentes.h"
#include "io/KisVeg.h"

namespace varion {

std::filesystem::path AdatbazisFajl(int jatek) {
    return std::filesystem::path("Dat") /
           ("Huzas" + std::to_string(JatekAdat(jatek).Jatek) + ".ldb");
}

HuzasAdatbazis::HuzasAdatbazis(int jatek) : jatek_(JatekAdat(jatek).Jatek) {
    Tartomanyok.MindenHuzas(0);
}

std::span<const std::int32_t> HuzasAdatbazis::Sor(int index) const {
    return std::span(tomb_).subspan(static_cast<std::size_t>(index) * OszlopSz(), OszlopSz());
}

void HuzasAdatbazis::UjJatek(int jatek) {
    jatek_ = JatekAdat(jatek).Jatek;
    tomb_.clear();
    naplo_.clear();
    poz_ = 0;
    kijelolt_ = 0;
    AdatbazisModositva = false;
    Tartomanyok.MindenHuzas(0);
}

std::string AdatbazisSerultSzoveg(const std::filesystem::path& fajl, std::optional<int> huzas) {
    std::string s(AdatbazisOlvasasHibaSzoveg);
    s += "\r\rÁllomány: " + fajl.string();
    if (huzas) {
        s += "\rHibás adat: ";
        s += *huzas == 0 ? std::string("az állomány rövidebb a 16 bájtos fejlécnél.")
                         : std::to_string(*huzas) + ". húzás.";
    }
    return s;
}

bool HuzasAdatbazis::Beolvasas(std::span<const std::uint8_t> adat, int jatek, int* hibasHuzas) {
    if (hibasHuzas) *hibasHuzas = 0;
    if (!ErvenyesJatek(jatek) || adat.size() < HuzasFejlecMeret) return false;
    const int szamDb = RekordSzamDbJatek(jatek);
    const int maxSzam = MaxSzamJatek(jatek);
    const std::size_t db = (adat.size() - HuzasFejlecMeret) / HuzasRekordMeret;
    std::vector<std::int32_t> uj;
    uj.reserve(db * static_cast<std::size_t>(3 + szamDb));
    io::Olvaso o(adat);
    o.Atugras(HuzasFejlecMeret);
    for (std::size_t i = 0; i < db; ++i) {
        std::int32_t tartalek = 0, sorszam = 0;
        std::int16_t ev = 0;
        std::uint8_t het = 0;
        std::array<std::uint8_t, HuzasRekordMeret - 11> maradek{};
        o.Int32(tartalek);
        o.Int32(sorszam);
        o.Int16(ev);
        o.Byte(het);
        o.Bajtok(maradek);
        if (hibasHuzas) *hibasHuzas = static_cast<int>(i) + 1;
        if (o.Hibas()) return false;
        uj.push_back(sorszam);
        uj.push_back(static_cast<std::uint16_t>(ev));
        uj.push_back(het);
        for (int k = 0; k < szamDb; ++k) {
            const int szam = maradek[static_cast<std::size_t>(k)];
            const bool pluszNelkul = jatek == 6 && k == 6 && szam == 0;
            if (!pluszNelkul && (szam < 1 || szam > maxSzam)) return false;
            uj.push_back(szam);
        }
    }
    jatek_ = jatek;
    tomb_ = std::move(uj);
    naplo_.clear();
    poz_ = 0;
    kijelolt_ = HuzasDb() > 0 ? 1 : 0;
    AdatbazisModositva = false;
    Tartomanyok.MindenHuzas(HuzasDb());
    return true;
}

BetoltesEredmeny HuzasAdatbazis::HuzasokBe(const std::filesystem::path& fajl, int jatek,
                                           Uzenetek& u) {
    PluszSzamAktiv = true;
    std::error_code ec;
    if (!std::filesystem::exists(fajl, ec)) {
        u.HibaUzenet(NincsAdatbazisSzoveg);
        if (JatekAdat(jatek).Jatek != jatek_) UjJatek(jatek);
        return BetoltesEredmeny::NincsFajl;
    }
    const auto adat = io::FajlBeolvasas(fajl);
    int hibasHuzas = 0;
    const bool olvasva = adat.has_value();
    if (!olvasva || !Beolvasas(*adat, JatekAdat(jatek).Jatek, &hibasHuzas)) {
        u.HibaUzenet(
            AdatbazisSerultSzoveg(fajl, olvasva ? std::optional<int>(hibasHuzas) : std::nullopt));
        if (JatekAdat(jatek).Jatek != jatek_) UjJatek(jatek);
        return BetoltesEredmeny::Hiba;
    }
    return BetoltesEredmeny::Rendben;
}

std::vector<std::uint8_t> HuzasAdatbazis::Kodolas(const ProgramVerzio& verzio) const {
    io::Iro iro;
    const auto fejlec = VerzioFejlec(verzio);
    iro.Bajtok(fejlec);
    for (int i = 0; i < HuzasDb(); ++i) {
        const auto s = Sor(i);
        iro.Int32(0);
        iro.Int32(s[0]);
        iro.Int16(static_cast<std::int16_t>(static_cast<std::uint16_t>(s[1])));
        iro.Byte(static_cast<std::uint8_t>(s[2]));
        for (int k = 0; k < RekordSzamDb(); ++k)
            iro.Byte(static_cast<std::uint8_t>(s[static_cast<std::size_t>(3 + k)]));
        iro.Nullak(HuzasRekordMeret - 11 - static_cast<std::size_t>(RekordSzamDb()));
    }
    return std::move(iro.Adat());
}

bool HuzasAdatbazis::AdatbazisMentese(const std::filesystem::path& fajl,
                                      const ProgramVerzio& verzio, Uzenetek& u,
                                      std::size_t hibaUtan) {
    if (!io::BiztosMentes(fajl, Kodolas(verzio), hibaUtan)) {
        u.HibaUzenet(AdatbazisIrasHibaSzoveg);
        return false;
    }
    AdatbazisModositva = false;
    u.Informacio(AdatbazisElmentveSzoveg);
    return true;
}

bool HuzasAdatbazis::HuzTorlesEng(const std::filesystem::path& fajl, const ProgramVerzio& verzio,
                                  Uzenetek& u) {
    if (!AdatbazisModositva) return true;
    if (!u.FigyelmeztetoKerdes(HuzTorlesEngSzoveg)) return true;
    return AdatbazisMentese(fajl, verzio, u);
}

void HuzasAdatbazis::Hozzaadas(std::span<const Huzas> huzasok) {
    for (const Huzas& h : huzasok) {
        tomb_.push_back(HuzasDb() + 1);
        tomb_.push_back(h.Ev);
        tomb_.push_back(h.Het);
        for (int k = 0; k < RekordSzamDb(); ++k)
            tomb_.push_back(h.Szamok[static_cast<std::size_t>(k)]);
    }
    if (!huzasok.empty()) {
        mentesSugo_ = MentesSugoModositott;
        ModositasVege();
    }
}

// --- editing ---

void HuzasAdatbazis::Kijeloles(int sor) {
    kijelolt_ = std::clamp(sor, HuzasDb() > 0 ? 1 : 0, HuzasDb());
}

void HuzasAdatbazis::ModositasVege() {
    AdatbazisModositva = true;
    Tartomanyok.MindenHuzas(HuzasDb());
}

void HuzasAdatbazis::RekordBeszuras(int p) {
    const int n = HuzasDb();
    if (p < 1 || p > n + 1) return;
    const auto hely =
        tomb_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(p - 1) * OszlopSz());
    tomb_.insert(hely, OszlopSz(), 0);
    for (int i = p; i <= n; ++i) SorIr(i)[0] = i + 1;
    kijelolt_ = p;
}

void HuzasAdatbazis::RekordTorles(int p) {
    const int n = HuzasDb();
    if (p < 1 || p > n) return;
    const auto hely =
        tomb_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(p - 1) * OszlopSz());
    tomb_.erase(hely, hely + static_cast<std::ptrdiff_t>(OszlopSz()));
    for (int i = p - 1; i < n - 1; ++i) SorIr(i)[0] = i + 1;
    Kijeloles(AktRekord > n - 1 ? AktRekord - 1 : AktRekord);
}

void HuzasAdatbazis::RekordBeSorba(int sor) {
    std::int32_t* s = SorIr(sor - 1);
    s[0] = sor;
    s[1] = Rekord.Ev;
    s[2] = Rekord.Het;
    for (int k = 0; k < RekordSzamDb(); ++k) s[3 + k] = Rekord.Szamok[static_cast<std::size_t>(k)];
}

void HuzasAdatbazis::RekordBeillesztes() {
    if (kijelolt_ < 1 || kijelolt_ > HuzasDb()) return;
    RekordBeSorba(kijelolt_);
    mentesSugo_ = MentesSugoModositott;
    AdatbazisModositva = true;
}

void HuzasAdatbazis::RekordPMentes(int r) {
    if (r < 1 || r > HuzasDb()) return;
    ++poz_;
    naplo_.resize(static_cast<std::size_t>(poz_));
    const auto s = Sor(r - 1);
    auto& e = naplo_.back();
    e.assign(s.begin(), s.end());
    e[0] = r; // the row's position, which undo and redo address
    e.push_back(static_cast<std::int32_t>(Muvelet));
}

void HuzasAdatbazis::AdatbazisModositas(bool naplozva) {
    switch (Muvelet) {
    case HuzasMuvelet::Bovites:
        if (DialogusEredmeny == 1) {
            RekordBeillesztes();
            if (naplozva) RekordPMentes(HuzasDb());
        } else {
            RekordTorles(MuvRekord);
        }
        break;
    case HuzasMuvelet::Modositas:
        if (DialogusEredmeny == 1) {
            if (naplozva) RekordPMentes(kijelolt_);
            RekordBeillesztes();
        }
        break;
    case HuzasMuvelet::Beszuras:
        if (DialogusEredmeny == 1) {
            RekordBeillesztes();
            if (naplozva) RekordPMentes(kijelolt_);
        } else {
            RekordTorles(MuvRekord);
        }
        break;
    case HuzasMuvelet::Torles:
        RekordPMentes(kijelolt_);
        RekordTorles(kijelolt_);
        mentesSugo_ = MentesSugoTorles;
        AdatbazisModositva = true;
        break;
    case HuzasMuvelet::Nincs:
        break;
    }
    Tartomanyok.MindenHuzas(HuzasDb());
}

namespace {

void NaplobolRekord(const std::vector<std::int32_t>& e, int szamDb, Huzas& r) {
    r.Sorszam = e[0];
    r.Ev = e[1];
    r.Het = e[2];
    r.Szamok.fill(0);
    for (int k = 0; k < szamDb; ++k)
        r.Szamok[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(e[static_cast<std::size_t>(3 + k)]);
}

} // namespace

// The three moves an undo or a redo is made of, replayed from one log entry.
void HuzasAdatbazis::NaplobolTorles(int d) {
    AktRekord = MuvRekord = d;
    Kijeloles(d);
    RekordTorles(d);
}

void HuzasAdatbazis::NaplobolBeszuras(const std::vector<std::int32_t>& e, int d) {
    const int n = HuzasDb();
    NaplobolRekord(e, RekordSzamDb(), Rekord);
    DialogusEredmeny = 1;
    AktRekord = MuvRekord = d;
    if (d <= n) {
        Muvelet = HuzasMuvelet::Beszuras;
        RekordBeszuras(d);
    } else {
        Muvelet = HuzasMuvelet::Bovites;
        RekordBeszuras(n + 1);
    }
    AdatbazisModositas(false);
}

// Puts the logged draw back in row d and keeps the row it replaces in the entry, so the
// opposite step restores that one.
void HuzasAdatbazis::NaplobolCsere(std::vector<std::int32_t>& e, int d) {
    NaplobolRekord(e, RekordSzamDb(), Rekord);
    const auto s = Sor(d - 1);
    std::copy(s.begin(), s.end(), e.begin());
    e[0] = d;
    Muvelet = HuzasMuvelet::Modositas;
    DialogusEredmeny = 1;
    Kijeloles(d);
    RekordBeillesztes();
}

void HuzasAdatbazis::RekordPVissza() {
    if (poz_ <= 0) return;
    auto& e = naplo_[static_cast<std::size_t>(poz_ - 1)];
    const int d = e[0];
    const int n = HuzasDb();
    switch (static_cast<HuzasMuvelet>(e.back())) {
    case HuzasMuvelet::Bovites:
    case HuzasMuvelet::Beszuras:
        if (d >= 1 && d <= n) NaplobolTorles(d);
        break;
    case HuzasMuvelet::Modositas:
        if (d >= 1 && d <= n) NaplobolCsere(e, d);
        break;
    case HuzasMuvelet::Torles:
        if (d >= 1 && d <= n + 1) NaplobolBeszuras(e, d);
        break;
    case HuzasMuvelet::Nincs:
        break;
    }
    --poz_;
    ModositasVege();
}

void HuzasAdatbazis::RekordPMegsem() {
    if (poz_ >= static_cast<int>(naplo_.size())) return;
    ++poz_;
    auto& e = naplo_[static_cast<std::size_t>(poz_ - 1)];
    const int d = e[0];
    const int n = HuzasDb();
    switch (static_cast<HuzasMuvelet>(e.back())) {
    case HuzasMuvelet::Bovites:
    case HuzasMuvelet::Beszuras:
        if (d >= 1 && d <= n + 1) NaplobolBeszuras(e, d);
        break;
    case HuzasMuvelet::Modositas:
        if (d >= 1 && d <= n) NaplobolCsere(e, d);
        break;
    case HuzasMuvelet::Torles:
        if (d >= 1 && d <= n) NaplobolTorles(d);
        break;
    case HuzasMuvelet::Nincs:
        break;
    }
    ModositasVege();
}

void HuzasAdatbazis::BovitesKezdes() {
    Muvelet = HuzasMuvelet::Bovites;
    DialogusEredmeny = 0;
    AktRekord = kijelolt_;
    MuvRekord = HuzasDb() + 1;
    PluszSzamAktiv = jatek_ != 6 || UjHuzasPluszSzammal();
    RekordBeszuras(HuzasDb() + 1);
}

void HuzasAdatbazis::BeszurasKezdes() {
    Muvelet = HuzasMuvelet::Beszuras;
    DialogusEredmeny = 0;
    AktRekord = MuvRekord = std::max(kijelolt_, 1);
    RekordBeszuras(MuvRekord);
}

void HuzasAdatbazis::ModositasKezdes() {
    Muvelet = HuzasMuvelet::Modositas;
    DialogusEredmeny = 0;
    AktRekord = MuvRekord = kijelolt_;
}

bool HuzasAdatbazis::TorlesKezdes(Uzenetek& u) {
    if (kijelolt_ < 1 || !u.FigyelmeztetoKerdes(HuzasTorlesKerdes)) return false;
    Muvelet = HuzasMuvelet::Torles;
    AktRekord = MuvRekord = kijelolt_;
    AdatbazisModositas(true);
    return true;
}

void HuzasAdatbazis::DialogusVege(bool rendben, const Huzas& rekord) {
    Rekord = rekord;
    DialogusEredmeny = rendben ? 1 : 0;
    AdatbazisModositas(true);
}

bool HuzasAdatbazis::UjHuzasPluszSzammal() const {
    if (jatek_ != 6 || Ures()) return true;
    const auto s = Sor(HuzasDb() - 1);
    return !(s[1] > 2007 || (s[1] == 2007 && s[2] >= 29));
}

bool HuzasAdatbazis::PluszSzamosHuzas(int sor) const {
    if (jatek_ != 6 || sor < 1 || sor > HuzasDb()) return true;
    const auto s = Sor(sor - 1);
    return !(s[1] >= 2008 || (s[1] == 2007 && s[2] >= 30));
}

} // namespace varion
