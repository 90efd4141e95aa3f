// The optimised reduction's own generator: the same seed gives the same path on every
// platform and standard library, so a seed shown to the player repeats the run.
#pragma once

#include <bit>
#include <cstdint>

namespace varion {

class FedesVeletlen {
public:
    explicit FedesVeletlen(std::uint64_t mag) {
        for (auto& x : s_) {
            mag += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = mag;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            x = z ^ (z >> 31);
        }
    }
    std::uint64_t operator()() {
        const std::uint64_t ki = std::rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = std::rotl(s_[3], 45);
        return ki;
    }
    // Uniform in 0..n-1.
    std::uint32_t Szam(std::uint32_t n) {
        return static_cast<std::uint32_t>(((*this)() >> 32) * n >> 32);
    }
    double Egyseg() { return static_cast<double>((*this)() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t s_[4];
};

} // namespace varion
