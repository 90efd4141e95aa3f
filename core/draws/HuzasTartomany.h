// The three stretches of the draw database that features look at: the main ticket's
// statistics, the hit-ratio condition and the number-row search. Each is a first and a
// last draw number; the rules of the range dialog are here as pure functions.
#pragma once

#include <array>
#include <string_view>

namespace varion {

enum class TartomanyFajta : int { Statisztika = 1, Bontas = 2, Kereses = 3 };

struct Tartomany {
    int Elso = 1;
    int Utolso = 0;
    bool operator==(const Tartomany&) const = default;
};

// The whole database: 1..n. An empty database has the empty range 1..0.
constexpr Tartomany TeljesTartomany(int huzasDb) {
    return {1, huzasDb < 0 ? 0 : huzasDb};
}

// A range moved inside 1 <= first <= last <= n, keeping first < last when n >= 2.
Tartomany Igazitas(Tartomany t, int huzasDb);

// Spinner limits of the dialog. With one draw both are 1..1.
struct TartomanyHatarok {
    int ElsoMin, ElsoMax, UtolsoMin, UtolsoMax;
};
TartomanyHatarok Hatarok(int huzasDb);

// A typed value after its edit lost the focus: the corrected value and whether the
// invalid-parameter box is due. `szoveg` holds digits only (the edit accepts no others).
struct Javitas {
    int Ertek;
    bool Hiba;
};
Javitas ElsoEllenorzes(std::string_view szoveg, int utolso, int huzasDb);
Javitas UtolsoEllenorzes(std::string_view szoveg, int elso, int huzasDb);

// Spinner clicks keep the order by moving the other end.
Tartomany ElsoLeptetes(int ujElso, int utolso, int huzasDb);
Tartomany UtolsoLeptetes(int elso, int ujUtolso, int huzasDb);

// Labels and the "all draws" box after every change in the dialog.
struct TartomanyKijelzes {
    bool MindenHuzas; // the range is the whole database (box checked)
    std::string_view ElsoFelirat;
    std::string_view UtolsoFelirat;
};
TartomanyKijelzes Kijelzes(Tartomany t, int huzasDb);

inline constexpr std::string_view HuzasSzamaFelirat = "  Húzások száma";
std::string_view PanelCim(TartomanyFajta f);
// Hints of the first- and last-draw controls (n is the draw count).
std::string ElsoSugo(int huzasDb);
std::string UtolsoSugo(int huzasDb);

class HuzasTartomanyok {
public:
    // All three ranges := the whole database of `huzasDb` draws.
    void MindenHuzas(int huzasDb);
    void MindenHuzas(TartomanyFajta f);
    int HuzasDb() const { return huzasDb_; }

    Tartomany Get(TartomanyFajta f) const { return t_[Idx(f)]; }
    // Stores the range corrected into the database.
    void Set(TartomanyFajta f, Tartomany t) { t_[Idx(f)] = Igazitas(t, huzasDb_); }

    int GetHuzSzamaElso() const { return Get(TartomanyFajta::Statisztika).Elso; }
    int GetHuzSzamaUtolso() const { return Get(TartomanyFajta::Statisztika).Utolso; }
    int GetBontHuzSzamaElso() const { return Get(TartomanyFajta::Bontas).Elso; }
    int GetBontHuzSzamaUtolso() const { return Get(TartomanyFajta::Bontas).Utolso; }
    int GetLHuzSzamaElso() const { return Get(TartomanyFajta::Kereses).Elso; }
    int GetLHuzSzamaUtolso() const { return Get(TartomanyFajta::Kereses).Utolso; }
    void SetHuzSzamaElso(int v) { SetElso(TartomanyFajta::Statisztika, v); }
    void SetHuzSzamaUtolso(int v) { SetUtolso(TartomanyFajta::Statisztika, v); }
    void SetBontHuzSzamaElso(int v) { SetElso(TartomanyFajta::Bontas, v); }
    void SetBontHuzSzamaUtolso(int v) { SetUtolso(TartomanyFajta::Bontas, v); }
    void SetLHuzSzamaElso(int v) { SetElso(TartomanyFajta::Kereses, v); }
    void SetLHuzSzamaUtolso(int v) { SetUtolso(TartomanyFajta::Kereses, v); }

private:
    static std::size_t Idx(TartomanyFajta f) { return static_cast<std::size_t>(f) - 1; }
    void SetElso(TartomanyFajta f, int v);
    void SetUtolso(TartomanyFajta f, int v);

    int huzasDb_ = 0;
    std::array<Tartomany, 3> t_{};
};

} // namespace varion
