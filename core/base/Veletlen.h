// The program's single source of randomness: uniform integers 0..k-1. Every random choice
// (random numbers, random order, example breakdowns) goes through one generator, seeded
// once at start-up; tests hand in a generator of their own.
#pragma once

#include <cstdint>
#include <random>

namespace varion {

class Veletlen {
public:
    virtual ~Veletlen() = default;
    // A uniform integer in 0..k-1; k must be at least 1.
    virtual int Szam(int k) = 0;
};

// The generator the program runs with.
class ValodiVeletlen final : public Veletlen {
public:
    explicit ValodiVeletlen(std::uint64_t mag) : gen_(mag) {}
    int Szam(int k) override;
    void Magvetes(std::uint64_t mag) { gen_.seed(mag); }

private:
    std::mt19937_64 gen_;
};

// A seed taken from the clock, for the one seeding at start-up.
std::uint64_t OraMag();
// A clock seed below 10^9: short enough to be shown and typed back to repeat a run.
std::uint64_t RovidOraMag();

// The program-wide generator; replaceable so that tests fix every random choice.
Veletlen& ProgramVeletlen();
void ProgramVeletlenCsere(Veletlen* uj); // nullptr restores the program's own

} // namespace varion
