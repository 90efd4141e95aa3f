// The main window's commands: the menus, every item with its caption, shortcut, picture and
// first hint, and the live state (enabled, caption, picture, hint, tick) that the rules of
// the program change and the window shows. A menu item and its toolbar button share one
// state, so they cannot drift apart.
#pragma once

#include <optional>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "game/FoszelvenyParancsok.h"

namespace varion {

enum class Menu : int {
    Fajl,
    Jatek,
    Szamsor,
    Szamsorrend,
    SzamsorTorles,
    Foszelveny,
    Feltetelek,
    Bontas,
    BontasNyomtatas,
    Adatbazis,
    Sugo,
    Peldabontas,
    Db
};

enum class Parancs : int {
    Otoslotto,
    Hatoslotto,
    Skandinav,
    Megnyitas,
    Visszatoltes,
    MentesMaskent,
    Beallitasok,
    Kilepes,
    KijelolesMind,
    VeletlenSzam,
    VeletlenSzamok,
    SorrendValtozatlan,
    SorrendNovekvo,
    SorrendCsokkeno,
    SorrendVeletlen,
    SzamsorMentes,
    MindenSzam,
    BontasSzamai,
    FixSzamok,
    AllandoSzamok,
    VeletlenSzamokTorles,
    UjFoszelveny,
    NormalAlak,
    HanyszorHuztak,
    HanyHuzasOta,
    SzamokSorrendje,
    HuzasokSzama,
    Zarol,
    FeltKijeloles,
    FeltTorles,
    Start,
    Informaciok,
    Ellenorzes,
    Modositas,
    BontListazas,
    BontMentes,
    Nyomtatas,
    SzelvenyekKitoltese,
    BontTorles,
    AdbListazas,
    Kereses,
    AdbHuzasokSzama,
    AdbMentes,
    AdbNyomtatas,
    Szerencsejatek,
    Temakorok,
    Honlap,
    Nevjegy,
    LottohuzasokAlapjan,
    VeletlenSzamokkal,
    SajatSzamokkal,
    Db
};

inline constexpr std::size_t MenuDb = static_cast<std::size_t>(Menu::Db);
inline constexpr std::size_t ParancsDb = static_cast<std::size_t>(Parancs::Db);

// Pictures of our own icon set; Sugo2 is the help button under the mouse.
enum class Kep : int {
    Nincs,
    Megnyitas,
    Visszatoltes,
    Mentes,
    Beallitasok,
    VeletlenSzamok,
    MindenSzam,
    UjFoszelveny,
    Zarol,
    Felold,
    Feltetelek,
    Start,
    Informaciok,
    Ellenorzes,
    Modositas,
    BontListazas,
    AdbListazas,
    Kereses,
    Sugo,
    SugoKiemelt,
    PeldaHuzasok,
    PeldaVeletlen,
    PeldaSajat,
};

struct MenuLeiras {
    Menu Azonosito;
    std::string_view Felirat;
    Menu Szulo; // Menu::Db for a top-level menu
};

struct ParancsLeiras {
    Parancs Azonosito;
    Menu Helye;
    std::string_view Felirat;
    std::string_view Gyorsbillentyu; // as "Ctrl+Alt+M", empty when none
    Kep Kepe;
    bool Gomb;    // also on the toolbar
    bool Radio;   // ticked item of a radio group
    bool Bekotve; // its work is done by a window that exists now
    bool Rejtett; // never shown in the menu
    std::string_view Sugo;
};

const std::array<MenuLeiras, MenuDb>& MenuTabla();
const std::array<ParancsLeiras, ParancsDb>& ParancsTabla();
const ParancsLeiras& ParancsAdat(Parancs p);
const MenuLeiras& MenuAdat(Menu m);

struct ParancsAllapot {
    bool Engedelyezve = true;
    bool Bejelolve = false;
    bool Lathato = true;
    std::string Felirat;
    std::string Sugo;
    Kep Kepe = Kep::Nincs;
};

struct MenuAllapot {
    bool Engedelyezve = true;
    std::string Sugo;
};

// The live state of every command and menu of the main window.
class FoablakAllapot final : public FoszelvenyParancsok {
public:
    FoablakAllapot(); // every command as the table gives it

    ParancsAllapot& operator[](Parancs p) { return parancsok_[static_cast<std::size_t>(p)]; }
    const ParancsAllapot& operator[](Parancs p) const {
        return parancsok_[static_cast<std::size_t>(p)];
    }
    MenuAllapot& operator[](Menu m) { return menuk_[static_cast<std::size_t>(m)]; }
    const MenuAllapot& operator[](Menu m) const { return menuk_[static_cast<std::size_t>(m)]; }

    void Beallit(Parancs p, bool engedelyezve, std::string_view sugo);

    // Whether the player can use the command now: the item, every menu above it and the
    // window that does the work.
    bool Hasznalhato(Parancs p) const;

    // Ticks one item of a radio group and unticks the others of its menu.
    void Kijelol(Parancs p);

    // The "Feltételek" menu and what goes with it; ends by BontMenuAll.
    void FeltMenuAll(bool be, bool vanBontas) override;
    // The "Bontás" menu and "Start".
    void BontMenuAll(bool be, bool vanBontas);
    // The commands that need a finished breakdown, with their hints.
    // Without a breakdown, `szamsorKesz` (the ticket holds a breakdown-sized row) gives
    // "Start" back its state; nothing leaves it as it is.
    void VanNincsBontas(bool van, std::optional<bool> szamsorKesz = std::nullopt);
    // The conditions command lists the conditions of a finished breakdown, or marks anew.
    void FeltetelListazas(bool listazas);
    // The draw file of the current game was found and loaded / is missing.
    void VanAdatbazisAction();
    void NincsAdatbazisAction();
    // The hint of "Saját számokkal" that names the game.
    void SajatSzamokSugo(int jatek);

    // The main ticket's view of these commands.
    void Beallit(SzelvParancs p, bool engedelyezve, std::string_view sugo) override;
    void Engedelyez(SzelvParancs p, bool engedelyezve) override;
    void Kijelol(SzelvParancs p) override;
    void ZarolasFelirat(bool zarolt) override;
    void MenuEngedelyez(SzelvMenu m, bool engedelyezve) override;
    void MenuBeallit(SzelvMenu m, bool engedelyezve, std::string_view sugo) override;

private:
    std::array<ParancsAllapot, ParancsDb> parancsok_;
    std::array<MenuAllapot, MenuDb> menuk_;
};

} // namespace varion
