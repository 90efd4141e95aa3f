// The settings dialog's decisions, free of widgets: its working copy of the ticket
// appearance and the scheme rule, the colour elements each ticket view knows, the price
// field, the breakdown capacity slider and the apply step that turns the dialog's values
// into new settings. The window binds its controls to this and shows what it says.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Beallitasok.h"
#include "game/SzelvSzinek.h"

namespace varion {

// --- the colour elements ---------------------------------------------------------------

inline constexpr int SzinElemDb = 11;
inline constexpr std::array<std::string_view, SzinElemDb> SzinElemNevek{
    "Szelvény háttér", "Jelöletlen számbox",  "Kijelölt számbox", "Szám",
    "Riport panel",    "Riport panel szöveg", "Kijelölt szám",    "Fix szám",
    "Állandó szám",    "Plusz szám",          "Véletlen szám"};
// The appearance entry an element of the colour list edits.
SzelvBejegyzes SzinElemBejegyzes(int elem);

// An element the view does not draw: the message and the element the list returns to.
struct ElemElutasitas {
    std::string Uzenet;
    int Visszaallas;
};
std::optional<ElemElutasitas> ElemEllenorzes(int nezet, int elem);

// The colours the colour list offers by name (a value outside it is the player's own).
struct NevesSzin {
    std::int32_t Ertek;
    std::string_view Nev;
};
const std::array<NevesSzin, 24>& SzinLista();
inline constexpr std::string_view SajatSzinNev = "Egyéni szín";

// --- the sample ticket -------------------------------------------------------------------

// One of the nine cells of the sample: which entries colour it and what its hint says.
struct MintaCella {
    int Szam;
    SzelvBejegyzes Hatter, Szoveg;
    bool Emelt; // raised and bold: a marked number of a kind
    std::string_view Sugo;
};
const std::array<MintaCella, 9>& MintaCellak();

// --- the price field -----------------------------------------------------------------------

// Whether the field may hold this text: digits and at most one decimal separator, at most
// six digits before it and two after it.
bool ArSzovegErvenyes(std::string_view szoveg, char tizedesJel);
// A price as the field shows it: no decimals when whole, otherwise at most two.
std::string ArSzoveg(double ar, char tizedesJel);
// The field's value; nothing when it is empty or not a positive price.
std::optional<double> ArErtek(std::string_view szoveg, char tizedesJel);
// What an unusable field is corrected to: 200 Forint or 1 Euro.
double AlapAr(int penznem);

// --- the breakdown capacity ----------------------------------------------------------------

inline constexpr std::int64_t KapacitasLepes = 100000;

// What the slider works from, taken when the dialog opens.
struct KapacitasAdat {
    std::int64_t Jelenlegi = KapacitasLepes; // the engine's BontasMaxMerete
    std::int64_t Teljes = 0;                 // C(MaxSzam, variable numbers of the ticket)
    std::int32_t Tarolt = 0;                 // rows of the breakdown in memory now
    int Jatek = 5;
    std::optional<std::uint64_t> SzabadMemoria; // unknown: no limit
};

// The rows the free memory allows a run to start with: 88 % of what the settings offer at
// most, plus the rows of the stored breakdown, which a new run frees first. Nothing when
// the free memory is unknown.
std::optional<std::int64_t> KapacitasKorlat(const KapacitasAdat& k);

struct KapacitasKijelzes {
    std::string Cimke;                  // "2 300 000 darab szelvény."
    bool Figyelmeztetes = false;        // the position is above the limit
    std::optional<std::int64_t> Korlat; // where the usable part of the slider ends
};

inline constexpr std::string_view KapacitasFigyelmeztetes =
    "Figyelmeztetés!\r\rA beállított méret meghaladja a szabad memóriában\r"
    "lefoglalható bontási tömb méretét. A program a megjelölt\r"
    "határig, 100 000 szelvényre kerekítve alkalmazza a beállítást.";

// --- the dialog ----------------------------------------------------------------------------

inline constexpr std::string_view BeallitasMentveSzoveg = "Beállítások elmentve.";
inline constexpr std::string_view IniMentesHibaSzoveg =
    "Nem sikerült megnyitni/írni a Varion program INI állományát!";
// Shown when confirmations are off and either of the two message boxes is clicked.
inline constexpr std::string_view JovahagyasKikapcsolasSzoveg =
    "Ha kikapcsolja a Jóváhagyást kérő ablak megjelenítése szolgáltatást,\ra program az Ön "
    "jóváhagyása nélkül törli az előző bontás számsorát,\ra kijelölt feltételeket  -  akkor "
    "is, ha azokat Ön még nem mentette el!\r\rAz utoljára törölt bontás számsorát és "
    "feltételeit, a Fájl menü\rVisszatöltés menüpontjára, vagy a Fájl menü alatt található "
    "ikonra\rklikkelve töltheti vissza.\rA tárgyalt szolgáltatás kikapcsolása esetén, az "
    "előző bontás\rvisszatöltése alkalmával is, az Ön figyelmeztetése nélkül,\r"
    "visszavonhatatlanul fogja törölni a program azt a számsort és\rfeltételeit, amiből még "
    "nem készült bontás!";

// What the controls show.
struct BeallitasUrlap {
    bool Jovahagyas = true, Inform = true, BeallitasokMentese = true, HintStatus = true;
    bool SzelvZarStatus = false;
    std::string Ar; // the price field's text
    int Penznem = 0;
    int Nezet = 0;    // the ticket view whose entries are edited
    int Szinsema = 0; // 0 "Alapértelmezett", 1 "Kedvenc"
    int Elem = 0;     // the colour element
    SzelvSzinTabla Munka;
    std::int64_t KapacitasMin = KapacitasLepes, KapacitasMax = KapacitasLepes;
    std::int64_t KapacitasPozicio = KapacitasLepes;
    int OptimalizalasIdo = 10;
};

// The settings after "Alkalmaz" and what the program must do with them.
struct BeallitasAlkalmazas {
    Beallitasok Uj;
    std::int64_t BontasMaxMerete = KapacitasLepes;
    bool PeldaTippUjra = false; // information is on: the example hint may come once more
};

// The cell and number sizes go in steps of 2 from their minimum (30 .. 48, 8 .. 14): a
// value between two steps is taken down to the lower one, one outside to the nearest end.
int ParosMeret(int ertek, int min, int max);

class BeallitasSzerkeszto {
public:
    explicit BeallitasSzerkeszto(char tizedesJel = ',') : tizedesJel_(tizedesJel) {}

