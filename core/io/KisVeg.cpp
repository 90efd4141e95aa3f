#include "io/KisVeg.h"

#include <cstring>

namespace varion::io {

std::int32_t Int32Ertek(const std::uint8_t* p) {
    const std::uint32_t u = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                            std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    return static_cast<std::int32_t>(u);
}

void Int32Ir(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void Iro::Int32(std::int32_t v) {
    std::uint8_t b[4];
    Int32Ir(b, v);
    adat_.insert(adat_.end(), b, b + 4);
}

void Iro::Int16(std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    adat_.push_back(static_cast<std::uint8_t>(u));
    adat_.push_back(static_cast<std::uint8_t>(u >> 8));
}

bool Olvaso::Van(std::size_t n) {
    if (hibas_ || adat_.size() - poz_ < n) {
        hibas_ = true;
        return false;
    }
    return true;
}

bool Olvaso::Byte(std::uint8_t& v) {
    if (!Van(1)) return false;
    v = adat_[poz_++];
    return true;
}

bool Olvaso::Int32(std::int32_t& v) {
    if (!Van(4)) return false;
    v = Int32Ertek(adat_.data() + poz_);
    poz_ += 4;
    return true;
}

bool Olvaso::Int16(std::int16_t& v) {
    if (!Van(2)) return false;
    v = static_cast<std::int16_t>(std::uint16_t(adat_[poz_]) | std::uint16_t(adat_[poz_ + 1]) << 8);
    poz_ += 2;
    return true;
}

bool Olvaso::Bajtok(std::span<std::uint8_t> ki) {
    if (!Van(ki.size())) return false;
    if (!ki.empty()) std::memcpy(ki.data(), adat_.data() + poz_, ki.size());
    poz_ += ki.size();
    return true;
}

bool Olvaso::Atugras(std::size_t n) {
    if (!Van(n)) return false;
    poz_ += n;
    return true;
}

} // namespace varion::io
