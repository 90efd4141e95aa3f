#include "draws/HuzasTartomany.h"

#include <algorithm>
#include <string>

namespace varion {

Tartomany Igazitas(Tartomany t, int n) {
    if (n <= 0) return TeljesTartomany(0);
    if (n == 1) return {1, 1};
    const int elso = std::clamp(t.Elso, 1, n - 1);
    const int utolso = std::clamp(t.Utolso, elso + 1, n);
    return {elso, utolso};
}

TartomanyHatarok Hatarok(int n) {
    if (n <= 1) return {1, 1, 1, 1};
    return {1, n - 1, 2, n};
}

namespace {

// Digits as a number; values too large for an int count as "very large".
long long Ertelmezes(std::string_view s, bool& ures) {
    ures = s.empty();
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        v = std::min(v * 10 + (c - '0'), 1'000'000'000'000LL);
    }
    return v;
}

} // namespace

Javitas ElsoEllenorzes(std::string_view szoveg, int utolso, int n) {
    const auto h = Hatarok(n);
    bool ures = false;
    const long long v = Ertelmezes(szoveg, ures);
    if (ures || v < 1) return {1, true};
    if (v > h.ElsoMax) return {std::clamp(utolso - 1, h.ElsoMin, h.ElsoMax), true};
    const int elso = static_cast<int>(v);
    // A first draw at or after the last one cannot stay; the last one is the anchor.
    if (n >= 2 && elso >= utolso) return {std::clamp(utolso - 1, h.ElsoMin, h.ElsoMax), true};
    return {elso, false};
}

Javitas UtolsoEllenorzes(std::string_view szoveg, int elso, int n) {
    const auto h = Hatarok(n);
    bool ures = false;
    const long long v = Ertelmezes(szoveg, ures);
    const int elvart = std::clamp(elso + 1, h.UtolsoMin, h.UtolsoMax);
    if (ures || v < 1 || (v == 1 && n >= 2)) return {elvart, true};
    if (v > h.UtolsoMax) return {h.UtolsoMax, true};
    const int utolso = static_cast<int>(v);
    if (n >= 2 && utolso <= elso) return {elvart, true};
    return {utolso, false};
}

Tartomany ElsoLeptetes(int ujElso, int utolso, int n) {
    const auto h = Hatarok(n);
    const int elso = std::clamp(ujElso, h.ElsoMin, h.ElsoMax);
    if (n >= 2 && elso >= utolso) utolso = elso + 1;
    return Igazitas({elso, utolso}, n);
}

Tartomany UtolsoLeptetes(int elso, int ujUtolso, int n) {
    const auto h = Hatarok(n);
    const int utolso = std::clamp(ujUtolso, h.UtolsoMin, h.UtolsoMax);
    if (n >= 2 && utolso <= elso) elso = utolso - 1;
    return Igazitas({elso, utolso}, n);
}

TartomanyKijelzes Kijelzes(Tartomany t, int n) {
    if (t.Utolso >= n && t.Elso < 2) return {true, "Első lottóhúzás", "Utolsó lottóhúzás"};
    return {false, t.Elso == 1 ? "Első lottóhúzás" : "Beállított első húzás",
            t.Utolso == n ? "Utolsó lottóhúzás" : "Beállított utolsó húzás"};
}

std::string_view PanelCim(TartomanyFajta f) {
    switch (f) {
    case TartomanyFajta::Statisztika:
        return "Főszelvény statisztika";
    case TartomanyFajta::Bontas:
        return "Találati arány feltétel";
    case TartomanyFajta::Kereses:
        return "Számsor keresése az adatbázisban";
    }
    return {};
}

std::string ElsoSugo(int n) {
    return " Minimum  : 1 \r Maximum : " + std::to_string(Hatarok(n).ElsoMax) + " ";
}

std::string UtolsoSugo(int n) {
    return " Minimum  : 2\r Maximum : " + std::to_string(n) + " ";
}

void HuzasTartomanyok::MindenHuzas(int huzasDb) {
    huzasDb_ = std::max(huzasDb, 0);
    for (auto& t : t_) t = Igazitas(TeljesTartomany(huzasDb_), huzasDb_);
}

void HuzasTartomanyok::MindenHuzas(TartomanyFajta f) {
    t_[Idx(f)] = Igazitas(TeljesTartomany(huzasDb_), huzasDb_);
}

void HuzasTartomanyok::SetElso(TartomanyFajta f, int v) {
    Tartomany t = t_[Idx(f)];
    t.Elso = v;
    Set(f, t);
}

void HuzasTartomanyok::SetUtolso(TartomanyFajta f, int v) {
    Tartomany t = t_[Idx(f)];
    t.Utolso = v;
    Set(f, t);
}

} // namespace varion