    // Fills every control from the live settings and the engine (the dialog opens).
    void Megnyitas(const Beallitasok& b, const KapacitasAdat& k);

    const BeallitasUrlap& Urlap() const { return u_; }
    // The plain boxes and the time budget take what the player sets.
    BeallitasUrlap& Mezok() { return u_; }

    // "Szelvények": the view, the scheme rule, the sizes, the colours.
    void NezetValasztas(int nezet);
    void SemaValasztas(int sema);
    bool MeretSzerkesztheto() const { return u_.Szinsema == 1; }
    int Box() const;
    int SzamMeret() const;
    void BoxValtozas(int ertek);
    void SzamMeretValtozas(int ertek);
    // The element list: the message when the view does not draw the element (the list then
    // stands on the element it returns to).
    std::optional<std::string> ElemValasztas(int elem);
    // The selected element's colour in the selected scheme.
    std::int32_t ElemSzin() const;
    // The colour list: always into the "Kedvenc" scheme of the view.
    void SzinValasztas(std::int32_t szin);
    // ">>": a colour other than the shown one switches to "Kedvenc" and is taken. False when
    // nothing changed.
    bool TovabbiSzin(std::int32_t szin);
    // An entry of the selected view in the selected scheme (the sample draws with it).
    std::int32_t Bejegyzes(SzelvBejegyzes b) const;

    // "Általános": the price field and the currency.
    bool ArSzovegErvenyes(std::string_view szoveg) const;
    void ArValtozas(std::string szoveg) { u_.Ar = std::move(szoveg); }
    // The field is left: an unusable value is put back to the currency's default; true when
    // that happened (the window names the fault).
    bool ArKilepes();
    void PenznemValtozas(int penznem);

    // "Bontás": the slider.
    void KapacitasValtozas(std::int64_t pozicio);
    // What "Alkalmaz" stores for the current position.
    std::int64_t TaroltKapacitas() const;
    KapacitasKijelzes Kapacitas() const;

    // The settings "Alkalmaz" makes of `regi`, the live settings at that moment.
    BeallitasAlkalmazas Alkalmazas(const Beallitasok& regi) const;

private:
    BeallitasUrlap u_;
    KapacitasAdat k_;
    double arForint_ = 200.0, arEuro_ = 0.0; // the stored prices, shown on a currency switch
    char tizedesJel_;
};

} // namespace varion
