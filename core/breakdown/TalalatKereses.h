// The search among checked variations: the classes the player can look for after a check,
// and the walk from row to row through the variations that reach the chosen class.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "breakdown/BontasEllenorzes.h"

namespace varion {

struct KeresElem {
    std::string Szoveg;
    int Ertek = 0;       // hits searched; -1 stands for "5+1"
    bool Minden = false; // every class with hits
};

// The search box's items, highest class first; "Minden találat" leads when more than one
// class has hits.
std::vector<KeresElem> KeresElemek(int jatek, const TalalatOsztalyok& o);

enum class KeresGomb { Elso, Vissza, Tovabb, Utolso };

class TalalatKereses {
public:
    TalalatKereses() = default;
    TalalatKereses(TalalatSzamlalo szamlalo, const TalalatOsztalyok& o);

    const std::vector<KeresElem>& Elemek() const { return elemek_; }
    bool TobbElem() const { return elemek_.size() > 1; }
    // Chooses an item: the walk looks for its class from now on.
    void Valaszt(std::size_t elem);
    std::size_t Valasztott() const { return valasztott_; }

    bool Illik(std::int32_t sor) const { return Illik(szamlalo_.SorTalalat(sor), jatek_); }
    int SorTalalat(std::int32_t sor) const { return szamlalo_.SorTalalat(sor); }
    // The first and last matching rows, -1 when none.
    std::int32_t Elso() const { return elso_; }
    std::int32_t Utolso() const { return utolso_; }
    // The next match after `sor` (the last match when none follows) and the previous one
    // before it (the first match when none precedes).
    std::int32_t Kovetkezo(std::int32_t sor) const;
    std::int32_t Elozo(std::int32_t sor) const;
    std::int32_t Lepes(KeresGomb g, std::int32_t sor) const;
    // A button can be used while a match lies on its side of the selected row.
    bool Engedve(KeresGomb g, std::int32_t sor) const;
    std::string Sugo(KeresGomb g, std::int32_t sor) const;

private:
    bool Illik(int talalat, int jatek) const {
        if (elem_.Minden) return talalat == -1 || talalat > jatek - 4;
        return talalat == elem_.Ertek;
    }

    TalalatSzamlalo szamlalo_;
    std::vector<KeresElem> elemek_;
    KeresElem elem_;
    std::size_t valasztott_ = 0;
    int jatek_ = 5;
    std::int32_t elso_ = -1, utolso_ = -1;
};

} // namespace varion
