// Hits of a number row against the draws: the draw list's statistics of the selected row
// and the number-row search with its hit classes and the jumps between hits. Each row of
// numbers is a 128-bit mask, so a hit count is two popcounts.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "draws/HuzasAdatbazis.h"
#include "game/SzamMaszk.h"

namespace varion {

SzamMaszk Maszk(std::span<const int> szamok);

// The number rows of the draws as masks: one per draw, two in game 7 (second row at
// index 2d + 1), and the plus number of game 6.
class HuzasMaszkok {
public:
    // Rebuilt only when the table changed since the last call.
    void Frissites(const HuzasAdatbazis& db);
    int Jatek() const { return jatek_; }
    int HuzasDb() const { return huzasDb_; }
    int SorDb() const { return jatek_ == 7 ? 2 : 1; }
    SzamMaszk Sor(int d, int sor = 0) const {
        return maszk_[static_cast<std::size_t>(d * SorDb() + sor)];
    }
    int Plusz(int d) const { return jatek_ == 6 ? plusz_[static_cast<std::size_t>(d)] : 0; }

private:
    const HuzasAdatbazis* db_ = nullptr;
    std::uint64_t valtozat_ = UINT64_MAX;
    int jatek_ = 5;
    int huzasDb_ = 0;
    std::vector<SzamMaszk> maszk_;
    std::vector<std::uint8_t> plusz_;
};

// --- the draw list's auxiliary ticket ---

// The first table column of the selected number row: 10 for the second row of game 7.
int ElsoSzamOszlop(int jatek, int kijeloltOszlop);
// How many number rows of all draws hit the row with Jatek − 3 .. Jatek numbers; the last
// counter starts at −1 so the row's own draw is not counted.
std::array<int, 4> TalalatStat(const HuzasMaszkok& m, SzamMaszk sor);
// The statistics label under the auxiliary ticket.
std::string RiportSzoveg(int jatek, const std::array<int, 4>& stat, std::span<const int> sor);
std::string RiportFelirat(int sorszam); // "  A(z) N. húzás számsora"

// --- the number-row search ---

struct KeresettSor {
    std::vector<int> Szamok; // in marking order, at most Jatek
    int Plusz = 0;           // game 6: the marked plus number, 0 when none
};

// Hits of draw d (0-based) in row `sor`; −1 for five hits plus the plus number.
int TalalatSzam(const HuzasMaszkok& m, int d, int sor, SzamMaszk keresett, int plusz);

struct KeresesSzamlalo {
    std::array<int, 4> Db{}; // draws with Jatek − 3 .. Jatek hits
    int OtPluszEgy = 0;
    bool VanTalalat() const { return OtPluszEgy > 0 || Db[0] + Db[1] + Db[2] + Db[3] > 0; }
};
KeresesSzamlalo Szamlalas(const HuzasMaszkok& m, Tartomany t, const KeresettSor& k);

// The search ticket's text: the range line, one line per hit class, the sum.
std::string TartomanySor(Tartomany t, int huzasDb);
std::string KeresesSzoveg(int jatek, Tartomany t, int huzasDb, const KeresettSor& k,
                          const KeresesSzamlalo& sz);
std::string KeresesCimSugo(Tartomany t, int huzasDb);

// One entry of the hit-class choice: its caption and the class (−1 for 5+1, 0 for
// "Minden találat").
struct KeresBejegyzes {
    std::string Felirat;
    int Kod;
};
std::vector<KeresBejegyzes> KeresBoxBejegyzesek(int jatek, const KeresesSzamlalo& sz);

// The class sought after choosing entry `index`: the first entry spans every class that
// has draws.
struct KeresTalalat {
    int Min, Max;
    bool Minden;          // the first entry is chosen: 5+1 also matches
    bool MindenBejegyzes; // and it reads "Minden találat" (the hints then say "n")
};
KeresTalalat KeresBoxValasztas(int jatek, const std::vector<KeresBejegyzes>& b, int index,
                               const KeresesSzamlalo& sz);

// A draw that matches, with the row that hit (0 or 1).
struct KeresHely {
    int Huzas = -1; // 0-based, −1 when none
    int Sor = 0;
};
enum class KeresIrany { Elso, Elozo, Kovetkezo, Utolso };
// Scans as the four buttons do; `aktualis` is the selected draw (0-based).
KeresHely Kereses(const HuzasMaszkok& m, Tartomany t, const KeresettSor& k, KeresTalalat c,
                  KeresIrany irany, int aktualis);

struct KeresGombSugok {
    std::string Kovetkezo, Utolso, Elozo, Elso;
};
// Hints of the four jump buttons; `elore`/`vissza`: whether that pair is enabled.
KeresGombSugok KeresSugok(KeresTalalat c, bool elore, bool vissza);

inline constexpr std::string_view KeresPanelAlapCim = "Keresett számsor";
// "Keresett számsor: N találat", "5+1" for five hits with the plus number (−1).
std::string KeresPanelCim(int talalat);
// The panel's title once a draw of the search is selected: the hit count is named only while
// "Minden találat" (the first of several entries) lets draws of different classes follow.
std::string KeresPanelCim(int talalat, std::size_t bejegyzesDb, int valasztott);
inline constexpr std::string_view PluszInfoSzoveg =
    "Hatoslottó esetén a plusz számot a Shift billentyű lenyomása mellett kattintva jelölheti "
    "ki.";

} // namespace varion
