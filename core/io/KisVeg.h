// Little-endian reading and writing of the program's binary files. Every data file is
// read and written through these helpers, field by field; nothing is dumped as a struct.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace varion::io {

// Where a writer's bytes go, piece by piece: a buffer in memory or a file being saved.
// False when a piece could not be taken; the writer then stops.
class Kimenet {
public:
    virtual bool Ir(std::span<const std::uint8_t> b) = 0;

protected:
    ~Kimenet() = default;
};

// Appends fields to a growing byte buffer.
class Iro final : public Kimenet {
public:
    bool Ir(std::span<const std::uint8_t> b) override {
        Bajtok(b);
        return true;
    }
    void Byte(std::uint8_t v) { adat_.push_back(v); }
    void Int32(std::int32_t v);
    void Int16(std::int16_t v);
    void Bajtok(std::span<const std::uint8_t> b) { adat_.insert(adat_.end(), b.begin(), b.end()); }
    void Nullak(std::size_t n) { adat_.insert(adat_.end(), n, 0); }

    const std::vector<std::uint8_t>& Adat() const { return adat_; }
    std::vector<std::uint8_t>& Adat() { return adat_; }

private:
    std::vector<std::uint8_t> adat_;
};

// Reads fields from a byte span. A read past the end fails (returns false) and leaves
// the reader failed, so a caller can read a whole record and test once at the end.
class Olvaso {
public:
    explicit Olvaso(std::span<const std::uint8_t> adat) : adat_(adat) {}

    bool Byte(std::uint8_t& v);
    bool Int32(std::int32_t& v);
    bool Int16(std::int16_t& v);
    bool Bajtok(std::span<std::uint8_t> ki);
    bool Atugras(std::size_t n);

    bool Hibas() const { return hibas_; }
    std::size_t Pozicio() const { return poz_; }
    std::size_t Maradek() const { return adat_.size() - poz_; }
    // The bytes not read yet.
    std::span<const std::uint8_t> Maradt() const { return adat_.subspan(poz_); }

private:
    bool Van(std::size_t n);
    std::span<const std::uint8_t> adat_;
    std::size_t poz_ = 0;
    bool hibas_ = false;
};

std::int32_t Int32Ertek(const std::uint8_t* p);
void Int32Ir(std::uint8_t* p, std::int32_t v);

} // namespace varion::io
