// The rules of the random-numbers dialog: the range it offers, what its edit keeps and
// what leaving the edit corrects.
#pragma once

#include <string>
#include <string_view>

namespace varion {

struct VelSzamTartomany {
    int Minimum;
    int Maximum;
};

// With `szabad` numbers still free on the ticket: 2..szabad - 2 when at least four are
// free, otherwise 1..1.
VelSzamTartomany VelSzamHatarok(int szabad);

// " Minimum  : 2\r Maximum : 30 "
std::string VelSzamSugo(const VelSzamTartomany& t);

// Only digits and backspace may be typed into the edit.
bool VelSzamBillentyuEngedett(char32_t karakter);

// The text after a change: kept when non-empty, not "0" and not above the maximum,
// otherwise emptied.
std::string VelSzamSzovegValtozas(std::string_view szoveg, int maximum);

// Leaving the edit: true when the text must be reset to the minimum (with the invalid
// parameter message). Empty, "0" and anything below the minimum are refused; so "1" is
// refused while the minimum is 2 and accepted when the range is 1..1, which is then the
// only count the dialog can offer.
bool VelSzamElhagyasHibas(std::string_view szoveg, const VelSzamTartomany& t);

// How many random numbers "Kijelölés" marks for the text; 0 for nothing usable.
int VelSzamErtek(std::string_view szoveg, const VelSzamTartomany& t);

} // namespace varion
