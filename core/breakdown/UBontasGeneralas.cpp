// The enumeration: every variation in order, the conditions, the error-point test and the
// storing of what passes.
#include "breakdown/UBontas.h"

#include <cstring>

#include "breakdown/UBontasBelso.h"

namespace varion {
using namespace bontas_belso;

template <bool Felt, bool Hiba> int TBontas::Generalas(bool egyTarolas) {
    if constexpr (Hiba && !Felt) {
        const int r = TobbKor ? UgroKereses(egyTarolas) : LefedoKereses(egyTarolas);
        if (r >= 0) return r;
    }
    std::array<std::uint8_t, 8> b = BontMut;
    const std::array<std::uint8_t, 8> mx = BontMutMax;
    int mp = MutPoz;
    const int L = K_ - 1;
    unsigned lepes = 0;
    int eredmeny = 1;
    std::uint8_t* mat = matrix_.get();
    std::int64_t akt = aktMeret_;
    std::int32_t* stat = bontMutStat_.data();
    std::int32_t sor = tarolt_.load(std::memory_order_relaxed);
    HibapontIndex::Elotag elotag;
    std::uint64_t elotagKulcs = ~std::uint64_t{0};
    std::int32_t elotagSorok = -1;
    const bool gyors = Hiba && !Felt && L >= 1 && index_.ElotagVizsgalat(b.data(), elotag);
    while (mp >= 0 && bontStatus_.load(std::memory_order_relaxed) == 1) {
        if ((++lepes & 0x3FFFu) == 0) mutKep_.store(Csomag(b), std::memory_order_relaxed);
        if (b[mp] >= mx[mp]) {
            --mp;
            continue;
        }
        ++b[mp];
        if (mp < L) {
            b[mp + 1] = b[mp];
            ++mp;
            continue;
        }
        if constexpr (Felt) {
            vizsgalo_.HuzasIndex = elsoHuzas_;
            if (!vizsgalo_.FeltVizsgalat(b.data(), mp)) continue;
        }
        if constexpr (Hiba) {
            if constexpr (!Felt) {
                // Without conditions every last index of a prefix is settled at once: the
                // ones rejected at the last position are passed over in one step.
                if (gyors) {
                    std::uint64_t kulcs = 0;
                    std::memcpy(&kulcs, b.data(), static_cast<std::size_t>(L));
                    if (kulcs != elotagKulcs || index_.Sorok() != elotagSorok) {
                        index_.ElotagVizsgalat(b.data(), elotag);
                        elotagKulcs = kulcs;
                        elotagSorok = index_.Sorok();
                    }
                    const int v = SzabadUtolso(elotag.Utkozo, b[L]);
                    if (v > mx[L]) {
                        b[L] = mx[L];
                        continue;
                    }
                    b[L] = static_cast<std::uint8_t>(v);
                    if (elotag.Sor >= 0) {
                        Eloreugras(b.data(), elotag.Poz);
                        continue;
                    }
                } else if (!HibaTeszt(b.data())) {
                    continue;
                }
            } else if (!HibaTeszt(b.data())) {
                continue;
            }
        }
        if constexpr (Felt) {
            if (huzasMod_) {
                const bool ok = HuzasSorozat(b.data(), mp);
                sor = tarolt_.load(std::memory_order_relaxed);
                if (!ok) {
                    eredmeny = 0;
                    break;
                }
                if (kesz_) break;
                continue;
            }
        }
        // The store itself, kept inline: this is the hot path of a full breakdown.
        if (sor >= akt) { // never write at or past the capacity
            if (!Bovites()) {
                eredmeny = 0;
                break;
            }
            mat = matrix_.get();
            akt = aktMeret_;
        }
        std::uint8_t* cel = mat + static_cast<std::size_t>(sor) * static_cast<std::size_t>(L + 1);
        std::memcpy(cel, b.data(), 8);
        for (int i = 0; i <= L; ++i) ++stat[b[i]];
        UjTarolas = 1;
        tarolt_.store(++sor, std::memory_order_relaxed);
        if constexpr (Hiba) index_.Hozzaad(cel);
        if (sor == akt && sor < teljes_) {
            if (!Bovites()) {
                eredmeny = 0;
                break;
            }
            mat = matrix_.get();
            akt = aktMeret_;
        }
        if (egyTarolas) {
            eredmeny = 0;
            break;
        }
    }
    BontMut = b;
    MutPoz = mp;
    mutKep_.store(Csomag(b), std::memory_order_relaxed);
    return eredmeny;
}

int TBontas::BontasTarol() {
    if (huzasMod_) {
        int mp = MutPoz;
        const bool ok = HuzasSorozat(BontMut.data(), mp);
        MutPoz = mp;
        return ok ? 1 : 0;
    }
    const int r = Tarolas(BontMut.data());
    if (r && e_ > 0) index_.Hozzaad(Sor(GetTaroltNyerSzelv() - 1).data());
    return r;
}

int TBontas::BontasGeneralas() {
    const bool hiba = e_ > 0;
    if (feltJelzo_) return hiba ? Generalas<true, true>(false) : Generalas<true, false>(false);
    return hiba ? Generalas<false, true>(false) : Generalas<false, false>(false);
}

int TBontas::UJBontasGeneralas() {
    UjTarolas = 0;
    const bool hiba = e_ > 0;
    const int r = feltJelzo_
                      ? (hiba ? Generalas<true, true>(true) : Generalas<true, false>(true))
                      : (hiba ? Generalas<false, true>(true) : Generalas<false, false>(true));
    // 0 means one variation was stored; a failed store also stops the run, and every
    // later call then reports its stream exhausted.
    if (r == 1 || bontStatus_.load() != 1) return UjTarolas && bontStatus_.load() == 1 ? 0 : 1;
    return 0;
}

void TBontas::PassKezdes(int kozosMax) {
    KozosMax = kozosMax;
    index_.Beallitas(N_, K_, kozosMax, matrix_.get(), GetTaroltNyerSzelv(), szelesseg_,
                     !TobbKor && !feltJelzo_);
}

} // namespace varion
