// The four rows of the main ticket, the order mode and the saved flag: the data behind the
// main ticket, without any drawing. Every write of a stored number clears `SzamsorMentve`.
#pragma once

#include <cstddef>
#include <cstdint>

#include "game/Szamsor.h"

namespace varion {

// Kind codes of the mark/unmark operation.
enum class SzamFajta : int { Normal = 0, Fix = 50, Allando = 100, Veletlen = 150 };

class FoszelvenySzamok {
public:
    explicit FoszelvenySzamok(int jatek = 5);

    int Jatek() const { return jatek_; }
    int MaxSzam() const;

    const Szamsor& JeloltSzamok() const { return jelolt_; }
    const Szamsor& FixSzamok() const { return fix_; }
    const Szamsor& AllandoSzamok() const { return allando_; }
    const Szamsor& VeletlenSzamok() const { return veletlen_; }
    const Szamsor& Sor(SzamFajta fajta) const;

    // Length K of every enumerated variation: the game count less the fixed numbers.
    int ValtozoSzamDb() const { return jatek_ - static_cast<int>(fix_.size()); }
    // The "Kijelölve" count shown to the player.
    int Kijelolve() const { return static_cast<int>(jelolt_.size() + fix_.size()); }

    // Row primitives; each clears SzamsorMentve.
    void Hozzafuz(SzamFajta fajta, std::uint8_t szam);
    void Ir(SzamFajta fajta, std::size_t pozicio, std::uint8_t szam);
    void UtolsoTorlese(SzamFajta fajta);
    bool Eltavolit(SzamFajta fajta, std::uint8_t szam); // order of the rest kept
    void Uresites();                                    // all four rows emptied

    // Number order.
    Szamsorrend GetSzamsorrend() const { return sorrend_; }
    void SzamsorrendKijelzes(Szamsorrend mod) { sorrend_ = mod; } // stores, never reorders
    // Stores the mode and reorders when it differs; false when nothing changed.
    bool SetSzamsorrend(Szamsorrend mod, Veletlen& veletlen);
    // Reorders the breakdown row by the current mode while reordering is allowed.
    void Atrendezes(Veletlen& veletlen);
    bool AtrendezesEngedve = true;

    bool SzamsorMentve = false;

    // The invariants between the four rows (tests and readers check a loaded state).
    bool Ervenyes() const;

private:
    Szamsor& SorIr(SzamFajta fajta);

    int jatek_;
    Szamsor jelolt_, fix_, allando_, veletlen_;
    Szamsorrend sorrend_ = Szamsorrend::Valtozatlan;
};

} // namespace varion
