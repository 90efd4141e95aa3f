// The ranges the conditions window keeps its controls in, and the texts of its refusals.
// Every bound a control of the window takes is decided here from the marked numbers'
// aggregates; the window only moves its controls to what these functions return. They run
// just the same with the window hidden, when a loaded file re-applies its conditions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Uzenetek.h"
#include "conditions/Feltetelek.h"

namespace varion {

// The eleven conditions in the order of the window's tabs.
enum class Feltetel {
    Fav,
    Mob,
    Fix,
    SzcsParos,
    SzcsIsmet,
    TalAr,
    SzvParos,
    SzvIsmet,
    Osszeg,
    Ikerszam,
    Tukorszam,
};

// Lower and upper bound of one up/down control.
struct Hatar {
    int Also = 0, Felso = 0;
    int Igazit(int v) const { return v < Also ? Also : (v > Felso ? Felso : v); }
    bool operator==(const Hatar&) const = default;
};

// A refused box or choice: the message the player sees.
struct Elutasitas {
    UzenetTipus Tipus;
    std::string Szoveg;
};

inline constexpr std::string_view NemErtelmezheto =
    "A kijelölt számsorral nem értelmezhető a feltétel!";

// The test run when a condition's box is ticked; nothing when the box may be ticked.
// `jatek` is the game count, `sorHossz` K, the number of marked numbers N = markers' size.
std::optional<Elutasitas> BelepesiProba(Feltetel f, const FeltetelKeszlet& k, int jatek,
                                        int sorHossz);

// --- favourite numbers ------------------------------------------------------------------
struct FavAllas {
    int Elso = 1, Utolso = 3, Min = 1, Max = 1;
    Hatar ElsoH{1, 1}, UtolsoH{3, 3}, MinH{1, 1}, MaxH{1, 1};
};
enum class FavValtozas { Bekapcsolas, Elso, Utolso, Min, Max };
// Applies one change (the new value already in `f`) and everything that follows from it.
void FavIgazitas(FavAllas& f, FavValtozas mi, int jeloltDb, int sorHossz);

// --- mobile and fixed groups ------------------------------------------------------------
struct CsoportAllas {
    int Meret = 2, Max = 1;
    Hatar MeretH{2, 2}, MaxH{1, 1};
};
// The size's bounds; then the maximum's bounds after a size change. The maximum's lower
// bound moves from where it stood, so the previous state goes in.
void CsoportIgazitas(CsoportAllas& c, bool fix, int jeloltDb, int jatek, int sorHossz);

// --- even/odd decades and numbers ----------------------------------------------------------
// Bounds of both edits for the kind: `sajat` marked numbers of that kind, `masik` of the other.
Hatar ParosHatar(int sorHossz, int sajat, int masik);
// "Több" needs a majority of the kind to be possible.
bool TobbLehetseges(int sorHossz, int sajat);
// The minimum the record keeps: with "Több" the evaluation reads it as the half of the
// row that the kind must exceed, K div 2, whatever range the hidden minimum field has;
// with "Fix" the field's value.
int ParosRekordMinimum(bool tobb, int sorHossz, int mezoErtek);
// The refusal of "Több" (`csoport`: decades, else numbers; `paros`: the kind).
std::string TobbElutasitas(bool csoport, bool paros);
// The note shown at every click of the number parity while a fixed sum is set.
std::string ParosOsszegFigyelmeztetes(int fixOsszeg);

// --- decade and ending repetition ------------------------------------------------------------
enum class IsmetKenyszer { Nincs, Egy, Tobb };
struct IsmetAllas {
    IsmetKenyszer Kenyszer = IsmetKenyszer::Nincs;
    Hatar H;
    std::string Uzenet; // the forced choice's message
};
struct IsmetAdatok {
    int Tobbszor = 0, Lehet = 0, Ossz = 0, Egyes = 0;
};
IsmetAdatok SzcsIsmetAdatok(const FeltetelKeszlet& k);
IsmetAdatok SzvIsmetAdatok(const FeltetelKeszlet& k);
// `egy`: the choice "Egy" (used when nothing is forced); `csoport`: decades, else endings.
IsmetAllas IsmetSzamitas(const IsmetAdatok& a, bool egy, bool csoport, int jatek, int jeloltDb,
                         int sorHossz);
// "Több" never holds 1 as a maximum: it steps over it, and a minimum of 1 needs 2.
int TobbMaxLepes(int regi, int uj, Hatar h);
int TobbMinUtanMax(int min, int max, Hatar h);

// --- hit ratio ------------------------------------------------------------------------------
Hatar TalArHatar(int sorHossz);
inline constexpr std::string_view KizartHuzasokTilos =
    "Kizárt találati arány esetén, nincs értelmezve\r a lottóhúzások adatbázisából készített "
    "lista!";
inline constexpr std::string_view HianyzoAdatbazis = "Hiányzik a lottóhúzások adatbázisa!";
std::string TalArCimke(int elsoHuzas, int utolsoHuzas);

// --- sum ----------------------------------------------------------------------------------
inline constexpr std::string_view NemSzomszedosKerdes =
    "A kijelölt számok nem szomszédosak (...9,10,11,12...) egymással.\rCsak a kijelölt számok "
    "szerinti összegekhez tartozhat számsor!\r\rMégis kijelöli a feltételt?";
// The marked numbers form one unbroken run.
bool SzomszedosSzamok(const Szamsor& jelolt);
// Bounds of the minimum and the maximum edit in "Fix" or "Mobil".
Hatar OsszegMinHatar(const FeltetelAdatok& a, bool fix);
Hatar OsszegMaxHatar(const FeltetelAdatok& a);
std::string OsszegSugo(Hatar h);
// A typed value checked on leaving its edit: the value to keep and whether it was wrong.
struct OsszegJavitas {
    int Ertek;
    bool Hibas;
};
OsszegJavitas OsszegMinEllenorzes(std::optional<int> beirt, int max, bool fix,
                                  const FeltetelAdatok& a);
OsszegJavitas OsszegMaxEllenorzes(std::optional<int> beirt, int min, const FeltetelAdatok& a);

// --- twins and mirror pairs -------------------------------------------------------------------
Hatar IkerszamHatar(const FeltetelAdatok& a, int sorHossz);
Hatar TukorszamHatar(const FeltetelAdatok& a, int sorHossz);
inline constexpr std::string_view TukorTorlesKerdes =
    "A beállított értékeket alkalmazva, nincs értelme a tükörszám feltétel kijelölésének!\r\r"
    "Törli a tükörszám feltétel kijelölését?";
inline constexpr std::string_view IkerTorlesKerdes =
    "A beállított értékeket alkalmazva, nincs értelme az ikerszám feltétel kijelölésének!\r\r"
    "Törli az ikerszám feltétel kijelölését?";
// Entering the twin edits makes the mirror condition pointless.
bool TukorFeleslegesIkerMiatt(const FeltetelAdatok& a, int sorHossz);
// Entering the mirror edits (after an upward step) makes the twin condition pointless.
bool IkerFeleslegesTukorMiatt(const FeltetelAdatok& a, int sorHossz);
// The question a step of the twin edits (`tukor` false) or the mirror edits asks, empty when
// none: the twin edits ask at every step, the mirror edits after a step up.
std::string_view IkerTukorLepesKerdes(const FeltetelAdatok& a, int sorHossz, bool tukor,
                                      bool felfele);

// --- error points -------------------------------------------------------------------------
Hatar HibapontHatar(int sorHossz);
// A position above the bound goes back to 0.
int HibapontIgazitas(int hibapont, int sorHossz);
// The options that shape an error-point breakdown (the even distribution and the optimised
// reduction) are offered only while the error points, after `HibapontIgazitas`, are above 0.
bool HibapontosOpciok(int hibapont, int sorHossz);

// The hint of a control whose two bounds are equal (empty when they differ).
std::string FixErtekSugo(Hatar h);

} // namespace varion
