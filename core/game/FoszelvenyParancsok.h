// The main window's commands that follow the main ticket. The ticket decides their state
// (enabled, hint, tick); the main window owns and shows them. The ticket sees only this.
#pragma once

#include <string>
#include <string_view>

namespace varion {

enum class SzelvParancs : int {
    KijelolesMind,
    VeletlenSzam,
    VeletlenSzamok,
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
    Zarol,
    SajatSzamokkal,
};

enum class SzelvMenu : int { Jatek, Szamsor, SzamsorTorles };

class FoszelvenyParancsok {
public:
    virtual void Beallit(SzelvParancs p, bool engedelyezve, std::string_view sugo) = 0;
    virtual void Engedelyez(SzelvParancs p, bool engedelyezve) = 0;
    // Ticks one view of the radio group and unticks the others.
    virtual void Kijelol(SzelvParancs p) = 0;
    // "Zárol" becomes "Felold" (with its picture) on a locked ticket, and back.
    virtual void ZarolasFelirat(bool zarolt) = 0;
    virtual void MenuEngedelyez(SzelvMenu m, bool engedelyezve) = 0;
    virtual void MenuBeallit(SzelvMenu m, bool engedelyezve, std::string_view sugo) = 0;
    // The "Feltételek" and "Bontás" menus: open once the ticket has enough numbers.
    virtual void FeltMenuAll(bool be, bool vanBontas) = 0;

protected:
    ~FoszelvenyParancsok() = default;
};

// The hint of "Saját számokkal" while the ticket is not ready for it; it names the game.
std::string SajatSzamokSugoSzoveg(int jatek);

} // namespace varion
