#include "base/Veletlen.h"

#include <chrono>

namespace varion {

int ValodiVeletlen::Szam(int k) {
    if (k <= 1) return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(gen_);
}

std::uint64_t OraMag() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::uint64_t RovidOraMag() {
    return OraMag() % 1000000000;
}

namespace {
ValodiVeletlen& Sajat() {
    static ValodiVeletlen v(OraMag());
    return v;
}
Veletlen* aktualis = nullptr;
} // namespace

Veletlen& ProgramVeletlen() {
    return aktualis ? *aktualis : Sajat();
}
void ProgramVeletlenCsere(Veletlen* uj) {
    aktualis = uj;
}

} // namespace varion
