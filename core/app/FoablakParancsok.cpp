#include "app/FoablakParancsok.h"
#include "draws/HuzasAdatbazis.h"

namespace varion {

namespace {

constexpr Menu Fajl = Menu::Fajl, Szamsor = Menu::Szamsor, SzamsorTorles = Menu::SzamsorTorles,
               Feltetelek = Menu::Feltetelek, Bontas = Menu::Bontas,
               BontasNyomtatas = Menu::BontasNyomtatas, Adatbazis = Menu::Adatbazis,
               Peldabontas = Menu::Peldabontas;
constexpr Menu Gyoker = Menu::Db;

constexpr std::array<MenuLeiras, MenuDb> Menuk{{
    {Fajl, "Fájl", Gyoker},
    {Menu::Jatek, "Játék", Fajl},
    {Szamsor, "Számsor", Gyoker},
    {Menu::Szamsorrend, "Számsorrend", Szamsor},
    {SzamsorTorles, "Törlés", Szamsor},
    {Menu::Foszelveny, "Főszelvény", Gyoker},
    {Feltetelek, "Feltételek", Gyoker},
    {Bontas, "Bontás", Gyoker},
    {BontasNyomtatas, "Nyomtatás", Bontas},
    {Adatbazis, "Adatbázis", Gyoker},
    {Menu::Sugo, "Súgó", Gyoker},
    {Peldabontas, "Példabontás", Gyoker},
}};

struct P {
    static constexpr ParancsLeiras L(Parancs p, Menu m, std::string_view f, std::string_view gy,
                                     Kep k, bool gomb, bool bekotve, std::string_view sugo,
                                     bool radio = false, bool rejtett = false) {
        return {p, m, f, gy, k, gomb, radio, bekotve, rejtett, sugo};
    }
};

constexpr std::array<ParancsLeiras, ParancsDb> Parancsok{{
    P::L(Parancs::Otoslotto, Menu::Jatek, "Ötöslottó", "F5", Kep::Nincs, false, true,
         " Ötöslottó (5/90). ", true),
    P::L(Parancs::Hatoslotto, Menu::Jatek, "Hatoslottó", "F6", Kep::Nincs, false, true,
         " Hatoslottó (6/45). ", true),
    P::L(Parancs::Skandinav, Menu::Jatek, "Skandináv lottó", "F7", Kep::Nincs, false, true,
         " Skandináv lottó (7/35). ", true),
    P::L(Parancs::Megnyitas, Fajl, "Megnyitás", "", Kep::Megnyitas, true, true,
         " Számsor vagy bontás megnyitása. "),
    P::L(Parancs::Visszatoltes, Fajl, "Visszatöltés", "", Kep::Visszatoltes, true, true,
         " Nincs visszatöltésre alkalmas állomány. "),
    P::L(Parancs::MentesMaskent, Fajl, "Mentés másként...", "", Kep::Mentes, true, true,
         " Nincs elmentésre váró adat. "),
    P::L(Parancs::Beallitasok, Fajl, "Beállítások...", "", Kep::Beallitasok, true, true,
         " A program beállításai. "),
    P::L(Parancs::Kilepes, Fajl, "Kilépés", "", Kep::Nincs, false, true, " Kilépés a programból. "),
    P::L(Parancs::KijelolesMind, Szamsor, "Kijelölés mind", "Ctrl+M", Kep::Nincs, false, true,
         " Minden szám kijelölése a főszelvényen. "),
    P::L(Parancs::VeletlenSzam, Szamsor, "Véletlen szám", "Ctrl+V", Kep::Nincs, false, true,
         " Egy véletlen szám generálása. "),
    P::L(Parancs::VeletlenSzamok, Szamsor, "Véletlen számok", "Ctrl+W", Kep::VeletlenSzamok, true,
         true, " Kettő vagy több véletlen szám generálása. "),
    P::L(Parancs::SorrendValtozatlan, Menu::Szamsorrend, "Változatlan", "", Kep::Nincs, false, true,
         " A kijelölés sorrendjében. ", true),
    P::L(Parancs::SorrendNovekvo, Menu::Szamsorrend, "Növekvő", "", Kep::Nincs, false, true, "",
         true),
    P::L(Parancs::SorrendCsokkeno, Menu::Szamsorrend, "Csökkenő", "", Kep::Nincs, false, true, "",
         true),
    P::L(Parancs::SorrendVeletlen, Menu::Szamsorrend, "Véletlen", "", Kep::Nincs, false, true,
         " Véletlen számsorrend kialakítása. ", true),
    P::L(Parancs::SzamsorMentes, Szamsor, "Mentés", "", Kep::Nincs, false, true,
         " Nincs elmentésre váró adat. "),
    P::L(Parancs::MindenSzam, SzamsorTorles, "Minden szám", "Ctrl+T", Kep::MindenSzam, true, true,
         " Nincs kijelölt számsor. "),
    P::L(Parancs::BontasSzamai, SzamsorTorles, "Bontás számai", "", Kep::Nincs, false, true,
         " A bontásra kijelölt számok törlése. "),
    P::L(Parancs::FixSzamok, SzamsorTorles, "Fix számok", "", Kep::Nincs, false, true,
         " Nincs kijelölve fix szám. "),
    P::L(Parancs::AllandoSzamok, SzamsorTorles, "Állandó számok", "", Kep::Nincs, false, true,
         " Nincs kijelölve állandó szám. "),
    P::L(Parancs::VeletlenSzamokTorles, SzamsorTorles, "Véletlen számok", "", Kep::Nincs, false,
         true, " Nincs kijelölve véletlen szám. "),
    P::L(Parancs::UjFoszelveny, Menu::Foszelveny, "Új főszelvény", "Ctrl+U", Kep::UjFoszelveny,
         true, true, " Nincs kijelölt számsor. "),
    P::L(Parancs::NormalAlak, Menu::Foszelveny, "Normál alak", "Ctrl+N", Kep::Nincs, false, true,
         " A főszelvény számai. ", true),
    P::L(Parancs::HanyszorHuztak, Menu::Foszelveny, "Hányszor húzták", "", Kep::Nincs, false, true,
         " Hányszor húzták ki az egyes számokat. ", true),
    P::L(Parancs::HanyHuzasOta, Menu::Foszelveny, "Hány húzás óta...", "", Kep::Nincs, false, true,
         " Hány húzás óta nem került elő az egyes szám. ", true),
    P::L(Parancs::SzamokSorrendje, Menu::Foszelveny, "Számok sorrendje", "Ctrl+S", Kep::Nincs,
         false, true, " A kijelölt számok sorrendje. ", true),
    P::L(Parancs::HuzasokSzama, Menu::Foszelveny, "Húzások száma", "Ctrl+H", Kep::Nincs, false,
         true, " A statisztika húzásainak tartománya. "),
    P::L(Parancs::Zarol, Menu::Foszelveny, "Zárol", "F9", Kep::Zarol, true, true,
         " Nincs kijelölt számsor. "),
    P::L(Parancs::FeltKijeloles, Feltetelek, "Kijelölés", "Ctrl+F", Kep::Feltetelek, true, true,
         " Nincs kijelölt számsor, nem jelölhető ki feltétel. "),
    P::L(Parancs::FeltTorles, Feltetelek, "Törlés", "", Kep::Nincs, false, true,
         " Feltételek törlése. "),
    P::L(Parancs::Start, Bontas, "Start", "Ctrl+B", Kep::Start, true, true,
         " Nincs kijelölt számsor, nem készíthető bontás. "),
    P::L(Parancs::Informaciok, Bontas, "Információk...", "Ctrl+I", Kep::Informaciok, true, true,
         " A bontás adatai. "),
    P::L(Parancs::Ellenorzes, Bontas, "Ellenőrzés", "Ctrl+E", Kep::Ellenorzes, true, true,
         " A bontás ellenőrzése a húzásokkal. "),
    P::L(Parancs::Modositas, Bontas, "Módosítás", "Ctrl+Alt+M", Kep::Modositas, true, true,
         " A bontás módosítása. "),
    P::L(Parancs::BontListazas, Bontas, "Listázás", "Ctrl+L", Kep::BontListazas, true, true,
         " A bontás listája. "),
    P::L(Parancs::BontMentes, Bontas, "Mentés", "", Kep::Nincs, false, true, " A bontás mentése. "),
    P::L(Parancs::Nyomtatas, BontasNyomtatas, "Nyomtatás...", "Ctrl+P", Kep::Nincs, false, true,
         " A bontás listájának nyomtatása. "),
    P::L(Parancs::SzelvenyekKitoltese, BontasNyomtatas, "Szelvények kitöltése", "", Kep::Nincs,
         false, true, " A bontás nyomtatása lottószelvényekre. "),
    P::L(Parancs::BontTorles, Bontas, "Törlés", "", Kep::Nincs, false, true, " A bontás törlése. "),
    P::L(Parancs::AdbListazas, Adatbazis, "Listázás", "Ctrl+A", Kep::AdbListazas, true, true,
         " Lottóhúzások adatbázisának listája. "),
    P::L(Parancs::Kereses, Adatbazis, "Keresés...", "Ctrl+K", Kep::Kereses, true, true,
         " Számsor keresése a húzások között. "),
    P::L(Parancs::AdbHuzasokSzama, Adatbazis, "Húzások száma", "Ctrl+Alt+H", Kep::Nincs, false,
         true, " A keresés húzásainak tartománya. "),
    P::L(Parancs::AdbMentes, Adatbazis, "Mentés", "", Kep::Nincs, false, true,
         " Nincs elmentésre váró adat. "),
    P::L(Parancs::AdbNyomtatas, Adatbazis, "Nyomtatás...", "Ctrl+Alt+P", Kep::Nincs, false, true,
         " A húzások listájának nyomtatása. "),
    P::L(Parancs::Szerencsejatek, Adatbazis, "Szerencsejáték Rt.", "", Kep::Nincs, false, false, "",
         false, true),
    P::L(Parancs::Temakorok, Menu::Sugo, "Témakörök", "F1", Kep::Sugo, true, true,
         " A Súgó témakörei. "),
    P::L(Parancs::Honlap, Menu::Sugo, "A Varion honlapja", "", Kep::Nincs, false, false,
         " A Varion program honlapja. "),
    P::L(Parancs::Nevjegy, Menu::Sugo, "Névjegy", "", Kep::Nincs, false, true,
         " A Varion program névjegye. "),
    P::L(Parancs::LottohuzasokAlapjan, Peldabontas, "Lottóhúzások alapján", "", Kep::PeldaHuzasok,
         true, true, " Példabontás készítése lottóhúzások alapján. "),
    P::L(Parancs::VeletlenSzamokkal, Peldabontas, "Véletlen számokkal", "", Kep::PeldaVeletlen,
         true, true, " Példabontás készítése véletlen számokkal. "),
    P::L(Parancs::SajatSzamokkal, Peldabontas, "Saját számokkal", "", Kep::PeldaSajat, true, true,
         " Példabontás készítése saját számok alapján. "),
}};

constexpr bool TablaRendben() {
    for (std::size_t i = 0; i < ParancsDb; ++i)
        if (static_cast<std::size_t>(Parancsok[i].Azonosito) != i) return false;
    for (std::size_t i = 0; i < MenuDb; ++i)
        if (static_cast<std::size_t>(Menuk[i].Azonosito) != i) return false;
    return true;
}
static_assert(TablaRendben(), "the tables follow the order of their enums");

} // namespace

const std::array<MenuLeiras, MenuDb>& MenuTabla() {
    return Menuk;
}
const std::array<ParancsLeiras, ParancsDb>& ParancsTabla() {
    return Parancsok;
}
const ParancsLeiras& ParancsAdat(Parancs p) {
    return Parancsok[static_cast<std::size_t>(p)];
}
const MenuLeiras& MenuAdat(Menu m) {
    return Menuk[static_cast<std::size_t>(m)];
}

namespace {

Parancs FoablakParancs(SzelvParancs p) {
    switch (p) {
    case SzelvParancs::KijelolesMind:
        return Parancs::KijelolesMind;
    case SzelvParancs::VeletlenSzam:
        return Parancs::VeletlenSzam;
    case SzelvParancs::VeletlenSzamok:
        return Parancs::VeletlenSzamok;
    case SzelvParancs::MindenSzam:
        return Parancs::MindenSzam;
    case SzelvParancs::BontasSzamai:
        return Parancs::BontasSzamai;
    case SzelvParancs::FixSzamok:
        return Parancs::FixSzamok;
    case SzelvParancs::AllandoSzamok:
        return Parancs::AllandoSzamok;
    case SzelvParancs::VeletlenSzamokTorles:
        return Parancs::VeletlenSzamokTorles;
    case SzelvParancs::UjFoszelveny:
        return Parancs::UjFoszelveny;
    case SzelvParancs::NormalAlak:
        return Parancs::NormalAlak;
    case SzelvParancs::HanyszorHuztak:
        return Parancs::HanyszorHuztak;
    case SzelvParancs::HanyHuzasOta:
        return Parancs::HanyHuzasOta;
    case SzelvParancs::SzamokSorrendje:
        return Parancs::SzamokSorrendje;
    case SzelvParancs::Zarol:
        return Parancs::Zarol;
    case SzelvParancs::SajatSzamokkal:
        return Parancs::SajatSzamokkal;
    }
    return Parancs::Zarol;
}

Menu FoablakMenu(SzelvMenu m) {
    switch (m) {
    case SzelvMenu::Jatek:
        return Menu::Jatek;
    case SzelvMenu::Szamsor:
        return Menu::Szamsor;
    case SzelvMenu::SzamsorTorles:
        return Menu::SzamsorTorles;
    }
    return Menu::Szamsor;
}

} // namespace

void FoablakAllapot::Beallit(SzelvParancs p, bool engedelyezve, std::string_view sugo) {
    Beallit(FoablakParancs(p), engedelyezve, sugo);
}

void FoablakAllapot::Engedelyez(SzelvParancs p, bool engedelyezve) {
    (*this)[FoablakParancs(p)].Engedelyezve = engedelyezve;
}

void FoablakAllapot::Kijelol(SzelvParancs p) {
    Kijelol(FoablakParancs(p));
}

void FoablakAllapot::ZarolasFelirat(bool zarolt) {
    auto& z = (*this)[Parancs::Zarol];
    z.Felirat = zarolt ? "Felold" : "Zárol";
    z.Kepe = zarolt ? Kep::Felold : Kep::Zarol;
}

void FoablakAllapot::MenuEngedelyez(SzelvMenu m, bool engedelyezve) {
    (*this)[FoablakMenu(m)].Engedelyezve = engedelyezve;
}

void FoablakAllapot::MenuBeallit(SzelvMenu m, bool engedelyezve, std::string_view sugo) {
    (*this)[FoablakMenu(m)] = {engedelyezve, std::string(sugo)};
}

FoablakAllapot::FoablakAllapot() {
    for (const auto& l : Parancsok) {
        auto& a = (*this)[l.Azonosito];
        a.Felirat = l.Felirat;
        a.Sugo = l.Sugo;
        a.Kepe = l.Kepe;
        a.Lathato = !l.Rejtett;
    }
    (*this)[Menu::Jatek].Sugo = " Lottójátékok. ";
    Kijelol(Parancs::SorrendValtozatlan);
    Kijelol(Parancs::NormalAlak);
}

void FoablakAllapot::Beallit(Parancs p, bool engedelyezve, std::string_view sugo) {
    auto& a = (*this)[p];
    a.Engedelyezve = engedelyezve;
    a.Sugo = sugo;
}

bool FoablakAllapot::Hasznalhato(Parancs p) const {
    const auto& l = ParancsAdat(p);
    if (!l.Bekotve || !(*this)[p].Engedelyezve || !(*this)[p].Lathato) return false;
    for (Menu m = l.Helye; m != Menu::Db; m = MenuAdat(m).Szulo)
        if (!(*this)[m].Engedelyezve) return false;
    return true;
}

void FoablakAllapot::Kijelol(Parancs p) {
    const Menu helye = ParancsAdat(p).Helye;
    for (const auto& l : Parancsok)
        if (l.Radio && l.Helye == helye) (*this)[l.Azonosito].Bejelolve = l.Azonosito == p;
}

void FoablakAllapot::FeltMenuAll(bool be, bool vanBontas) {
    (*this)[Menu::Feltetelek].Engedelyezve = be;
    const std::string_view mentes =
        be ? " Számsor és/vagy bontás mentése. " : " Nincs elmentésre váró adat. ";
    Beallit(Parancs::MentesMaskent, be, mentes);
    Beallit(Parancs::FeltKijeloles, be,
            be ? " Feltételek kijelölése. "
               : " Nincs kijelölt számsor, nem jelölhető ki feltétel. ");
    Beallit(Parancs::SzamsorMentes, be, be ? " Számsor és feltételek mentése. " : mentes);
    BontMenuAll(be, vanBontas);
}

void FoablakAllapot::BontMenuAll(bool be, bool vanBontas) {
    (*this)[Menu::Bontas].Engedelyezve = be;
    Beallit(Parancs::Start, be,
            be ? " Bontás készítése. "
               : (vanBontas ? " A bontás elkészült. "
                            : " Nincs kijelölt számsor, nem készíthető bontás. "));
}

void FoablakAllapot::VanNincsBontas(bool van, std::optional<bool> szamsorKesz) {
    if (van) {
        (*this)[Menu::Bontas].Engedelyezve = true;
        Beallit(Parancs::Start, false, " A bontás elkészült. ");
    } else if (szamsorKesz) {
        BontMenuAll(*szamsorKesz, false);
    }
    static constexpr std::array<std::pair<Parancs, std::string_view>, 6> sugok{{
        {Parancs::Informaciok, " Információk a bontásról. "},
        {Parancs::Ellenorzes, " Bontás ellenőrzése. "},
        {Parancs::BontListazas, " Bontás listája. "},
        {Parancs::Modositas, " Feltételek módosítása, az aktuális bontás listájának törlése. "},
        {Parancs::BontMentes, " Bontás mentése. "},
        {Parancs::BontTorles, " Az aktuális bontás listájának törlése. "},
    }};
    for (const auto& [p, sugo] : sugok) Beallit(p, van, van ? sugo : " Nincs kész bontás. ");
    for (Parancs p : {Parancs::Nyomtatas, Parancs::SzelvenyekKitoltese})
        Beallit(p, van, van ? ParancsAdat(p).Sugo : " Nincs kész bontás. ");
    (*this)[Menu::BontasNyomtatas].Engedelyezve = van;
}

void FoablakAllapot::FeltetelListazas(bool listazas) {
    auto& a = (*this)[Parancs::FeltKijeloles];
    a.Felirat = listazas ? "Listázás" : ParancsAdat(Parancs::FeltKijeloles).Felirat;
    a.Kepe = Kep::Feltetelek;
    if (listazas)
        a.Sugo = " Beállított feltételek listája, feltételek módosítása.";
    else if (a.Engedelyezve)
        a.Sugo = " Feltételek kijelölése. ";
}

void FoablakAllapot::VanAdatbazisAction() {
    Beallit(Parancs::AdbMentes, false, " Nincs elmentésre váró adat. ");
    (*this)[Menu::Adatbazis].Engedelyezve = true;
    Beallit(Parancs::AdbListazas, true, " Lottóhúzások adatbázisának listája. ");
    (*this)[Parancs::Kereses].Engedelyezve = true;
    (*this)[Parancs::HuzasokSzama].Engedelyezve = true;
    (*this)[Parancs::HanyszorHuztak].Engedelyezve = true;
    (*this)[Parancs::HanyHuzasOta].Engedelyezve = true;
    // "Normál alak" and "Lottóhúzások alapján" come back with the draw file too: without
    // that, one game without draws would leave them disabled for every game after it.
    (*this)[Parancs::NormalAlak].Engedelyezve = true;
    Beallit(Parancs::LottohuzasokAlapjan, true, ParancsAdat(Parancs::LottohuzasokAlapjan).Sugo);
}

void FoablakAllapot::NincsAdatbazisAction() {
    (*this)[Menu::Adatbazis].Engedelyezve = false;
    Beallit(Parancs::AdbListazas, false, " Hiányzik a lottóhúzások adatbázisa! ");
    const std::string sugo = (*this)[Parancs::AdbListazas].Sugo;
    (*this)[Parancs::Kereses].Engedelyezve = false;
    for (Parancs p : {Parancs::HuzasokSzama, Parancs::HanyszorHuztak, Parancs::HanyHuzasOta,
                      Parancs::NormalAlak})
        (*this)[p].Engedelyezve = false;
    Beallit(Parancs::LottohuzasokAlapjan, false, sugo);
}

void FoablakAllapot::SajatSzamokSugo(int jatek) {
    (*this)[Parancs::SajatSzamokkal].Sugo = SajatSzamokSugoSzoveg(jatek);
}

} // namespace varion
