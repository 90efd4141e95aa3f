#include "breakdown/FedesTablak.h"

#include <algorithm>

namespace varion {
namespace {

std::uint64_t Binom(int n, int k) {
    if (k < 0 || k > n) return 0;
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * static_cast<std::uint64_t>(n - k + i) / i;
    return r;
}

} // namespace

FedesMeret FedesMeretSzamitas(int n, int k, int hibapont) {
    FedesMeret m;
    if (n < k || k < 1) return m;
    m.Jeloltek = Binom(n, k);
    for (int j = 0; j <= hibapont; ++j) m.Szomszedsag += Binom(k, j) * Binom(n - k, j);
    return m;
}

bool FedesTablak::Epites(std::span<const SorMaszk> jeloltek, int n, int k, int hibapont) {
    n_ = n;
    k_ = k;
    e_ = std::clamp(hibapont, 0, 3);
    for (int i = 0; i <= 90; ++i) {
        binom_[i][0] = 1;
        for (int j = 1; j <= 8; ++j)
            binom_[i][j] = i == 0 ? 0 : binom_[i - 1][j - 1] + binom_[i - 1][j];
    }
    const FedesMeret meret = FedesMeretSzamitas(n, k, e_);
    if (meret.Jeloltek > (std::uint64_t{1} << 32) || jeloltek.size() > meret.Jeloltek) return false;
    szomszedsag_ = static_cast<std::int32_t>(meret.Szomszedsag);

    maszkok_.assign(jeloltek.begin(), jeloltek.end());
    rangIndex_.assign(meret.Jeloltek, -1);
    for (std::size_t c = 0; c < maszkok_.size(); ++c)
        rangIndex_[Rang(maszkok_[c])] = static_cast<std::int32_t>(c);

    kezdet_.clear();
    elemek_.clear();
    if (maszkok_.size() * meret.Szomszedsag > TablaKorlat) return true;
    std::vector<std::size_t> kezdet;
    kezdet.reserve(maszkok_.size() + 1);
    kezdet.push_back(0);
    auto tarol = [this](std::int32_t d) { elemek_.push_back(d); };
    for (std::size_t c = 0; c < maszkok_.size(); ++c) {
        Felsorol(static_cast<std::int32_t>(c), tarol);
        kezdet.push_back(elemek_.size());
    }
    kezdet_ = std::move(kezdet);
    return true;
}

} // namespace varion
