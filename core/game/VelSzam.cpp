#include "game/VelSzam.h"

#include <charconv>

namespace varion {

namespace {

// The value of a text of digits only; -1 for anything else.
int Ertek(std::string_view s) {
    if (s.empty() || s.size() > 9) return -1;
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || p != s.data() + s.size() || v < 0) return -1;
    for (char c : s)
        if (c < '0' || c > '9') return -1;
    return v;
}

} // namespace

VelSzamTartomany VelSzamHatarok(int szabad) {
    if (szabad >= 4) return {2, szabad - 2};
    return {1, 1};
}

std::string VelSzamSugo(const VelSzamTartomany& t) {
    return " Minimum  : " + std::to_string(t.Minimum) +
           "\r Maximum : " + std::to_string(t.Maximum) + " ";
}

bool VelSzamBillentyuEngedett(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'\b';
}

std::string VelSzamSzovegValtozas(std::string_view szoveg, int maximum) {
    const int v = Ertek(szoveg);
    if (v < 0 || szoveg == "0" || v > maximum) return {};
    return std::string(szoveg);
}

bool VelSzamElhagyasHibas(std::string_view szoveg, const VelSzamTartomany& t) {
    const int v = Ertek(szoveg);
    return v < 1 || v < t.Minimum;
}

int VelSzamErtek(std::string_view szoveg, const VelSzamTartomany& t) {
    const int v = Ertek(szoveg);
    if (v < t.Minimum || v > t.Maximum) return 0;
    return v;
}

} // namespace varion
