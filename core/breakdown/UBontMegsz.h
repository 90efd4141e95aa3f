// Run control around the engine: the figures of the progress tick, the texts of the end of
// a run, and the deletion of a breakdown with its confirmations.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Uzenetek.h"
#include "breakdown/UBontas.h"
#include "conditions/FeltetelAdatok.h"

namespace varion {

// What the breakdown window shows once a second.
struct HaladasKijelzes {
    std::string IdoCimke;       // "A bontás elkészítésének időtartama:  0:00:01  -  250"
    std::string SzelvSzamCimke; // "1 234 db szelvény szükséges a játékhoz."
    std::string KoltsegCimke;   // "Bontás költsége: 370 200 Forint."
    std::uint64_t Pozicio = 0;  // enumeration position
    int Szazalek = 0;           // 0..100, for the progress bar
    std::string FolyamatCimke;  // "Bontás folyamata: 12 %", "Optimalizálás: 30 szelvény"
    std::string AlkalmazasCim;  // "Bontás: 12 %" while the window is not active, else "Varion"
    // The tick shows these only while a pass or the optimised search runs: after a stop, or
    // between the last pass and the end of the run, the labels keep what they show.
    bool Frissul = false;
};

// `jegyAr`: price of one ticket; `euro`: the settings' currency choice is non-zero.
HaladasKijelzes HaladasSzamitas(const BontasHaladas& h, double jegyAr, bool euro, bool ablakAktiv);

// Enumeration position: the weighted distance of `BontMut` from its lower bounds.
std::uint64_t BontasPozicio(const BontasHaladas& h);
int BontasSzazalek(const BontasHaladas& h);

// Digits grouped by thousands with a blank, `tizedes` decimals after a comma.
std::string EzresTagolas(double ertek, int tizedes);
// "h:mm:ss" of a duration.
std::string IdoSzoveg(std::chrono::milliseconds t);
std::string IdoCimkeSzoveg(std::chrono::milliseconds t);
std::string SzelvSzamSzoveg(std::int64_t db);
std::string KoltsegSzoveg(std::int64_t db, double jegyAr, bool euro);
// The progress line while the optimised search runs: its smallest cover so far, the lower
// bound no cover can beat and the time left of its budget (each when known).
std::string OptimalizalasSzoveg(std::int64_t db, std::int32_t alsoKorlat = 0,
                                std::optional<std::chrono::milliseconds> hatra = {});
// The end line of an optimised run: the seed, and with the rounds taken, what repeats it.
std::string OptimalisMagSzoveg(std::uint64_t mag);
std::string OptimalisVegSzoveg(std::uint64_t mag, std::int64_t lepesek);
// The end line when the specified reduction was kept: the reason.
std::string MegadottCsokkentesSzoveg(const std::string& ok);
// The final elapsed-time text, with the short-run wording for 0 ms.
std::string VegIdoSzoveg(std::chrono::milliseconds t);

// The green title: N + " szám " + e + " hibapontos bontása " + K + " számra".
std::string BontasCim(int N, int e, int K);
// The run-start hint shown when fixed numbers are set (empty without fixed numbers).
std::string FixSzamosInfo(int N, int e, int K, int jatek);

// The error of a run that stored nothing: the hit ratio, or the first selected condition
// that never passed.
std::string UresBontasUzenet(const FeltetelAdatok& a, std::uint16_t teljesult);
// The warning of marked numbers that no stored row contains, 7 to a line.
std::string HianyzoSzamokUzenet(const std::vector<int>& hianyzo, bool feltetelMiatt);

inline constexpr std::string_view TorlesKerdes = "Biztos törli a kész bontás listáját?";
inline constexpr std::string_view FeltetelTorlesKerdes =
    "Biztos törli a kijelölt feltételeket, valamint a kész bontás listáját?";
inline constexpr std::string_view CsakFeltetelTorlesKerdes =
    "Biztos törli a kijelölt feltételeket?";

// Deletes a finished, unsaved breakdown after confirmation; true when it may go on.
bool BontTorlesEng1(TBontas& bontas, bool mentve, Uzenetek& u);
// The same for the breakdown and the selected conditions before the marked numbers change;
// clearing the conditions also deletes the breakdown.
bool BontTorlesEng2(TBontas& bontas, FeltetelKeszlet& feltetelek, bool mentve, Uzenetek& u);

} // namespace varion
