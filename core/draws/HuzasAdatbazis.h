// The draw database of the current game: the draw table every feature reads, its file
// "Dat/HuzasG.ldb", and the edits of the draw list with their undo log.
//
// File: the 16-byte version header, then one 28-byte record per draw, oldest first:
//   0 int32 reserved (0) | 4 int32 draw number | 8 uint16 year | 10 uint8 week |
//   11.. the number bytes (5, 7 or 14) | the rest of the record 0.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/ProgramVerzio.h"
#include "base/Uzenetek.h"
#include "draws/HuzasTartomany.h"

namespace varion {

inline constexpr std::size_t HuzasFejlecMeret = 16;
inline constexpr std::size_t HuzasRekordMeret = 28;
inline constexpr int MaxRekordSzamDb = 14;

// Number bytes per record: 5; 6 + the plus number; 7 + 7.
constexpr int RekordSzamDbJatek(int jatek) {
    return jatek == 6 ? 7 : jatek == 7 ? 14 : 5;
}
// Relative to the program folder.
std::filesystem::path AdatbazisFajl(int jatek);

// The record buffer: one draw on its way between the file, the entry dialog, the undo log
// and the table.
struct Huzas {
    std::int32_t Sorszam = 0;
    std::int32_t Ev = 0;
    std::int32_t Het = 0;
    std::array<std::uint8_t, MaxRekordSzamDb> Szamok{};
    bool operator==(const Huzas&) const = default;
};

// Operation codes of the draw list, also stored in the undo log.
// An import logs its first draw as an append and every further draw as an append joined to
// the entry before it, so undo and redo take the whole import as one step.
enum class HuzasMuvelet : int {
    Nincs = 0,
    Bovites = 1,
    Modositas = 2,
    Beszuras = 3,
    Torles = 4,
    ImportFolytatas = 5
};

// The year range a draw may carry; outside it the record is damaged.
inline constexpr int ElsoHuzasEv = 1900;
inline constexpr int UtolsoHuzasEv = 2999;

// What makes a draw unusable (year, week, numbers as the table holds them): empty when the
// draw is sound. Numbers 1..MaxSzam, distinct within a row; game 6 the plus number 0 or
// 1..45 and not among the six.
std::string_view HuzasHiba(int jatek, std::int32_t ev, std::int32_t het,
                           std::span<const std::int32_t> szamok);
std::string_view HuzasHiba(int jatek, const Huzas& h);

inline constexpr std::string_view NincsAdatbazisSzoveg =
    "Nem található az aktuális lottójáték adatbázisa!\r\rJavaslat: telepítse újra a programot.";
inline constexpr std::string_view AdatbazisOlvasasHibaSzoveg =
    "Hiba történt az adatbázis állományának olvasása során!";
inline constexpr std::string_view AdatbazisIrasHibaSzoveg =
    "Hiba történt az adatbázis állományának írása során!";
inline constexpr std::string_view AdatbazisElmentveSzoveg = "Adatbázis elmentve.";
inline constexpr std::string_view HuzTorlesEngSzoveg =
    "Módosította, de nem mentette a lottóhúzások adatbázisát!\r\rMenti a módosításokat?";
inline constexpr std::string_view HuzasTorlesKerdes = "Biztos törli a kijelölt húzást?";

inline constexpr std::string_view MentesSugoNincs = " Nincs elmentésre váró adat. ";
inline constexpr std::string_view MentesSugoModositott = " Módosított adatbázis mentése. ";
inline constexpr std::string_view MentesSugoTorles = " Módosított adatbázis mentése állományba. ";
inline constexpr std::string_view VisszaSugo = " Előző módosítás visszavonása. ";
inline constexpr std::string_view MegseSugo = " Visszavonás törlése. ";
inline constexpr std::string_view NincsVisszavonhatoSugo = " Nincs visszavonható művelet. ";

// The read error of a file that exists but cannot be used: the fixed first line, then the
// file and, for a damaged file, the first draw that could not be used (1-based; 0 when the
// file is shorter than its header). Reinstalling would not mend such a file, so the
// message does not suggest it.
std::string AdatbazisSerultSzoveg(const std::filesystem::path& fajl, std::optional<int> huzas);

enum class BetoltesEredmeny { Rendben, NincsFajl, Hiba };

class HuzasAdatbazis {
public:
    explicit HuzasAdatbazis(int jatek = 5);

    int Jatek() const { return jatek_; }
    int RekordSzamDb() const { return RekordSzamDbJatek(jatek_); }
    int OszlopDb() const { return 3 + RekordSzamDb(); }
    int HuzasDb() const { return static_cast<int>(tomb_.size() / OszlopSz()); }
    bool Ures() const { return tomb_.empty(); }

    // Row `index` (0-based: draw number − 1) of the draw table: draw number, year, week,
    // the number bytes in file order.
    std::span<const std::int32_t> Sor(int index) const;
    std::int32_t Ertek(int index, int oszlop) const {
        return Sor(index)[static_cast<std::size_t>(oszlop)];
    }
    // The numbers of draw `index` (game 6: the plus number last, 0 when absent).
    std::span<const std::int32_t> Szamok(int index) const { return Sor(index).subspan(3); }
    // Whole table, row after row.
    const std::vector<std::int32_t>& HuzasTomb() const { return tomb_; }

