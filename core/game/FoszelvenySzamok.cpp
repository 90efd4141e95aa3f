#include "game/FoszelvenySzamok.h"

#include <algorithm>
#include <array>

#include "game/Jatek.h"

namespace varion {

FoszelvenySzamok::FoszelvenySzamok(int jatek) : jatek_(ErvenyesJatek(jatek) ? jatek : 5) {}

int FoszelvenySzamok::MaxSzam() const {
    return MaxSzamJatek(jatek_);
}

const Szamsor& FoszelvenySzamok::Sor(SzamFajta fajta) const {
    switch (fajta) {
    case SzamFajta::Fix:
        return fix_;
    case SzamFajta::Allando:
        return allando_;
    case SzamFajta::Veletlen:
        return veletlen_;
    case SzamFajta::Normal:
        break;
    }
    return jelolt_;
}

Szamsor& FoszelvenySzamok::SorIr(SzamFajta fajta) {
    return const_cast<Szamsor&>(Sor(fajta));
}

void FoszelvenySzamok::Hozzafuz(SzamFajta fajta, std::uint8_t szam) {
    SorIr(fajta).push_back(szam);
    SzamsorMentve = false;
}

void FoszelvenySzamok::Ir(SzamFajta fajta, std::size_t pozicio, std::uint8_t szam) {
    SorIr(fajta).at(pozicio) = szam;
    SzamsorMentve = false;
}

void FoszelvenySzamok::UtolsoTorlese(SzamFajta fajta) {
    auto& sor = SorIr(fajta);
    if (sor.empty()) return;
    sor.pop_back();
    SzamsorMentve = false;
}

bool FoszelvenySzamok::Eltavolit(SzamFajta fajta, std::uint8_t szam) {
    auto& sor = SorIr(fajta);
    const auto it = std::find(sor.begin(), sor.end(), szam);
    if (it == sor.end()) return false;
    sor.erase(it);
    SzamsorMentve = false;
    return true;
}

void FoszelvenySzamok::Uresites() {
    if (jelolt_.empty() && fix_.empty() && allando_.empty() && veletlen_.empty()) return;
    jelolt_.clear();
    fix_.clear();
    allando_.clear();
    veletlen_.clear();
    SzamsorMentve = false;
}

bool FoszelvenySzamok::SetSzamsorrend(Szamsorrend mod, Veletlen& veletlen) {
    if (mod == sorrend_) return false;
    sorrend_ = mod;
    Atrendezes(veletlen);
    return true;
}

void FoszelvenySzamok::Atrendezes(Veletlen& veletlen) {
    if (!AtrendezesEngedve) return;
    if (SzamsorAtrendezes(jelolt_, sorrend_, veletlen) > 0) SzamsorMentve = false;
}

bool FoszelvenySzamok::Ervenyes() const {
    const int max = MaxSzam();
    std::array<std::uint8_t, 256> fajta{}; // 1 marked, 2 fixed
    for (auto s : jelolt_) {
        if (s < 1 || s > max || fajta[s]) return false;
        fajta[s] = 1;
    }
    for (auto s : fix_) {
        if (s < 1 || s > max || fajta[s]) return false;
        fajta[s] = 2;
    }
    if (static_cast<int>(fix_.size()) > MaxFixSzam(jatek_)) return false;
    std::array<bool, 256> allando{};
    for (auto s : allando_) {
        if (fajta[s] != 1 || allando[s]) return false;
        allando[s] = true;
    }
    std::array<bool, 256> vel{};
    for (auto s : veletlen_) {
        if (fajta[s] != 1 || allando[s] || vel[s]) return false;
        vel[s] = true;
    }
    return true;
}

} // namespace varion
