#include "breakdown/MatrixTar.h"

#include <atomic>
#include <cstdint>

namespace varion {
namespace {

std::atomic<std::size_t> korlat{SIZE_MAX};

bool Megengedett(std::size_t bajt) {
    return bajt <= korlat.load(std::memory_order_relaxed) && bajt <= SIZE_MAX - MatrixRaadas;
}

} // namespace

MatrixBlokk MatrixBlokkFoglalas(std::size_t bajt) {
    MatrixBlokk b;
    if (!Megengedett(bajt)) return b;
    b.Adat.reset(static_cast<std::uint8_t*>(std::malloc(bajt + MatrixRaadas)));
    if (b.Adat) b.Bajt = bajt;
    return b;
}

bool MatrixAtmeretezes(MatrixMutato& p, std::size_t bajt) {
    if (!Megengedett(bajt)) return false;
    auto* uj = static_cast<std::uint8_t*>(std::realloc(p.get(), bajt + MatrixRaadas));
    if (!uj) return false;
    (void)p.release();
    p.reset(uj);
    return true;
}

void MatrixFoglalasKorlat(std::size_t bajt) {
    korlat.store(bajt, std::memory_order_relaxed);
}

} // namespace varion
