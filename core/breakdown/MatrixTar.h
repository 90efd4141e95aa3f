// The memory of a breakdown's rows: one block of the C heap, so that the engine grows it in
// place and a breakdown read from a file is handed over to the engine without a copy.
// Every block carries a few bytes of slack past its rows (the engine copies rows eight
// bytes at a time).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace varion {

inline constexpr std::size_t MatrixRaadas = 8;

// What the player is told when the rows do not fit into memory.
inline constexpr std::string_view NincsMemoriaSzoveg =
    "Nincs elegendő szabad memória (RAM) a bontás befejezéséhez!";

struct MatrixFelszabadito {
    void operator()(std::uint8_t* p) const noexcept { std::free(p); }
};
using MatrixMutato = std::unique_ptr<std::uint8_t[], MatrixFelszabadito>;

// A block and the bytes of rows it holds (the slack not counted).
struct MatrixBlokk {
    MatrixMutato Adat;
    std::size_t Bajt = 0;
};

// A block for `bajt` bytes of rows; an empty one (no `Adat`) when memory is short.
MatrixBlokk MatrixBlokkFoglalas(std::size_t bajt);
// Resizes `p` to `bajt` bytes of rows, in place where it can; false (and `p` as it was)
// when memory is short.
bool MatrixAtmeretezes(MatrixMutato& p, std::size_t bajt);

// For tests of the memory message: every block above `bajt` bytes of rows fails as on a
// machine without that memory. SIZE_MAX lifts the limit.
void MatrixFoglalasKorlat(std::size_t bajt);

} // namespace varion