    // Loads `fajl` as the database of game `jatek`. A missing or unreadable file shows its
    // messages; the table then keeps what it held when the game is the same, and is an
    // empty table of the new game otherwise.
    BetoltesEredmeny HuzasokBe(const std::filesystem::path& fajl, int jatek, Uzenetek& u);
    // The same from bytes already read. Damaged records and a partial record at the end
    // are left out and described in BetoltesiFigyelmeztetes(); false only when the header is
    // missing.
    bool Beolvasas(std::span<const std::uint8_t> adat, int jatek);
    // What the last load left out, as the warning the player sees; empty when nothing.
    const std::string& BetoltesiFigyelmeztetes() const { return figyelmeztetes_; }
    // The file's bytes for the table; nothing when a row is not a sound draw (the draw
    // number of the first such row is in `hibas`).
    std::optional<std::vector<std::uint8_t>> Kodolas(const ProgramVerzio& verzio,
                                                     int* hibas = nullptr) const;
    // Writes the table; on success clears the modified flag and says so.
    bool AdatbazisMentese(const std::filesystem::path& fajl, const ProgramVerzio& verzio,
                          Uzenetek& u, std::size_t hibaUtan = SIZE_MAX);
    // Before a game switch or the end: offers to save unsaved changes. False only when the
    // player asked for the save and it failed.
    bool HuzTorlesEng(const std::filesystem::path& fajl, const ProgramVerzio& verzio, Uzenetek& u);

    // Appends draws (the import) as one step of the undo log; numbers them and marks the
    // table modified. Refuses (false, nothing changed) when one of them is not sound.
    bool Hozzaadas(std::span<const Huzas> huzasok);

    // Counts every change of the table, for the views that cache what they show.
    std::uint64_t Valtozat() const { return valtozat_; }

    bool AdatbazisModositva = false;
    std::string_view MentesSugo() const {
        return AdatbazisModositva ? mentesSugo_ : MentesSugoNincs;
    }

    // The draw ranges have one owner (the range dialog); the table only resets them to
    // the whole database after every load and change. Without one nothing is reset.
    void TartomanyTulajdonos(HuzasTartomanyok* t) {
        tartomanyok_ = t;
        TartomanyokAlaphelyzet();
    }

    // --- editing, as the draw list drives it; rows are draw numbers (1-based) ---
    Huzas Rekord;
    HuzasMuvelet Muvelet = HuzasMuvelet::Nincs;
    int DialogusEredmeny = 0; // 1 after "Rendben", 0 otherwise
    int AktRekord = 0;
    int MuvRekord = 0;
    int Kijelolt() const { return kijelolt_; }
    void Kijeloles(int sor);
    // The list's selection: also decides whether a draw entered next gets a plus number,
    // except while an operation waits for its dialog (its blank row is no draw to ask).
    void CellaKijeloles(int sor);
    bool PluszSzamAktiv = true;

    void RekordBeszuras(int p);
    void RekordTorles(int p);
    // False (nothing written) when the record buffer is not a sound draw.
    bool RekordBeillesztes();
    void RekordPMentes(int r);
    // Finishes the current operation; `naplozva` when the entry dialog (not undo or redo)
    // is the sender.
    void AdatbazisModositas(bool naplozva);
    void RekordPVissza();
    void RekordPMegsem();

    // Starting the four operations (the dialog then ends with DialogusVege).
    void BovitesKezdes();
    void BeszurasKezdes();
    void ModositasKezdes();
    bool TorlesKezdes(Uzenetek& u); // asks first
    // A record that is not a sound draw is refused like "Mégse" (false). Only the operation
    // still waiting for its dialog is finished, and only once; otherwise nothing happens.
    bool DialogusVege(bool rendben, const Huzas& rekord);
    // An append, insert or modify is waiting for its dialog.
    bool MuveletFolyamatban() const { return folyamatban_; }
    // Whether a draw entered at the end gets a plus number (game 6 stopped drawing it
    // from 2007 week 30).
    bool UjHuzasPluszSzammal() const;
    // Whether the selected draw (1-based) is of the weeks with a plus number; set into
    // PluszSzamAktiv on every selection in the list.
    bool PluszSzamosHuzas(int sor) const;

    const std::vector<std::vector<std::int32_t>>& VisszavonasNaplo() const { return naplo_; }
    int VisszavonasPoz() const { return poz_; }
    bool VisszavonasLehet() const { return poz_ > 0; }
    bool UjraLehet() const { return static_cast<int>(naplo_.size()) > poz_; }
    std::string_view VisszaGombSugo() const {
        return VisszavonasLehet() ? VisszaSugo : NincsVisszavonhatoSugo;
    }
    std::string_view MegseGombSugo() const {
        return UjraLehet() ? MegseSugo : NincsVisszavonhatoSugo;
    }

private:
    std::size_t OszlopSz() const { return static_cast<std::size_t>(OszlopDb()); }
    std::int32_t* SorIr(int index) {
        return tomb_.data() + static_cast<std::size_t>(index) * OszlopSz();
    }
    void UjJatek(int jatek);
    void ModositasVege();
    void TartomanyokAlaphelyzet();
    bool Visszavon1();
    bool Ujra1();
    void RekordBeSorba(int sor);
    void NaplobolTorles(int d);
    void NaplobolBeszuras(const std::vector<std::int32_t>& e, int d);
    void NaplobolCsere(std::vector<std::int32_t>& e, int d);

    int jatek_;
    std::vector<std::int32_t> tomb_;
    std::vector<std::vector<std::int32_t>> naplo_;
    int poz_ = 0;
    int kijelolt_ = 0;
    bool folyamatban_ = false;
    std::string_view mentesSugo_ = MentesSugoModositott;
    HuzasTartomanyok* tartomanyok_ = nullptr;
    std::string figyelmeztetes_;
    bool bakKell_ = false; // the loaded file lost something: keep it before the first save
    std::uint64_t valtozat_ = 0;
};

// The copy of a damaged draw file kept before the first save replaces it.
std::filesystem::path BakFajl(const std::filesystem::path& fajl);

} // namespace varion
