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

#define VARION_AVX2_CEL __attribute__((target("avx2,popcnt")))

// The bytes of a 32-byte block equal to any of `db` values, as a bit mask.
VARION_AVX2_CEL inline std::uint32_t Maszk(__m256i v, const __m256i* ert, int db) {
    __m256i e = _mm256_setzero_si256();
    for (int i = 0; i < db; ++i) e = _mm256_or_si256(e, _mm256_cmpeq_epi8(v, ert[i]));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(e));
}

// 64 rows at a time: 64·W bytes are 2·W blocks of 32, each turned into a 32-bit mask of
// its hit bytes, so the chunk's hits are a bit string of 64·W bits in which row r owns bits
// r·W .. r·W + W − 1. A row's hits are then a popcount of its field.
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
    constexpr std::uint64_t mezo = (std::uint64_t{1} << W) - 1;
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
        for (int r = 0; r < 64; ++r) {
            const int b = r * W, i = b >> 6, o = b & 63;
            std::uint64_t f = bit[static_cast<std::size_t>(i)] >> o;
            if (o + W > 64) f |= bit[static_cast<std::size_t>(i + 1)] << (64 - o);
            const int s = std::popcount(f & mezo);
            if (s < prag) continue;
            bool pm = false;
            if (pDb > 0) {
                std::uint64_t g = pbit[static_cast<std::size_t>(i)] >> o;
                if (o + W > 64) g |= pbit[static_cast<std::size_t>(i + 1)] << (64 - o);
                pm = (g & mezo) != 0;
            }
            ++(pm ? h.Plusz : h.Sima)[static_cast<std::size_t>(s)];
        }
    }
}

bool VanAvx2() {
    static const bool van = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
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

} // namespace varion
