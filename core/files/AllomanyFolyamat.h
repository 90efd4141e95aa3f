// Opening and saving in the program once the player has chosen a file: what the dialogs
// show, what is cleared, loaded and installed in which order, and the last-breakdown
// backups with their reload. The windows only run the dialogs and show the results.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uzenetek.h"
#include "breakdown/UBontas.h"
#include "conditions/Feltetelek.h"
#include "draws/HuzasTartomany.h"
#include "files/AllomanyMuvelet.h"
#include "files/FajlNevek.h"
#include "files/SzamsorFajl.h"
#include "game/Foszelveny.h"

namespace varion {

// The program's objects that opening and saving read and change.
struct AllomanyKornyezet {
    TFoszelveny& Foszelveny;
    FeltetelKeszlet& Feltetelek;
    TBontas& Bontas;
    HuzasTartomanyok& Tartomanyok;
    bool VanAdatbazis = false;
    int HuzasDb = 0;
};

// --- the dialogs ---------------------------------------------------------------------------
struct Szuro {
    std::string Nev; // "Számsor állománya (*.tip)"
    std::string Minta;
};
struct Parbeszed {
    std::string Cim;
    std::vector<Szuro> Szurok;
    std::string Kiterjesztes; // default extension, empty for the open dialog
    int SzuroIndex = 1;       // 1-based, as the player sees the list
};
// The type a save command asks for: "Mentés másként..." none, "Számsor" → "Mentés" a row,
// "Bontás" → "Mentés" a breakdown.
enum class MentesTipus { Nincs, Tip, Top };

Parbeszed MegnyitasParbeszed();
Parbeszed MentesParbeszed(MentesTipus elore, bool vanBontas);
// Whether the save writes the breakdown too, by the command and the filter chosen.
bool BontasMentendo(MentesTipus elore, bool vanBontas, int valasztottSzuroIndex);
// The folder a dialog opens in: the game's remembered folder, else the game folder.
std::filesystem::path ElsoMappa(const std::string& iniDir,
                                const std::filesystem::path& jatekKonyvtar);
// The remembered folder after a dialog: the chosen file's folder, or the game folder
// when the dialog was cancelled.
std::string MappaUtana(const std::optional<std::filesystem::path>& valasztott,
                       const std::filesystem::path& jatekKonyvtar);

inline constexpr std::string_view MegnyitasMentesKerdes =
    "Menti a kijelölt számsort és a kapcsolódó adatokat?";
// Before the open dialog: a ticket with a breakdown-sized row offers to be saved first.
bool MegnyitasElottMentes(const TFoszelveny& t, Uzenetek& u);

// --- loading and saving ------------------------------------------------------------------
// The ticket, the conditions and the hit-ratio range as a record.
SzamsorAdatok AktualisSzamsor(const AllomanyKornyezet& k);
// Installs an accepted record: the rows without reordering, the order mode, the
// conditions with their markers and the hit-ratio range.
void SzamsorTelepites(const SzamsorAdatok& a, AllomanyKornyezet& k);

// Loads a ".tip" or ".top" by its extension into the program (a ".top" also into the
// engine). Nothing, after the message, when refused; the program is then as it was.
std::optional<FajlTipus> FajlBetoltese(const std::filesystem::path& fajl, AllomanyKornyezet& k,
                                       Uzenetek& u);
// "Megnyitás" with the chosen file: the ticket is cleared (after its question; a "no"
// abandons the load), the file loaded and the row counts as saved.
std::optional<FajlTipus> Megnyitas(const std::filesystem::path& fajl, AllomanyKornyezet& k,
                                   Uzenetek& u);
// The save with the chosen name; only a save that worked marks the row as saved.
bool Mentes(const std::filesystem::path& fajl, bool bontassal, AllomanyKornyezet& k, Uzenetek& u,
            const SzabadHelyLekerdezes& hely = RendszerSzabadHely);

// --- last-breakdown backups -----------------------------------------------------------------
inline constexpr std::string_view VisszatoltesSugo =
    " Az előző bontás számsorának és feltételeinek visszatöltése. ";
inline constexpr std::string_view VisszatoltveSugo =
    " Sikeresen visszatöltve. \r Az előző bontás számsora és feltételei betöltve. ";
inline constexpr std::string_view NincsVisszatoltesSugo =
    " Nincs visszatöltésre alkalmas állomány. ";
inline constexpr std::string_view VisszatoltveSzoveg = "Sikeresen visszatöltve.";
inline constexpr std::string_view VisszatoltesHiba =
    "Nem sikerült betölteni az utoljára készített bontás számsorát, feltételeit!";

// Whether "back" g ".tip" exists in `mappa`.
bool VanElmentettUtolsoBontas(const std::filesystem::path& mappa, int jatek);
// The record of a finished breakdown, taken before anything may change it; nothing when
// no breakdown is stored or backups are off.
std::optional<SzamsorAdatok> BackFelvetel(const AllomanyKornyezet& k, bool backupEngedve);
// Writes a taken record as "back" g ".tip" (the exchange file "back" g "1.tip" goes).
void BackIras(const std::filesystem::path& mappa, const SzamsorAdatok& a, Uzenetek& u);

// The breakdown engine's discard question with the backup: the record is taken while the
// breakdown and its conditions still stand and written only when the answer lets the
// breakdown go; a "no" writes nothing and keeps the exchange file. True when the change
// may go on.
bool BontasEldobasa(AllomanyKornyezet& k, const std::filesystem::path& mappa, bool backupEngedve,
                    Uzenetek& u);

struct VisszatoltesEredmeny {
    bool Betoltve = false;
    bool VanMasik = false; // the two backups were exchanged: the command stays on
};
// "Visszatöltés": the current row of a finished breakdown is kept as "back" g "1.tip",
// the ticket cleared (after its question) and "back" g ".tip" loaded; then the two
// backups are exchanged so that the next reload brings the other row back.
VisszatoltesEredmeny Visszatoltes(const std::filesystem::path& mappa, AllomanyKornyezet& k,
                                  bool& backupEngedve, Uzenetek& u);

} // namespace varion
