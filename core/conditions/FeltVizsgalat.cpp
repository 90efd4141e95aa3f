#include "conditions/FeltVizsgalat.h"

#include <algorithm>

#include "game/Jatek.h"

namespace varion {

void FeltetelVizsgalo::Elokeszites(const FeltetelKeszlet& f, const Szamsor& szamok, int jatek,
                                   int sorHossz, HuzasTablaNezet huzasok, int utolsoHuzas) {
    f_ = &f;
    a_ = &f.Adatok;
    jatek_ = jatek;
    K_ = sorHossz;
    maxSzam_ = MaxSzamJatek(jatek);
    szam_.assign(szamok.begin(), szamok.end());
    csoport_.resize(szamok.size());
    vegzodes_.resize(szamok.size());
    for (std::size_t i = 0; i < szamok.size(); ++i) {
        csoport_[i] = szamok[i] / 10;
        vegzodes_[i] = szamok[i] % 10;
    }
    huzasok_ = huzasok;
    // The plus number of game 6 is the last field and never compared.
    HuzasMezoDb = huzasok.Szelesseg - (jatek == 6 ? 1 : 0);
    if (jatek == 7) HuzasMezoDb = std::min(HuzasMezoDb, 17);
    UtolsoHuzas = std::clamp(utolsoHuzas, 0, huzasok.Sorok());
    HuzasIndex = 0;
    SkandiMezo = 0;
    Teljesult = 0;
}

const std::int32_t* FeltetelVizsgalo::HuzasSzamai(int index, bool masodik) const {
    return huzasok_.Sor(index) + (masodik ? 10 : 3);
}

int FeltetelVizsgalo::Talalat(const std::uint8_t* bontMut, int mezoTol, int mezoIg) const {
    // The variation's numbers as a mask; a draw number counts once when it is among them.
    std::uint64_t m0 = 0, m1 = 0;
    for (int i = 0; i < K_; ++i) {
        const int sz = szam_[bontMut[i]];
        if (sz < 64)
            m0 |= std::uint64_t{1} << sz;
        else
            m1 |= std::uint64_t{1} << (sz - 64);
    }
    const std::int32_t* sor = huzasok_.Sor(HuzasIndex);
    int h = 0;
    for (int m = mezoTol; m < mezoIg; ++m) {
        const std::int32_t sz = sor[m];
        if (sz < 1 || sz > maxSzam_) continue;
        h += static_cast<int>(((sz < 64 ? m0 >> sz : m1 >> (sz - 64)) & 1u));
    }
    return h;
}

bool FeltetelVizsgalo::FeltVizsgSkandi(const std::uint8_t* bontMut) {
    const int h = Talalat(bontMut, 10, std::max(10, HuzasMezoDb));
    SkandiMezo = std::max(10, HuzasMezoDb);
    return !(a_->TalArTalalat <= h && h <= a_->TalArTalalatMax);
}

bool FeltetelVizsgalo::ParosArany(int e, bool fix, bool paros, int min, int max, int m) const {
    if (fix) {
        const int c = paros ? e : K_ - e;
        return min <= c && c <= max;
    }
    // "Több": the chosen kind is in the majority. For odd ones the same strict majority
    // holds in every game, with or without fixed numbers.
    return paros ? e > m : 2 * e < K_;
}

int FeltetelVizsgalo::Ismetlodes(const std::uint8_t* bontMut, int K, const std::int32_t* ertek,
                                 bool egy, bool& hibas) {
    hibas = false;
    if (!egy) {
        int kulonbozo = 0;
        for (int i = 0; i < K; ++i) {
            bool uj = true;
            for (int j = 0; j < i && uj; ++j) uj = ertek[bontMut[j]] != ertek[bontMut[i]];
            kulonbozo += uj;
        }
        return K - kulonbozo;
    }
    int ismetlodo = -1, r = 0;
    for (int i = 0; i < K; ++i) {
        const int v = ertek[bontMut[i]];
        int c = 0;
        for (int j = i + 1; j < K; ++j) {
            if (ertek[bontMut[j]] != v) continue;
            if (ismetlodo < 0) ismetlodo = v;
            if (v != ismetlodo) {
                hibas = true;
                return 0;
            }
            ++c;
        }
        r = std::max(r, c);
    }
    return r;
}

bool FeltetelVizsgalo::FeltVizsgalat(std::uint8_t* bontMut, int& mutPoz) {
    const FeltetelAdatok& a = *a_;
    const int K = K_, L = K - 1;
    bool eredmeny = false;

    if (a.MobBe) {
        const int s = a.MobSzamai, k = std::clamp(a.MobTalalatMax, 0, K);
        for (int i = 0; i + k < K; ++i)
            if (bontMut[i + k] - bontMut[i] < s) return false;
        eredmeny = true;
        Teljesult |= teljesult::Mob;
    }
    if (a.FixBe) {
        const int s = std::max(1, a.FixSzamai), k = std::clamp(a.FixTalalatMax, 0, K);
        for (int i = 0; i + k < K; ++i)
            if (bontMut[i + k] / s == bontMut[i] / s) return false;
        eredmeny = true;
        Teljesult |= teljesult::Fix;
    }
    if (a.FavBe) {
        int c = 0;
        for (int i = 0; i < K; ++i)
            c += a.FavSzamai <= bontMut[i] + 1 && bontMut[i] + 1 <= a.FavSzamaiMax;
        if (c < a.FavTalalat) {
            if (bontMut[0] >= a.FavSzamaiMax) {
                mutPoz = -1; // every later variation starts beyond the range
            } else {
                const int p = K - a.FavTalalat;
                if (p >= 0 && p <= L && bontMut[p] < a.FavSzamai - 1) {
                    bontMut[p] = static_cast<std::uint8_t>(a.FavSzamai - 1);
                    for (int q = p + 1; q <= L; ++q)
                        bontMut[q] = static_cast<std::uint8_t>(bontMut[q - 1] + 1);
                    --bontMut[L];
                }
            }
            return false;
        }
        if (c > a.FavTalalatMax) return false;
        eredmeny = true;
        Teljesult |= teljesult::Fav;
    }
    if (a.SzcsParosBe) {
        int e = 0;
        for (int i = 0; i < K; ++i) e += (f_->SzamJelzo[bontMut[i]] & JelzoParosCsoport) != 0;
        if (!ParosArany(e, a.SzcsParosFix, a.SzcsParosTipus, a.SzcsParos, a.SzcsParosMax,
                        a.SzcsParos))
            return false;
        eredmeny = true;
        Teljesult |= teljesult::SzcsParos;
    }
    if (a.SzcsIsmetBe) {
        bool hibas;
        const int r = Ismetlodes(bontMut, K, csoport_.data(), a.SzcsIsmetEgy, hibas);
        if (hibas || r < a.SzcsIsmet || r > a.SzcsIsmetMax) return false;
        eredmeny = true;
        Teljesult |= teljesult::SzcsIsmet;
    }
    if (a.SzvParosBe) {
        int e = 0;
        for (int i = 0; i < K; ++i) e += (f_->SzamJelzo[bontMut[i]] & JelzoParos) != 0;
        if (!ParosArany(e, a.SzvParosFix, a.SzvParosTipus, a.SzvParos, a.SzvParosMax, a.SzvParos))
            return false;
        eredmeny = true;
        Teljesult |= teljesult::SzvParos;
    }
    if (a.SzvIsmetBe) {
        bool hibas;
        const int r = Ismetlodes(bontMut, K, vegzodes_.data(), a.SzvIsmetEgy, hibas);
        if (hibas || r < a.SzvIsmet || r > a.SzvIsmetMax) return false;
        eredmeny = true;
        Teljesult |= teljesult::SzvIsmet;
    }
    if (a.EsemOsszegBe) {
        int s = 0;
        for (int i = 0; i < K; ++i) s += szam_[bontMut[i]];
        if (s < a.EsemOsszFix || s > a.EsemOsszMax) return false;
        eredmeny = true;
        Teljesult |= teljesult::Osszeg;
    }
    if (a.IkerszamBe) {
        int t = 0;
        for (int i = 0; i < K; ++i) t += (f_->SzamJelzo[bontMut[i]] & JelzoIkerszam) != 0;
        if (t < a.Ikerszam || t > a.IkerszamMax) return false;
        eredmeny = true;
        Teljesult |= teljesult::Ikerszam;
    }
    if (a.TukorszamBe) {
        // Pairs are counted by their right member, so when the count first exceeds the
        // maximum every counted pair lies within positions 0..j and nothing with this
        // prefix can pass: the next candidate is the smallest one with a larger index at
        // j, the positions after it restarting from it.
        int m = 0;
        for (int j = 1; j <= L; ++j) {
            const std::int32_t t = f_->TukorPar[bontMut[j]];
            if (t < 0 || t >= bontMut[j]) continue;
            for (int i = 0; i < j; ++i) {
                if (bontMut[i] != t) continue;
                if (++m > a.TukorszamMax) {
                    if (j < L) {
                        ++bontMut[j];
                        for (int q = j + 1; q < L; ++q)
                            bontMut[q] = static_cast<std::uint8_t>(bontMut[q - 1] + 1);
                        bontMut[L] = bontMut[L - 1];
                    }
                    return false;
                }
                break;
            }
        }
        if (m < a.Tukorszam) return false;
        eredmeny = true;
        Teljesult |= teljesult::Tukorszam;
    }
    if (a.TalArBe) {
        const bool keresett = a.TalArKeresett != 0;
        bool futott = false;
        while (HuzasIndex < UtolsoHuzas) {
            futott = true;
            SkandiMezo = 3;
            const int h = Talalat(bontMut, 3, jatek_ == 7 ? 10 : HuzasMezoDb);
            if (jatek_ == 7) SkandiMezo = 20;
            if (a.TalArTalalat <= h && h <= a.TalArTalalatMax) return keresett;
            if (jatek_ == 7 && !FeltVizsgSkandi(bontMut)) return keresett;
            ++HuzasIndex;
        }
        if (futott) return !keresett;
    }
    return eredmeny;
}

} // namespace varion
