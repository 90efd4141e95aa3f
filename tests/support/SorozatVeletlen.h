// A random source for tests that hands out a fixed sequence (each value taken mod k).
#pragma once

#include <cstddef>
#include <vector>

#include "base/Veletlen.h"

namespace varion::teszt {

class SorozatVeletlen final : public Veletlen {
public:
    explicit SorozatVeletlen(std::vector<int> ertekek) : ertekek_(std::move(ertekek)) {}
    int Szam(int k) override {
        kert.push_back(k);
        const int v = ertekek_.empty() ? 0 : ertekek_[poz_++ % ertekek_.size()];
        return k > 0 ? v % k : 0;
    }
    std::vector<int> kert; // the k of every call

private:
    std::vector<int> ertekek_;
    std::size_t poz_ = 0;
};

} // namespace varion::teszt
