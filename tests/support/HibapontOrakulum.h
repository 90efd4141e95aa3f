// The error-point breakdown written exactly as its loops read, without any index: every
// candidate is compared byte by byte with every stored row from the newest backwards. Slow
// and obviously right; the engine's indexed test must store the same rows in the same order.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "breakdown/UBontas.h"

namespace varion::teszt {

class HibapontOrakulum {
public:
    // Takes N, K, e, the bounds and the condition set of a run that `b` has just prepared
    // (after `BontasIndul`, before it ran).
    explicit HibapontOrakulum(const TBontas& b, int hibapont);

    std::vector<std::array<std::uint8_t, 8>> Start();
    std::vector<std::array<std::uint8_t, 8>> OptBontStart();

    // For the benchmark: give up after this long; `Kesz` tells whether the run completed.
    std::chrono::steady_clock::time_point Hatarido = std::chrono::steady_clock::time_point::max();
    bool Kesz = true;

private:
    bool Hibapontos(std::uint8_t* b) const;
    int Generalas(std::array<std::uint8_t, 8>& b, int& mp, bool egy);

    int N_, K_, e_;
    bool felt_;
    std::array<std::uint8_t, 8> min_{}, max_{}, mx_{};
    FeltetelVizsgalo vizsgalo_;
    int kozosMax_ = 0;
    bool tobbKor_ = false;
    std::vector<std::array<std::uint8_t, 8>> sorok_;
};

} // namespace varion::teszt
