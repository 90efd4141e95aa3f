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

std::filesystem::path BakFajl(const std::filesystem::path& fajl) {
    auto b = fajl;
    b += ".bak";
    return b;
}

std::string_view HuzasHiba(int jatek, std::int32_t ev, std::int32_t het,
                           std::span<const std::int32_t> szamok) {
    if (ev < ElsoHuzasEv || ev > UtolsoHuzasEv) return "érvénytelen év";
    if (het < 1 || het > 53) return "érvénytelen hét";
    const int maxSzam = MaxSzamJatek(jatek);
    const std::size_t sorHossz = static_cast<std::size_t>(jatek);
    if (szamok.size() < static_cast<std::size_t>(RekordSzamDbJatek(jatek)))
        return "hiányos számsor";
    for (std::size_t kezd = 0; kezd + sorHossz <= szamok.size(); kezd += sorHossz) {
        const auto sor = szamok.subspan(kezd, sorHossz);
        for (std::size_t i = 0; i < sor.size(); ++i) {
            if (sor[i] < 1 || sor[i] > maxSzam) return "érvénytelen szám";
            if (std::find(sor.begin(), sor.begin() + static_cast<std::ptrdiff_t>(i), sor[i]) !=
                sor.begin() + static_cast<std::ptrdiff_t>(i))
                return "ismétlődő szám";
        }
    }
    if (jatek == 6) {
        const std::int32_t plusz = szamok[6];
        if (plusz < 0 || plusz > maxSzam) return "érvénytelen plusz szám";
        if (plusz > 0 && std::find(szamok.begin(), szamok.begin() + 6, plusz) != szamok.begin() + 6)
            return "a plusz szám a hat szám között van";
    }
    return {};
}

std::string_view HuzasHiba(int jatek, const Huzas& h) {
    std::array<std::int32_t, MaxRekordSzamDb> sz{};
    for (std::size_t k = 0; k < sz.size(); ++k) sz[k] = h.Szamok[k];
    return HuzasHiba(jatek, h.Ev, h.Het,
                     std::span<const std::int32_t>(sz).first(
                         static_cast<std::size_t>(RekordSzamDbJatek(jatek))));
}

HuzasAdatbazis::HuzasAdatbazis(int jatek) : jatek_(JatekAdat(jatek).Jatek) {}

void HuzasAdatbazis::TartomanyokAlaphelyzet() {
    ++valtozat_;
    if (tartomanyok_) tartomanyok_->MindenHuzas(HuzasDb());
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
    folyamatban_ = false;
    AdatbazisModositva = false;
    figyelmeztetes_.clear();
    bakKell_ = false;
    TartomanyokAlaphelyzet();
}

namespace {

// The warning of a load that left something out.
std::string Figyelmeztetes(const std::vector<std::pair<int, std::string_view>>& serultek,
                           std::size_t maradek, const std::string& fajlNev) {
    std::string s;
    if (!serultek.empty()) {
        s += "A lottóhúzások adatbázisában sérült húzások vannak, ezek kimaradtak:\r";
        constexpr std::size_t Lista = 10;
        for (std::size_t i = 0; i < serultek.size() && i < Lista; ++i)
            s += "   " + std::to_string(serultek[i].first) +
                 ". húzás: " + std::string(serultek[i].second) + "\r";
        if (serultek.size() > Lista)
            s += "   és további " + std::to_string(serultek.size() - Lista) + " húzás\r";
    }
    if (maradek > 0)
        s += "Az adatbázis állományának végén " + std::to_string(maradek) +
             " bájt nem alkot teljes húzást, ezek kimaradtak.\r";
    s += "\rAz eredeti állomány az első mentéskor " + fajlNev + " néven megmarad.";
    return s;
}

} // namespace

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

