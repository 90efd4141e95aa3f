// The rules of the draw entry dialog: the year and week a new, inserted or modified draw
// may take, and the number rows clicked on its ticket. The dialog only shows them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draws/HuzasAdatbazis.h"
#include "game/SzelvenyGeometria.h"

namespace varion {

struct EvHet {
    int Ev = 0, Het = 0;
};

// What the year and week controls allow and propose.
struct EvHetKeret {
    int EvMin = 0, EvMax = 0;
    int HetMin = 1, HetMax = 53;
    int Ev = 0, Het = 1; // proposed
    bool EvSzerkesztheto() const { return EvMin != EvMax; }
    bool operator==(const EvHetKeret&) const = default;
};

// The operation's neighbours, read from the table while the dialog is open (the blank row
// of an append or insert is already in it at `muvRekord`).
struct BevitelKornyezet {
    HuzasMuvelet Muvelet = HuzasMuvelet::Nincs;
    bool VanElozo = false, VanKovetkezo = false;
    EvHet Elozo, Kovetkezo, Sajat, ElsoHuzas;
    EvHet Ma; // today's year and week, for an append to an empty database
};
BevitelKornyezet Kornyezet(const HuzasAdatbazis& db, HuzasMuvelet m, int muvRekord, EvHet ma);

EvHetKeret KezdoKeret(const BevitelKornyezet& k);
// The rules again for a year the player chose.
EvHetKeret EvValtas(const BevitelKornyezet& k, const EvHetKeret& most, int ev);
// The hint of the week controls: the one value when only one is allowed.
std::string HetSugo(const EvHetKeret& k);

std::string_view BevitelFelirat(HuzasMuvelet m);
inline constexpr std::string_view PluszUtolsoInfo = "Kérem, a plusz számot utolsóként adja meg!";
inline constexpr std::string_view PluszModositasInfo =
    "Elsőként a plusz számot törölje a szelvényről.\rA számsor módosítását követően, "
    "utolsóként jelölje ki a plusz számot!\r";

// Where the entry dialog and its ticket stand (window frames included): beside the list,
// right of it when the pair fits there, else left of it; the ticket under the dialog; the
// pair inside the screen and never overlapping.
struct BevitelHelye {
    Teglalap Dialogus, Szelveny;
    bool operator==(const BevitelHelye&) const = default;
};
BevitelHelye BevitelElhelyezes(Teglalap lista, Teglalap kepernyo, int dialogusSz, int dialogusM,
                               int szelvenySz, int szelvenyM);

// The numbers clicked on the entry ticket: one row (two in game 7) of cells, the numbers
// ascending, and in game 6 with a plus number the last clicked number in the seventh cell.
class SzamsorBevitel {
public:
    void Kezdes(int jatek, bool pluszSzam);
    // Fills the rows with a stored draw (modify).
    void Betoltes(const Huzas& h);

    int Jatek() const { return jatek_; }
    int CellaDb() const { return cellaDb_; }
    int SzamsorSorszam() const { return sorszam_; } // 1 or 2
    const std::vector<int>& Cellak(int sor) const {
        return cellak_[static_cast<std::size_t>(sor - 1)];
    }
    // The numbers marked on the ticket for the row being entered.
    const std::vector<int>& Jeloltek() const { return jelolt_; }
    bool Jelolt(int szam) const;

    // A click on number n of the ticket; true when the ticket's marks changed.
    bool Kattintas(int n);
    // Shows row 1 or 2 on the ticket for correcting it.
    void SorValtas(int sor);
    bool RendbenLehet() const;
    // The record for the table; only complete rows make one.
    Huzas Rekord(int ev, int het) const;

private:
    void CellakFrissites();

    int jatek_ = 5;
    int cellaDb_ = 5;
    bool plusz_ = false;
    int sorszam_ = 1;
    bool masodikElkezdve_ = false;
    int utolsoKattintott_ = 0;
    std::vector<int> jelolt_;
    std::vector<int> cellak_[2];
};

} // namespace varion
