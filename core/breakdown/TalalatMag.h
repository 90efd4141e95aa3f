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
#include <span>

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

} // namespace varion