bool HuzasAdatbazis::Beolvasas(std::span<const std::uint8_t> adat, int jatek) {
    if (!ErvenyesJatek(jatek) || adat.size() < HuzasFejlecMeret) return false;
    const int szamDb = RekordSzamDbJatek(jatek);
    const std::size_t db = (adat.size() - HuzasFejlecMeret) / HuzasRekordMeret;
    const std::size_t maradek = (adat.size() - HuzasFejlecMeret) % HuzasRekordMeret;
    std::vector<std::int32_t> uj;
    uj.reserve(db * static_cast<std::size_t>(3 + szamDb));
    std::vector<std::pair<int, std::string_view>> serultek;
    io::Olvaso o(adat);
    o.Atugras(HuzasFejlecMeret);
    std::array<std::int32_t, MaxRekordSzamDb> szamok{};
    for (std::size_t i = 0; i < db; ++i) {
        std::int32_t tartalek = 0, sorszam = 0;
        std::int16_t ev16 = 0;
        std::uint8_t het = 0;
        std::array<std::uint8_t, HuzasRekordMeret - 11> maradekBajt{};
        o.Int32(tartalek);
        o.Int32(sorszam);
        o.Int16(ev16);
        o.Byte(het);
        o.Bajtok(maradekBajt);
        if (o.Hibas()) return false;
        const std::int32_t ev = static_cast<std::uint16_t>(ev16);
        for (int k = 0; k < szamDb; ++k)
            szamok[static_cast<std::size_t>(k)] = maradekBajt[static_cast<std::size_t>(k)];
        const auto sz =
            std::span<const std::int32_t>(szamok).first(static_cast<std::size_t>(szamDb));
        // A damaged draw never reaches the statistics or the conditions; the warning names
        // it by its place in the file.
        if (const auto hiba = HuzasHiba(jatek, ev, het, sz); !hiba.empty()) {
            serultek.emplace_back(static_cast<int>(i + 1), hiba);
            continue;
        }
        // Draw numbers are positions, whatever the file held: rows left out close up, and
        // the writer stores positions too, so a table read back equals the one written.
        uj.push_back(static_cast<std::int32_t>(uj.size() / static_cast<std::size_t>(3 + szamDb)) +
                     1);
        uj.push_back(ev);
        uj.push_back(het);
        uj.insert(uj.end(), sz.begin(), sz.end());
    }
    jatek_ = jatek;
    tomb_ = std::move(uj);
    naplo_.clear();
    poz_ = 0;
    kijelolt_ = HuzasDb() > 0 ? 1 : 0;
    // A dialog still open on the old table has no row here to finish.
    folyamatban_ = false;
    AdatbazisModositva = false;
    bakKell_ = !serultek.empty() || maradek > 0;
    figyelmeztetes_ = bakKell_ ? Figyelmeztetes(serultek, maradek,
                                                BakFajl(AdatbazisFajl(jatek)).filename().string())
                               : std::string();
    TartomanyokAlaphelyzet();
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
    const bool olvasva = adat.has_value();
    // Damaged records are left out with a warning; only a file without its header fails.
    if (!olvasva || !Beolvasas(*adat, JatekAdat(jatek).Jatek)) {
        u.HibaUzenet(AdatbazisSerultSzoveg(fajl, olvasva ? std::optional<int>(0) : std::nullopt));
        if (JatekAdat(jatek).Jatek != jatek_) UjJatek(jatek);
        return BetoltesEredmeny::Hiba;
    }
    if (!figyelmeztetes_.empty()) u.Figyelmeztetes(figyelmeztetes_);
    return BetoltesEredmeny::Rendben;
}

