#include "breakdown/SulyozottFedes.h"

#include <algorithm>

namespace varion {

namespace {
inline std::size_t I(std::int32_t i) {
    return static_cast<std::size_t>(i);
}
} // namespace

SulyozottFedes::SulyozottFedes(const FedesTablak& t, std::uint64_t mag) : t_(t), g_(mag) {}

void SulyozottFedes::Kezdes(const std::vector<std::int32_t>& fedes) {
    const std::size_t n = I(t_.Db());
    fedes_.assign(n, 0);
    xor_.assign(n, 0);
    suly_.assign(n, 1);
    hely_.resize(n);
    fedetlen_.resize(n);
    pont_.resize(n);
    ido_.assign(n, 0);
    szabad_.assign(n, 1);
    helyS_.assign(n, -1);
    for (std::size_t c = 0; c < n; ++c) {
        hely_[c] = static_cast<std::int32_t>(c);
        fedetlen_[c] = static_cast<std::int32_t>(c);
        Pont db = 0;
        munka_ += t_.Bejar(static_cast<std::int32_t>(c), [&db](std::int32_t) { ++db; });
        pont_[c] = db;
    }
    jegyek_.clear();
    tiltott_ = -1;
    for (const std::int32_t j : fedes)
        if (helyS_[I(j)] < 0) Hozzaad(j);
    legjobb_ = jegyek_;
}

void SulyozottFedes::FedetlenBe(std::int32_t c) {
    hely_[I(c)] = static_cast<std::int32_t>(fedetlen_.size());
    fedetlen_.push_back(c);
}

void SulyozottFedes::FedetlenKi(std::int32_t c) {
    const std::int32_t h = hely_[I(c)];
    const std::int32_t utolso = fedetlen_.back();
    fedetlen_[I(h)] = utolso;
    hely_[I(utolso)] = h;
    fedetlen_.pop_back();
    hely_[I(c)] = -1;
}

// A row's gain outside the cover is exactly its loss once inside (the holes it covers are
// then covered by it alone), so entering and leaving flip the sign of its own figure.
void SulyozottFedes::Hozzaad(std::int32_t j) {
    helyS_[I(j)] = static_cast<std::int32_t>(jegyek_.size());
    jegyek_.push_back(j);
    pont_[I(j)] = -pont_[I(j)];
    ido_[I(j)] = lepes_;
    munka_ += t_.Bejar(j, [&](std::int32_t c) {
        std::int32_t& f = fedes_[I(c)];
        const Pont w = suly_[I(c)];
        if (f == 0) {
            FedetlenKi(c);
            munka_ += t_.Bejar(c, [&](std::int32_t k) {
                if (k != j) {
                    pont_[I(k)] -= w;
                    szabad_[I(k)] = 1;
                }
            });
        } else if (f == 1) {
            pont_[I(xor_[I(c)])] += w; // its single row no longer loses it alone
        }
        ++f;
        xor_[I(c)] ^= j;
    });
}

void SulyozottFedes::Elvesz(std::int32_t j) {
    const std::int32_t h = helyS_[I(j)];
    const std::int32_t utolso = jegyek_.back();
    jegyek_[I(h)] = utolso;
    helyS_[I(utolso)] = h;
    jegyek_.pop_back();
    helyS_[I(j)] = -1;
    pont_[I(j)] = -pont_[I(j)];
    ido_[I(j)] = lepes_;
    szabad_[I(j)] = 0;
    munka_ += t_.Bejar(j, [&](std::int32_t c) {
        std::int32_t& f = fedes_[I(c)];
        const Pont w = suly_[I(c)];
        --f;
        xor_[I(c)] ^= j;
        if (f == 0) {
            FedetlenBe(c);
            munka_ += t_.Bejar(c, [&](std::int32_t k) {
                if (k != j) {
                    pont_[I(k)] += w;
                    szabad_[I(k)] = 1;
                }
            });
        } else if (f == 1) {
            pont_[I(xor_[I(c)])] -= w;
        }
    });
}

std::int32_t SulyozottFedes::Kilepo(std::int32_t tiltott) {
    munka_ += static_cast<std::int64_t>(jegyek_.size());
    std::int32_t legjobb = -1;
    for (const std::int32_t j : jegyek_) {
        if (j == tiltott) continue;
        if (legjobb < 0 || pont_[I(j)] > pont_[I(legjobb)] ||
            (pont_[I(j)] == pont_[I(legjobb)] && ido_[I(j)] < ido_[I(legjobb)]))
            legjobb = j;
    }
    return legjobb;
}

std::int32_t SulyozottFedes::Belepo(std::int32_t c) {
    std::int32_t legjobb = -1, barmelyik = -1;
    munka_ += t_.Bejar(c, [&](std::int32_t k) {
        const auto jobb = [&](std::int32_t m) {
            return m < 0 || pont_[I(k)] > pont_[I(m)] ||
                   (pont_[I(k)] == pont_[I(m)] && ido_[I(k)] < ido_[I(m)]);
        };
        if (szabad_[I(k)] && jobb(legjobb)) legjobb = k;
        if (jobb(barmelyik)) barmelyik = k;
    });
    return legjobb >= 0 ? legjobb : barmelyik;
}

void SulyozottFedes::Kor(std::int64_t munkaHatar, std::int32_t alsoKorlat) {
    while (munka_ < munkaHatar) {
        if (fedetlen_.empty()) {
            legjobb_ = jegyek_;
            if (static_cast<std::int32_t>(jegyek_.size()) <= std::max(1, alsoKorlat)) return;
            Elvesz(Kilepo(-1));
            tiltott_ = -1;
            continue;
        }
        ++lepes_;
        if (const std::int32_t ki = Kilepo(tiltott_); ki >= 0) Elvesz(ki);
        const std::int32_t lyuk = fedetlen_[g_.Szam(static_cast<std::uint32_t>(fedetlen_.size()))];
        tiltott_ = Belepo(lyuk);
        Hozzaad(tiltott_);
        for (const std::int32_t c : fedetlen_) {
            ++suly_[I(c)];
            munka_ += t_.Bejar(c, [this](std::int32_t k) { ++pont_[I(k)]; });
        }
    }
}

} // namespace varion
