// The condition set: the record, the per-number markers derived from the marked numbers,
// the aggregates that bound the conditions window's controls, and the two flags
// `FeltetelJelzo` (some condition is on) and `EloszlasOpt` (even frequency distribution).
#pragma once

#include <cstdint>
#include <vector>

#include "conditions/FeltetelAdatok.h"
#include "game/Szamsor.h"

namespace varion {

// A breakdown made with the conditions: clearing them throws it away. The engine is one.
class TaroltBontas {
public:
    virtual void BontasEldobasa() = 0;

protected:
    ~TaroltBontas() = default;
};

// Marker bits of `SzamJelzo`.
inline constexpr std::uint8_t JelzoParos = 1;        // the number is even
inline constexpr std::uint8_t JelzoParosCsoport = 2; // its decade is even
inline constexpr std::uint8_t JelzoIkerszam = 4;     // 11, 22, ...
inline constexpr std::uint8_t JelzoTukorszam = 16;   // member of a mirror pair

struct FeltetelKeszlet {
    FeltetelAdatok Adatok;
    std::vector<std::uint8_t> SzamJelzo; // per marked position
    std::vector<std::int32_t> TukorPar;  // 0-based partner position, -1 when none
    // Aggregates used only by the window's range rules.
    std::int32_t SzcsIsmetOssz = 0, SzcsEgyes = 0, SzvIsmetOssz = 0, SzvEgyes = 0;
    std::int32_t IsmetTartalek = 1;
    bool FeltetelJelzo = false;
    std::uint8_t EloszlasOpt = 0;
};

// Rebuilds the markers and the aggregates from the marked numbers in row order.
void SzamJelzoBeallitas(FeltetelKeszlet& f, const Szamsor& jelolt, int jatek);
// `OsszegMin` / `OsszegMax`: the sums of the `sorHossz` smallest and largest marked numbers.
void OsszegHatarok(FeltetelAdatok& f, const Szamsor& jelolt, int sorHossz);
// True when any of the eleven on/off flags is set.
bool VanBekapcsoltFeltetel(const FeltetelAdatok& f);
// Copies the error points and recomputes `FeltetelJelzo` from the flags.
void FeltJelzoBeallitas(FeltetelKeszlet& f, int hibapont);
// Error points back to 0; true when they were not 0 (the window then resets its field).
bool HibapontTorlese(FeltetelKeszlet& f);
// The core part of clearing the condition set: flags off (values kept), the hit-ratio list
// back to "bontás", the distribution option off, error points 0, markers emptied, and a
// stored breakdown deleted. The caller does its backup step first and refreshes its
// commands afterwards; the result tells whether any condition had been selected.
bool FeltetelekTorlese(FeltetelKeszlet& f, TaroltBontas& bontas);

} // namespace varion