std::optional<std::vector<std::uint8_t>> HuzasAdatbazis::Kodolas(const ProgramVerzio& verzio,
                                                                 int* hibas) const {
    for (int i = 0; i < HuzasDb(); ++i) {
        const auto s = Sor(i);
        if (!HuzasHiba(jatek_, s[1], s[2], s.subspan(3)).empty()) {
            if (hibas) *hibas = i + 1;
            return std::nullopt;
        }
    }
    io::Iro iro;
    const auto fejlec = VerzioFejlec(verzio);
    iro.Bajtok(fejlec);
    for (int i = 0; i < HuzasDb(); ++i) {
        const auto s = Sor(i);
        iro.Int32(0);
        iro.Int32(i + 1); // positions, whatever an older file held
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
    const auto adat = Kodolas(verzio);
    std::error_code ec;
    // What the loaded file held beyond the table is kept once, before it is replaced.
    const bool bakRendben =
        !bakKell_ || !std::filesystem::exists(fajl, ec) ||
        std::filesystem::copy_file(fajl, BakFajl(fajl),
                                   std::filesystem::copy_options::overwrite_existing, ec);
    if (!adat || !bakRendben || !io::BiztosMentes(fajl, *adat, hibaUtan)) {
        u.HibaUzenet(AdatbazisIrasHibaSzoveg);
        return false;
    }
    bakKell_ = false;
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

bool HuzasAdatbazis::Hozzaadas(std::span<const Huzas> huzasok) {
    for (const Huzas& h : huzasok)
        if (!HuzasHiba(jatek_, h).empty()) return false;
    if (huzasok.empty()) return true;
    bool elso = true;
    for (const Huzas& h : huzasok) {
        tomb_.push_back(HuzasDb() + 1);
        tomb_.push_back(h.Ev);
        tomb_.push_back(h.Het);
        for (int k = 0; k < RekordSzamDb(); ++k)
            tomb_.push_back(h.Szamok[static_cast<std::size_t>(k)]);
        Muvelet = elso ? HuzasMuvelet::Bovites : HuzasMuvelet::ImportFolytatas;
        RekordPMentes(HuzasDb());
        elso = false;
    }
    Muvelet = HuzasMuvelet::Nincs;
    mentesSugo_ = MentesSugoModositott;
    ModositasVege();
    return true;
}

// --- editing ---

void HuzasAdatbazis::Kijeloles(int sor) {
    kijelolt_ = std::clamp(sor, HuzasDb() > 0 ? 1 : 0, HuzasDb());
}

void HuzasAdatbazis::CellaKijeloles(int sor) {
    Kijeloles(sor);
    if (!folyamatban_) PluszSzamAktiv = PluszSzamosHuzas(kijelolt_);
}

void HuzasAdatbazis::ModositasVege() {
    AdatbazisModositva = true;
    TartomanyokAlaphelyzet();
}

void HuzasAdatbazis::RekordBeszuras(int p) {
    const int n = HuzasDb();
    if (p < 1 || p > n + 1) return;
    const auto hely =
        tomb_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(p - 1) * OszlopSz());
    tomb_.insert(hely, OszlopSz(), 0);
    ++valtozat_;
    for (int i = p; i <= n; ++i) SorIr(i)[0] = i + 1;
    kijelolt_ = p;
}

void HuzasAdatbazis::RekordTorles(int p) {
    const int n = HuzasDb();
    if (p < 1 || p > n) return;
    const auto hely =
        tomb_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(p - 1) * OszlopSz());
    tomb_.erase(hely, hely + static_cast<std::ptrdiff_t>(OszlopSz()));
    ++valtozat_;
    for (int i = p - 1; i < n - 1; ++i) SorIr(i)[0] = i + 1;
    Kijeloles(AktRekord > n - 1 ? AktRekord - 1 : AktRekord);
}

void HuzasAdatbazis::RekordBeSorba(int sor) {
    std::int32_t* s = SorIr(sor - 1);
    ++valtozat_;
    s[0] = sor;
    s[1] = Rekord.Ev;
    s[2] = Rekord.Het;
    for (int k = 0; k < RekordSzamDb(); ++k) s[3 + k] = Rekord.Szamok[static_cast<std::size_t>(k)];
}

