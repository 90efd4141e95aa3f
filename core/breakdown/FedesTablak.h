// The read-only tables the optimised reduction searches on: candidate lookup by mask, and
// for each candidate the candidates within e exchanged numbers (the ones a row equal to it
// would cover, itself included). Built once, shared by every search thread.
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "breakdown/Jeloltek.h"

namespace varion {

class FedesTablak {
public:
    // False when candidates x neighbourhood would exceed `korlat` entries (nothing built).
    bool Epites(std::span<const SorMaszk> jeloltek, int n, int k, int hibapont,
                std::uint64_t korlat);

    std::int32_t Db() const { return static_cast<std::int32_t>(maszkok_.size()); }
    const SorMaszk& Maszk(std::int32_t c) const { return maszkok_[static_cast<std::size_t>(c)]; }
    // The candidate of this mask, -1 when the conditions exclude it.
    std::int32_t Index(const SorMaszk& m) const;
    std::span<const std::int32_t> Szomszedok(std::int32_t c) const {
        const auto i = static_cast<std::size_t>(c);
        return {elemek_.data() + kezdet_[i], elemek_.data() + kezdet_[i + 1]};
    }
    std::int32_t LegnagyobbSzomszedsag() const { return legnagyobb_; }

private:
    std::uint64_t Rang(const SorMaszk& m) const;

    int n_ = 0, k_ = 0;
    std::vector<SorMaszk> maszkok_;
    std::vector<std::int32_t> rangIndex_; // by colex rank, when every rank fits
    std::unordered_map<std::uint64_t, std::int32_t> rangTerkep_;
    std::vector<std::size_t> kezdet_;
    std::vector<std::int32_t> elemek_;
    std::int32_t legnagyobb_ = 0;
    std::uint64_t binom_[91][9]{};
};

} // namespace varion
