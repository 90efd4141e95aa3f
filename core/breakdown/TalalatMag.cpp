#include "breakdown/TalalatMag.h"

#include <algorithm>
#include <bit>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VARION_AVX2 1
#endif

namespace varion {

void SorokSzamlalasaEgyszeru(const std::uint8_t* matrix, std::size_t sorok, int W,
                             std::span<const std::uint8_t> talalt,
                             std::span<const std::uint8_t> plusz, int prag, SorHisztogram& h) {
    std::array<std::uint8_t, 256> suly{};
    for (const auto v : talalt) suly[v] = 1;
    for (const auto v : plusz) suly[v] |= 16;
    const std::size_t w = static_cast<std::size_t>(W);
    for (std::size_t r = 0; r < sorok; ++r) {
        unsigned s = 0;
        for (std::size_t j = 0; j < w; ++j) s += suly[matrix[r * w + j]];
        const unsigned t = s & 15U;
        if (static_cast<int>(t) < prag) continue;
        ++((s >> 4) != 0 ? h.Plusz : h.Sima)[std::min<unsigned>(t, 7)];
    }
}

#ifdef VARION_AVX2
namespace {

#define VARION_AVX2_CEL __attribute__((target("avx2,popcnt,bmi2")))

// The bytes of a 32-byte block equal to any of `db` values, as a bit mask.
VARION_AVX2_CEL inline std::uint32_t Maszk(__m256i v, const __m256i* ert, int db) {
    __m256i e = _mm256_setzero_si256();
    for (int i = 0; i < db; ++i) e = _mm256_or_si256(e, _mm256_cmpeq_epi8(v, ert[i]));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(e));
}

// Where plane j of a chunk takes its bits from word i of the chunk's bit string: the mask of
// the positions r·W + j in that word, and the row of the lowest of them.
template <int W> struct SikTabla {
    std::array<std::array<std::uint64_t, W>, W> Maszk{};
    std::array<std::array<int, W>, W> Sor{};
    constexpr SikTabla() {
        for (int j = 0; j < W; ++j)
            for (int i = 0; i < W; ++i) {
                std::uint64_t m = 0;
                int elso = -1;
                for (int r = 0; r < 64; ++r) {
                    const int g = r * W + j;
                    if (g < 64 * i || g >= 64 * i + 64) continue;
                    m |= std::uint64_t{1} << (g - 64 * i);
                    if (elso < 0) elso = r;
                }
                Maszk[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = m;
                Sor[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = elso < 0 ? 0 : elso;
            }
    }
};
template <int W> inline constexpr SikTabla<W> Sikok{};

// The bit string turned into W planes: plane j holds bit j of every row's field, row r at
// bit r.
template <int W>
VARION_AVX2_CEL inline std::array<std::uint64_t, W>
Sikba(const std::array<std::uint64_t, W + 1>& bit) {
    std::array<std::uint64_t, W> s{};
    for (std::size_t j = 0; j < static_cast<std::size_t>(W); ++j)
        for (std::size_t i = 0; i < static_cast<std::size_t>(W); ++i)
            s[j] |= _pext_u64(bit[i], Sikok<W>.Maszk[j][i]) << Sikok<W>.Sor[j][i];
    return s;
}

// 64 rows at a time: 64·W bytes are 2·W blocks of 32, each turned into a 32-bit mask of
// its hit bytes, so the chunk's hits are a bit string of 64·W bits in which row r owns bits
// r·W .. r·W + W − 1. Regrouped into W planes of one bit per row, the rows' hit counts are
// added up in three bit planes at once, and each count's rows are one popcount.
template <int W>
VARION_AVX2_CEL void Darabok(const std::uint8_t* p, std::size_t darab,
                             std::span<const std::uint8_t> talalt,
                             std::span<const std::uint8_t> plusz, int prag, SorHisztogram& h) {
    __m256i t[8], pl[8]; // broadcast values (std::array would drop the vector attributes)
    const int tDb = static_cast<int>(talalt.size()), pDb = static_cast<int>(plusz.size());
    for (int i = 0; i < tDb; ++i)
        t[static_cast<std::size_t>(i)] =
            _mm256_set1_epi8(static_cast<char>(talalt[static_cast<std::size_t>(i)]));
    for (int i = 0; i < pDb; ++i)
        pl[static_cast<std::size_t>(i)] =
            _mm256_set1_epi8(static_cast<char>(plusz[static_cast<std::size_t>(i)]));
    for (std::size_t d = 0; d < darab; ++d, p += 64 * W) {
        std::array<std::uint64_t, W + 1> bit{}, pbit{};
        unsigned osszes = 0;
        for (int k = 0; k < W; ++k) {
            const auto* q = reinterpret_cast<const __m256i*>(p + 64 * k);
            const std::uint64_t lo = Maszk(_mm256_loadu_si256(q), t, tDb);
            const std::uint64_t hi = Maszk(_mm256_loadu_si256(q + 1), t, tDb);
            bit[static_cast<std::size_t>(k)] = lo | (hi << 32);
            osszes += static_cast<unsigned>(std::popcount(bit[static_cast<std::size_t>(k)]));
        }
        // No row of the chunk can reach the lowest class.
        if (static_cast<int>(osszes) < prag) continue;
        if (pDb > 0)
            for (int k = 0; k < W; ++k) {
                const auto* q = reinterpret_cast<const __m256i*>(p + 64 * k);
                const std::uint64_t lo = Maszk(_mm256_loadu_si256(q), pl, pDb);
                const std::uint64_t hi = Maszk(_mm256_loadu_si256(q + 1), pl, pDb);
                pbit[static_cast<std::size_t>(k)] = lo | (hi << 32);
            }
        const auto sik = Sikba<W>(bit);
        std::uint64_t a0 = 0, a1 = 0, a2 = 0;
        for (const std::uint64_t x : sik) {
            const std::uint64_t c0 = a0 & x;
            a0 ^= x;
            const std::uint64_t c1 = a1 & c0;
            a1 ^= c0;
            a2 ^= c1;
        }
        std::uint64_t pm = 0;
        if (pDb > 0)
            for (const std::uint64_t x : Sikba<W>(pbit)) pm |= x;
        for (int sz = std::max(prag, 0); sz <= W; ++sz) {
            const std::uint64_t e =
                ((sz & 1) ? a0 : ~a0) & ((sz & 2) ? a1 : ~a1) & ((sz & 4) ? a2 : ~a2);
            if (!e) continue;
            h.Sima[static_cast<std::size_t>(sz)] +=
                static_cast<std::uint64_t>(std::popcount(e & ~pm));
            h.Plusz[static_cast<std::size_t>(sz)] +=
                static_cast<std::uint64_t>(std::popcount(e & pm));
        }
    }
}

bool VanAvx2() {
    static const bool van = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") &&
                            __builtin_cpu_supports("bmi2");
    return van;
}

} // namespace
#endif

void SorokSzamlalasa(const std::uint8_t* matrix, std::size_t sorok, int W,
                     std::span<const std::uint8_t> talalt, std::span<const std::uint8_t> plusz,
                     int prag, SorHisztogram& h) {
    if (!matrix || sorok == 0 || W < 1 || W > 7) return;
    std::size_t kesz = 0;
#ifdef VARION_AVX2
    if (VanAvx2() && talalt.size() <= 8 && plusz.size() <= 8) {
        const std::size_t darab = sorok / 64;
        switch (W) {
        case 1:
            Darabok<1>(matrix, darab, talalt, plusz, prag, h);
            break;
        case 2:
            Darabok<2>(matrix, darab, talalt, plusz, prag, h);
            break;
        case 3:
            Darabok<3>(matrix, darab, talalt, plusz, prag, h);
            break;
        case 4:
            Darabok<4>(matrix, darab, talalt, plusz, prag, h);
            break;
        case 5:
            Darabok<5>(matrix, darab, talalt, plusz, prag, h);
            break;
        case 6:
            Darabok<6>(matrix, darab, talalt, plusz, prag, h);
            break;
        default:
            Darabok<7>(matrix, darab, talalt, plusz, prag, h);
            break;
        }
        kesz = darab * 64;
    }
#endif
    SorokSzamlalasaEgyszeru(matrix + kesz * static_cast<std::size_t>(W), sorok - kesz, W, talalt,
                            plusz, prag, h);
}

std::optional<BitSzeletek> BitSzeletek::Keszites(const std::uint8_t* matrix, std::size_t sorok,
                                                 int W, std::size_t maxBajt) {
    if (!matrix || sorok == 0 || W < 1 || W > 7) return std::nullopt;
    BitSzeletek b;
    b.sorok_ = sorok;
    b.szelesseg_ = W;
    b.szavak_ = (sorok + 63) / 64;
    b.hely_.fill(-1);
    const std::size_t n = sorok * static_cast<std::size_t>(W);
    std::int32_t db = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (b.hely_[matrix[i]] < 0) b.hely_[matrix[i]] = db++;
    if (static_cast<std::size_t>(db) * b.szavak_ * 8 > maxBajt) return std::nullopt;
    b.halmazok_.assign(static_cast<std::size_t>(db) * b.szavak_, 0);
    for (std::size_t r = 0; r < sorok; ++r)
        for (std::size_t j = 0; j < static_cast<std::size_t>(W); ++j)
            b.halmazok_[static_cast<std::size_t>(
                            b.hely_[matrix[r * static_cast<std::size_t>(W) + j]]) *
                            b.szavak_ +
                        r / 64] |= std::uint64_t{1} << (r % 64);
    return b;
}

void BitSzeletek::Szamlalas(std::span<const std::uint8_t> talalt,
                            std::span<const std::uint8_t> plusz, int prag, SorHisztogram& h) const {
    std::array<const std::uint64_t*, 8> t{}, p{};
    std::size_t tDb = 0, pDb = 0;
    for (const auto v : talalt)
        if (hely_[v] >= 0 && tDb < t.size())
            t[tDb++] = halmazok_.data() + static_cast<std::size_t>(hely_[v]) * szavak_;
    for (const auto v : plusz)
        if (hely_[v] >= 0 && pDb < p.size())
            p[pDb++] = halmazok_.data() + static_cast<std::size_t>(hely_[v]) * szavak_;
    if (static_cast<int>(tDb) < prag) return;
    // A row holds each value at most once: never more hits than its width.
    const int also = std::max(prag, 0), felso = std::min(static_cast<int>(tDb), szelesseg_);
    for (std::size_t w = 0; w < szavak_; ++w) {
        // Three bit planes of each row's hits; a row holds a value at most once.
        std::uint64_t a0 = 0, a1 = 0, a2 = 0;
        for (std::size_t i = 0; i < tDb; ++i) {
            const std::uint64_t x = t[i][w], c0 = a0 & x;
            a0 ^= x;
            const std::uint64_t c1 = a1 & c0;
            a1 ^= c0;
            a2 ^= c1;
        }
        std::uint64_t pm = 0;
        for (std::size_t i = 0; i < pDb; ++i) pm |= p[i][w];
        const std::uint64_t ervenyes = w + 1 < szavak_ || sorok_ % 64 == 0
                                           ? ~std::uint64_t{0}
                                           : (std::uint64_t{1} << (sorok_ % 64)) - 1;
        for (int s = also; s <= felso; ++s) {
            const std::uint64_t e =
                ((s & 1) ? a0 : ~a0) & ((s & 2) ? a1 : ~a1) & ((s & 4) ? a2 : ~a2) & ervenyes;
            if (!e) continue;
            h.Sima[static_cast<std::size_t>(s)] +=
                static_cast<std::uint64_t>(std::popcount(e & ~pm));
            h.Plusz[static_cast<std::size_t>(s)] +=
                static_cast<std::uint64_t>(std::popcount(e & pm));
        }
    }
}

} // namespace varion