bool HuzasAdatbazis::RekordBeillesztes() {
    if (kijelolt_ < 1 || kijelolt_ > HuzasDb() || !HuzasHiba(jatek_, Rekord).empty()) return false;
    RekordBeSorba(kijelolt_);
    mentesSugo_ = MentesSugoModositott;
    AdatbazisModositva = true;
    return true;
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
        if (DialogusEredmeny == 1 && RekordBeillesztes()) {
            if (naplozva) RekordPMentes(HuzasDb());
        } else {
            RekordTorles(MuvRekord);
        }
        break;
    case HuzasMuvelet::Modositas:
        if (DialogusEredmeny == 1 && HuzasHiba(jatek_, Rekord).empty()) {
            if (naplozva) RekordPMentes(kijelolt_);
            RekordBeillesztes();
        }
        break;
    case HuzasMuvelet::Beszuras:
        if (DialogusEredmeny == 1 && RekordBeillesztes()) {
            if (naplozva) RekordPMentes(kijelolt_);
        } else {
            RekordTorles(MuvRekord);
        }
        break;
    case HuzasMuvelet::Torles:
        if (kijelolt_ < 1 || kijelolt_ > HuzasDb()) break;
        RekordPMentes(kijelolt_);
        RekordTorles(kijelolt_);
        mentesSugo_ = MentesSugoTorles;
        AdatbazisModositva = true;
        break;
    case HuzasMuvelet::Nincs:
    case HuzasMuvelet::ImportFolytatas:
        break;
    }
    TartomanyokAlaphelyzet();
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

bool HuzasAdatbazis::Visszavon1() {
    auto& e = naplo_[static_cast<std::size_t>(poz_ - 1)];
    const int d = e[0];
    const int n = HuzasDb();
    const auto kod = static_cast<HuzasMuvelet>(e.back());
    switch (kod) {
    case HuzasMuvelet::Bovites:
    case HuzasMuvelet::Beszuras:
    case HuzasMuvelet::ImportFolytatas:
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
    return kod == HuzasMuvelet::ImportFolytatas;
}

void HuzasAdatbazis::RekordPVissza() {
    if (poz_ <= 0) return;
    // An import goes back whole: its joined entries and the append that opened it.
    while (Visszavon1() && poz_ > 0) {
    }
    ModositasVege();
}

bool HuzasAdatbazis::Ujra1() {
    ++poz_;
    auto& e = naplo_[static_cast<std::size_t>(poz_ - 1)];
    const int d = e[0];
    const int n = HuzasDb();
    switch (static_cast<HuzasMuvelet>(e.back())) {
    case HuzasMuvelet::Bovites:
    case HuzasMuvelet::Beszuras:
    case HuzasMuvelet::ImportFolytatas:
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
    return poz_ < static_cast<int>(naplo_.size()) &&
           static_cast<HuzasMuvelet>(naplo_[static_cast<std::size_t>(poz_)].back()) ==
               HuzasMuvelet::ImportFolytatas;
}

void HuzasAdatbazis::RekordPMegsem() {
    if (poz_ >= static_cast<int>(naplo_.size())) return;
    while (Ujra1()) {
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
    folyamatban_ = true;
}

void HuzasAdatbazis::BeszurasKezdes() {
    Muvelet = HuzasMuvelet::Beszuras;
    DialogusEredmeny = 0;
    AktRekord = MuvRekord = std::max(kijelolt_, 1);
    RekordBeszuras(MuvRekord);
    folyamatban_ = true;
}

void HuzasAdatbazis::ModositasKezdes() {
    Muvelet = HuzasMuvelet::Modositas;
    DialogusEredmeny = 0;
    AktRekord = MuvRekord = kijelolt_;
    folyamatban_ = true;
}

bool HuzasAdatbazis::TorlesKezdes(Uzenetek& u) {
    if (kijelolt_ < 1 || !u.FigyelmeztetoKerdes(HuzasTorlesKerdes)) return false;
    Muvelet = HuzasMuvelet::Torles;
    AktRekord = MuvRekord = kijelolt_;
    AdatbazisModositas(true);
    return true;
}

bool HuzasAdatbazis::DialogusVege(bool rendben, const Huzas& rekord) {
    if (!folyamatban_) return false;
    folyamatban_ = false;
    Rekord = rekord;
    const bool jo = rendben && HuzasHiba(jatek_, rekord).empty();
    DialogusEredmeny = jo ? 1 : 0;
    AdatbazisModositas(true);
    return jo || !rendben;
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
