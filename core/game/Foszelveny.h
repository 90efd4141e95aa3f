// The main ticket: the player's four rows of numbers, the state of every cell of its grid,
// the mark/unmark operation with its limits, the clearing commands, the lock, the views and
// the refresh that keeps the main window's commands in step. The window only draws what
// this holds and forwards clicks to it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Uzenetek.h"
#include "base/Veletlen.h"
#include "game/FoszelvenyParancsok.h"
#include "game/FoszelvenySzamok.h"
#include "game/SzelvSzinek.h"

namespace varion {

// What a cell shows; every kind but Jeloletlen is a raised (marked) cell.
enum class CellaJeloles { Jeloletlen, Normal, Fix, Allando, Veletlen };

struct Cella {
    bool Emelt = false; // the raised state is the mark
    CellaJeloles Jeloles = CellaJeloles::Jeloletlen;
    std::string Sugo;
};

enum class NezetMod : int { Normal = 0, Hanyszor = 1, HanyHuzasOta = 2, Sorrend = 3 };

// What the main ticket needs from the rest of the program. The defaults stand for a program
// without conditions and without a finished breakdown.
class FoszelvenyKornyezet {
public:
    virtual ~FoszelvenyKornyezet() = default;
    virtual void FeltetelekTorlese() {}
    virtual bool VanKeszBontas() const { return false; }
    virtual bool VanFeltetel() const { return false; }
    // Whether a finished breakdown may be thrown away (may ask the player).
    virtual bool BontasEldobhato() { return true; }
    // A finished breakdown exists and the ticket changes: the reload command may be offered.
    virtual void VisszatoltesAjanlasa() {}
    // The grid's keyboard mark kind goes back to plain.
    virtual void JelolesFajtaNullazas() {}
    // Per-number values of a draw statistic view over the ticket's draw range (index =
    // number - 1); nothing when there are no draws.
    virtual std::optional<std::vector<int>> HuzasStatisztika(NezetMod) { return std::nullopt; }
};

inline constexpr std::string_view FixHatarSzoveg = "Nem lehetséges több fix szám kijelölése.";

class TFoszelveny {
public:
    TFoszelveny(int jatek, FoszelvenyKornyezet& kornyezet, Uzenetek& uzenetek, Veletlen& veletlen,
                FoszelvenyParancsok& parancsok);

    int Jatek() const { return szamok_.Jatek(); }
    int MaxSzam() const { return szamok_.MaxSzam(); }
    const FoszelvenySzamok& Szamok() const { return szamok_; }
    FoszelvenySzamok& Szamok() { return szamok_; }
    int ValtozoSzamDb() const { return szamok_.ValtozoSzamDb(); }
    bool Fix(int n) const;
    bool Allando(int n) const;
    bool VeletlenSzam(int n) const;
    bool Jelolt(int n) const;

    const Cella& CellaAdat(int n) const { return cellak_.at(static_cast<std::size_t>(n - 1)); }
    bool Emelt(int n) const { return CellaAdat(n).Emelt; }
    std::string CellaSzoveg(int n) const;
    // Cell hints appear as bubbles only in the statistic views.
    bool CellaBuborek() const { return nezet_ != NezetMod::Normal; }

    // The single mark/unmark operation.
    void SzamValtas(int n, bool csakKijelzes, bool torles, SzamFajta fajta);

    // Mouse on the grid: a left click with the keyboard's mark kind, and painting with the
    // right button held.
    void Kattintas(int n, int jelolesFajta);
    void JobbGombMozgas(int n, int jelolesFajta);
    void JobbGombFelengedes() { utolsoCella_ = 0; }

    // The question before the ticket's contents are thrown away.
    bool TorlesJovahagyas();

    // Runs when the count of marked or of fixed numbers changed since the last run, or
    // always with `kenyszer`.
    void Frissites(bool kenyszer = false);
    const std::string& RiportSzoveg() const { return riport_; }

    // Commands of the main window.
    // "Kijelölés mind"; an example breakdown, which asked before it began, marks without
    // the question.
    void MindKijelol(bool kerdessel = true);
    void MindTorles();
    void BontasSzamaiTorles();
    void FixTorles();
    void AllandoTorles();
    void VeletlenTorles();
    void UjFoszelveny();
    void EgyVeletlenSzam();
    void Zarolas();
    void Feloldas();
    bool Zarolt() const { return zarolt_; }
    // Shows every cell as the rows now hold it and refreshes everything that depends on
    // them (after the rows were written directly, as a loaded file does).
    void SorokKijelzese();
    // Order mode of the breakdown row; false when nothing changed.
    bool SetSzamsorrend(Szamsorrend mod);

    // Views.
    void Nezet(NezetMod mod);
    NezetMod GetNezetMod() const { return nezet_; }
    const std::vector<int>& StatErtekek() const { return stat_; }
    const std::string& Felirat() const { return felirat_; }

private:
    Cella& CellaIr(int n) { return cellak_.at(static_cast<std::size_t>(n - 1)); }
    void Megjelenit(int n, CellaJeloles jeloles);
    void SwapVegere(SzamFajta fajta, int n);
    void ParancsZaras();
    void VeletlenEsUjAllapot();
    void SorrendNezetFrissites();
    void Vege(); // common end of the clearing commands

    FoszelvenySzamok szamok_;
    FoszelvenyKornyezet& kornyezet_;
    Uzenetek& uzenetek_;
    Veletlen& veletlen_;
    FoszelvenyParancsok& parancsok_;
    std::vector<Cella> cellak_;
    std::vector<int> stat_;
    NezetMod nezet_ = NezetMod::Normal;
    std::string felirat_ = "  Főszelvény";
    std::string riport_ = " Kijelölve: ";
    int utolsoCella_ = 0;
    int elozoJelolt_ = -1, elozoFix_ = -1;
    bool zarolt_ = false;
    bool frissul_ = false;
};

// The hint of a cell for a state.
std::string CellaSugo(CellaJeloles jeloles, int n);
// The appearance entry that colours the number of a cell marked so.
SzelvBejegyzes CellaSzovegSzin(CellaJeloles jeloles);

// "Saját számokkal" needs exactly the game's count of constant numbers and nothing else:
// the example's conditions are derived from a whole row, and a fixed number would leave
// shorter rows to apply them to.
bool SajatSzamokkalLehet(const FoszelvenySzamok& sz);
// Its hint for the ticket's state; a disabled command's hint says why.
std::string SajatSzamokAllapotSugo(const FoszelvenySzamok& sz);

// The information panel's text, lines separated by "\r".
std::string RiportPanelSzoveg(const FoszelvenySzamok& szamok);

} // namespace varion
