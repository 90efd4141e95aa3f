#include "support/HibapontOrakulum.h"

namespace varion::teszt {

HibapontOrakulum::HibapontOrakulum(const TBontas& b, int hibapont)
    : N_(b.JeloltDb()), K_(b.SorHossz()), e_(hibapont), felt_(b.Feltetelek().FeltetelJelzo),
      min_(b.BontMutMin), max_(b.BontMutMax) {
    vizsgalo_.Elokeszites(b.Feltetelek(), b.BontasSzamok(), b.Jatek(), K_, {}, 0);
}

bool HibapontOrakulum::Hibapontos(std::uint8_t* b) const {
    const int K = K_;
    for (auto r = sorok_.size(); r-- > 0;) {
        const auto& sor = sorok_[r];
        int allow = kozosMax_;
        for (int p = 0; p < K - allow; ++p) {
            bool talalt = false;
            for (int i = 0; i < K - allow; ++i) talalt = talalt || sor[i] == b[p];
            if (!talalt) continue;
            if (allow > 0) {
                --allow;
                continue;
            }
            if (p >= K - 1) return false;
            if (tobbKor_ && !felt_ && p + 2 < K && b[p + 2] < mx_[p]) {
                b[p] += 2;
                for (int q = p + 1; q < K; ++q)
                    b[q] = b[q - 1] + 2 <= mx_[q] ? b[q - 1] + 2 : b[q - 1] + 1;
            } else {
                ++b[p];
                for (int q = p + 1; q < K; ++q) b[q] = b[q - 1] + 1;
            }
            --b[K - 1];
            return false;
        }
    }
    return true;
}

int HibapontOrakulum::Generalas(std::array<std::uint8_t, 8>& b, int& mp, bool egy) {
    unsigned lepes = 0;
    while (mp >= 0) {
        if ((++lepes & 0xFFFu) == 0 && std::chrono::steady_clock::now() > Hatarido) {
            Kesz = false;
            return 1;
        }
        if (b[mp] < mx_[mp]) {
            ++b[mp];
            if (mp < K_ - 1) {
                b[mp + 1] = b[mp];
                ++mp;
                continue;
            }
            if (felt_ && !vizsgalo_.FeltVizsgalat(b.data(), mp)) continue;
            if (e_ > 0 && !Hibapontos(b.data())) continue;
            sorok_.push_back(b);
            if (egy) return 0;
        } else {
            --mp;
        }
    }
    return 1;
}

std::vector<std::array<std::uint8_t, 8>> HibapontOrakulum::Start() {
    sorok_.clear();
    mx_ = max_;
    for (int kor = K_ - 1 - e_; kor >= 0 && Kesz; --kor) {
        tobbKor_ = kor >= 1;
        kozosMax_ = (K_ - 1 - e_) - kor;
        auto b = min_;
        --b[K_ - 1];
        int mp = K_ - 1;
        Generalas(b, mp, false);
    }
    return sorok_;
}

std::vector<std::array<std::uint8_t, 8>> HibapontOrakulum::OptBontStart() {
    sorok_.clear();
    tobbKor_ = false;
    mx_ = max_;
    std::vector<std::array<std::uint8_t, 8>> folyamok;
    auto nyit = [&](bool csokkentve) {
        folyamok.assign(static_cast<std::size_t>(N_ - K_ + 1), {});
        for (int s = 0; s <= N_ - K_; ++s) {
            for (int i = 0; i < K_; ++i) folyamok[s][i] = static_cast<std::uint8_t>(s + i);
            if (csokkentve) --folyamok[s][K_ - 1];
        }
    };
    nyit(true);
    for (int kor = K_ - 1 - e_; kor >= 0 && Kesz; --kor) {
        if (kor != K_ - 1 - e_) nyit(false);
        kozosMax_ = (K_ - 1 - e_) - kor;
        while (!folyamok.empty() && Kesz) {
            for (std::size_t s = 0; s < folyamok.size(); ++s) {
                int mp = K_ - 1;
                mx_[0] = static_cast<std::uint8_t>(folyamok[s][0] + 1);
                auto b = folyamok[s];
                if (Generalas(b, mp, true) == 1) {
                    folyamok.resize(s);
                    break;
                }
                folyamok[s] = b;
            }
        }
    }
    if (!Kesz) return sorok_;
    mx_ = max_;
    auto b = min_;
    --b[K_ - 1];
    int mp = K_ - 1;
    kozosMax_ = K_ - 1 - e_;
    Generalas(b, mp, false);
    return sorok_;
}

} // namespace varion::teszt
