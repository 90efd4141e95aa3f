#include "breakdown/TalalatKereses.h"

#include <algorithm>
#include <utility>

#include "breakdown/BontListaSzovegek.h"

namespace varion {

namespace {

std::string JobbraIgazit(std::string s, int szelesseg) {
    // Right-aligned in characters; every character here but "á" is one byte.
    int hossz = 0;
    for (char c : s) hossz += (c & 0xC0) != 0x80;
    if (hossz < szelesseg) s.insert(0, static_cast<std::size_t>(szelesseg - hossz), ' ');
    return s;
}

} // namespace

std::vector<KeresElem> KeresElemek(int jatek, const TalalatOsztalyok& o) {
    std::vector<KeresElem> ki;
    for (int t = jatek; t >= jatek - 3; --t) {
        if (t == 5 && jatek == 6 && o.Plusz > 0)
            ki.push_back({JobbraIgazit("5+1 találat", 13), -1});
        if (o.Osztalyban(t, jatek) > 0)
            ki.push_back({JobbraIgazit(std::to_string(t) + "   találat", 15), t});
    }
    if (ki.size() > 1) ki.insert(ki.begin(), KeresElem{"Minden találat", 0, true});
    return ki;
}

TalalatKereses::TalalatKereses(TalalatSzamlalo szamlalo, const TalalatOsztalyok& o)
    : szamlalo_(std::move(szamlalo)), elemek_(KeresElemek(szamlalo_.Jatek(), o)),
      jatek_(szamlalo_.Jatek()) {
    if (!elemek_.empty()) Valaszt(0);
}

void TalalatKereses::Valaszt(std::size_t elem) {
    if (elem >= elemek_.size()) return;
    valasztott_ = elem;
    elem_ = elemek_[elem];
    elso_ = utolso_ = -1;
    const std::int32_t n = szamlalo_.Sorok();
    for (std::int32_t r = 0; r < n; ++r)
        if (Illik(r)) {
            elso_ = r;
            break;
        }
    for (std::int32_t r = n - 1; r >= 0 && elso_ >= 0; --r)
        if (Illik(r)) {
            utolso_ = r;
            break;
        }
}

std::int32_t TalalatKereses::Kovetkezo(std::int32_t sor) const {
    if (utolso_ < 0 || sor >= utolso_) return utolso_;
    for (std::int32_t r = std::max(sor + 1, elso_); r < utolso_; ++r)
        if (Illik(r)) return r;
    return utolso_;
}

std::int32_t TalalatKereses::Elozo(std::int32_t sor) const {
    if (elso_ < 0 || sor <= elso_) return elso_;
    for (std::int32_t r = std::min(sor - 1, utolso_); r > elso_; --r)
        if (Illik(r)) return r;
    return elso_;
}

std::int32_t TalalatKereses::Lepes(KeresGomb g, std::int32_t sor) const {
    switch (g) {
    case KeresGomb::Elso:
        return elso_;
    case KeresGomb::Vissza:
        return Elozo(sor);
    case KeresGomb::Tovabb:
        return Kovetkezo(sor);
    case KeresGomb::Utolso:
        return utolso_;
    }
    return -1;
}

bool TalalatKereses::Engedve(KeresGomb g, std::int32_t sor) const {
    if (g == KeresGomb::Elso || g == KeresGomb::Vissza) return elso_ >= 0 && sor > elso_;
    return utolso_ >= 0 && sor < utolso_;
}

std::string TalalatKereses::Sugo(KeresGomb g, std::int32_t sor) const {
    const std::string n = elem_.Minden      ? "n"
                          : elem_.Ertek < 0 ? "5+1"
                                            : std::to_string(elem_.Ertek);
    if (!Engedve(g, sor))
        return (g == KeresGomb::Elso || g == KeresGomb::Vissza ? " Az első " : " Az utolsó ") + n +
               " találatos számsor van kiválasztva. ";
    static constexpr const char* Irany[] = {"az első", "az előző", "a következő", "az utolsó"};
    return std::string(" Ugrás ") + Irany[static_cast<int>(g)] + " " + n + " találatos számsorra. ";
}

} // namespace varion
