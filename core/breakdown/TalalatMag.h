// The counting kernel behind the check, the backtest and the odds: how many rows of a byte
// matrix hold how many of a few chosen byte values. A row is `W` bytes (1..7); a byte counts
// as a hit when it equals one of `talalt` (the drawn numbers, as the matrix writes them),
// and the row is flagged when one of its bytes equals one of `plusz`.
//
// Rows below `prag` hits are not counted at all: the classes start at a few hits, and most
// rows of a draw have fewer, so the kernel only pays for the rows that win something.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace varion {

struct SorHisztogram {
    std::array<std::uint64_t, 8> Sima{};  // rows by hits, plus byte not met
    std::array<std::uint64_t, 8> Plusz{}; // rows by hits, plus byte met
};

// Adds the rows of `matrix` (`sorok` rows of `W` bytes) to `h`.
void SorokSzamlalasa(const std::uint8_t* matrix, std::size_t sorok, int W,
                     std::span<const std::uint8_t> talalt, std::span<const std::uint8_t> plusz,
                     int prag, SorHisztogram& h);

// The same with the plain table walk, for every machine; the fast paths are checked against it.
void SorokSzamlalasaEgyszeru(const std::uint8_t* matrix, std::size_t sorok, int W,
                             std::span<const std::uint8_t> talalt,
                             std::span<const std::uint8_t> plusz, int prag, SorHisztogram& h);

// The same count for many draws over one ticket set: every byte value gets a bit set over
// the rows (bit r: row r holds the value), and a draw's hits are added up 64 rows at a time
// in three bit planes. One draw then costs a few operations per 64 rows instead of a pass
// over the bytes. Made only when the sets fit in `maxBajt` bytes.
class BitSzeletek {
public:
    static std::optional<BitSzeletek> Keszites(const std::uint8_t* matrix, std::size_t sorok, int W,
                                               std::size_t maxBajt);
    void Szamlalas(std::span<const std::uint8_t> talalt, std::span<const std::uint8_t> plusz,
                   int prag, SorHisztogram& h) const;

private:
    std::size_t szavak_ = 0, sorok_ = 0;
    int szelesseg_ = 0;
    std::array<std::int32_t, 256> hely_{}; // the value's set among halmazok_, -1 when none
    std::vector<std::uint64_t> halmazok_;
};

} // namespace varion
