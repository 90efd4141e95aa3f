#include "breakdown/FedesTablak.h"

#include <algorithm>

namespace varion {
namespace {

// Calls `f` with every ascending choice of `k` positions out of `n`.
template <class F> void Kombinaciok(int n, int k, F f) {
    if (k > n) return;
    int p[8];
    for (int i = 0; i < k; ++i) p[i] = i;
    for (;;) {
        f(static_cast<const int*>(p));
        int i = k - 1;
        while (i >= 0 && p[i] == n - k + i) --i;
        if (i < 0) return;
        ++p[i];
        for (int j = i + 1; j < k; ++j) p[j] = p[j - 1] + 1;
    }
}

} // namespace

std::uint64_t FedesTablak::Rang(const SorMaszk& m) const {
    std::uint64_t r = 0;
    int i = 1;
    for (std::uint64_t w = m.a; w != 0; w &= w - 1) r += binom_[std::countr_zero(w)][i++];
    for (std::uint64_t w = m.b; w != 0; w &= w - 1) r += binom_[64 + std::countr_zero(w)][i++];
    return r;
}

std::int32_t FedesTablak::Index(const SorMaszk& m) const {
    const std::uint64_t r = Rang(m);
    if (!rangIndex_.empty()) return rangIndex_[r];
    const auto it = rangTerkep_.find(r);
    return it == rangTerkep_.end() ? -1 : it->second;
}

bool FedesTablak::Epites(std::span<const SorMaszk> jeloltek, int n, int k, int hibapont,
                         std::uint64_t korlat) {
    n_ = n;
    k_ = k;
    for (int i = 0; i <= 90; ++i) {
        binom_[i][0] = 1;
        for (int j = 1; j <= 8; ++j)
            binom_[i][j] = i == 0 ? 0 : binom_[i - 1][j - 1] + binom_[i - 1][j];
    }
    std::uint64_t szomszedsag = 1;
    for (int j = 1; j <= hibapont; ++j) szomszedsag += binom_[k][j] * binom_[n - k][j];
    if (jeloltek.size() * szomszedsag > korlat) return false;

    maszkok_.assign(jeloltek.begin(), jeloltek.end());
    const std::uint64_t osszes = binom_[n][k];
    if (osszes <= (std::uint64_t{1} << 24)) {
        rangIndex_.assign(osszes, -1);
        for (std::size_t c = 0; c < maszkok_.size(); ++c)
            rangIndex_[Rang(maszkok_[c])] = static_cast<std::int32_t>(c);
    } else {
        rangTerkep_.reserve(maszkok_.size());
        for (std::size_t c = 0; c < maszkok_.size(); ++c)
            rangTerkep_.emplace(Rang(maszkok_[c]), static_cast<std::int32_t>(c));
    }

    kezdet_.assign(1, 0);
    kezdet_.reserve(maszkok_.size() + 1);
    elemek_.clear();
    int be[8], ki[90];
    for (std::size_t c = 0; c < maszkok_.size(); ++c) {
        const SorMaszk m = maszkok_[c];
        int nb = 0, nk = 0;
        for (int i = 0; i < n; ++i) (Benne(m, i) ? be[nb++] : ki[nk++]) = i;
        elemek_.push_back(static_cast<std::int32_t>(c));
        for (int j = 1; j <= hibapont; ++j)
            Kombinaciok(nb, j, [&](const int* el) {
                SorMaszk alap = m;
                for (int i = 0; i < j; ++i) Torol(alap, be[el[i]]);
                Kombinaciok(nk, j, [&](const int* uj) {
                    SorMaszk x = alap;
                    for (int i = 0; i < j; ++i) Beallit(x, ki[uj[i]]);
                    if (const std::int32_t d = Index(x); d >= 0) elemek_.push_back(d);
                });
            });
        kezdet_.push_back(elemek_.size());
        legnagyobb_ = std::max(legnagyobb_, static_cast<std::int32_t>(kezdet_.back() - kezdet_[c]));
    }
    return true;
}

} // namespace varion
