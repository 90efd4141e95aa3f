#include "support/FeltetelOrakulum.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace varion::teszt {

Vizsgalo::Vizsgalo(const FeltetelAdatok& a, Szamsor sz, int jatek, int K, HuzasTablaNezet h,
                   int utolso)
    : f(Keszlet(a, sz, jatek)), szamok(std::move(sz)) {
    v.Elokeszites(f, szamok, jatek, K, h, utolso);
}

bool Vizsgalo::operator()(std::vector<std::uint8_t> poz, int elsoHuzas) {
    if (!f.FeltetelJelzo) return true;
    std::array<std::uint8_t, 8> b{};
    std::copy(poz.begin(), poz.end(), b.begin());
    int mp = static_cast<int>(poz.size()) - 1;
    v.HuzasIndex = elsoHuzas;
    return v.FeltVizsgalat(b.data(), mp);
}

SorLista NyersSzures(const FeltetelAdatok& a, const Szamsor& sz, int jatek, int K,
                     HuzasTablaNezet h, int elsoHuzas, int utolsoHuzas) {
    Vizsgalo v(a, sz, jatek, K, h, utolsoHuzas);
    SorLista ki;
    const int N = static_cast<int>(sz.size());
    std::vector<std::uint8_t> c(static_cast<std::size_t>(K));
    std::iota(c.begin(), c.end(), 0);
    for (;;) {
        if (v(c, elsoHuzas)) ki.push_back(c);
        int i = K - 1;
        while (i >= 0 && c[static_cast<std::size_t>(i)] == N - K + i) --i;
        if (i < 0) break;
        ++c[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < K; ++j)
            c[static_cast<std::size_t>(j)] =
                static_cast<std::uint8_t>(c[static_cast<std::size_t>(j - 1)] + 1);
    }
    return ki;
}

} // namespace varion::teszt
