// Random-access byte sources for readers that must not hold a whole file in memory: a span
// already in memory, or a regular file read piece by piece where the reader asks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace varion::io {

class Forras {
public:
    virtual std::uint64_t Meret() const = 0;
    // Exactly `ki.size()` bytes from `poz`; false when they are not all there or the read
    // failed.
    virtual bool Olvas(std::uint64_t poz, std::span<std::uint8_t> ki) = 0;

protected:
    ~Forras() = default;
};

class MemoriaForras final : public Forras {
public:
    explicit MemoriaForras(std::span<const std::uint8_t> adat) : adat_(adat) {}
    std::uint64_t Meret() const override { return adat_.size(); }
    bool Olvas(std::uint64_t poz, std::span<std::uint8_t> ki) override;

private:
    std::span<const std::uint8_t> adat_;
};

class FajlForras final : public Forras {
public:
    // Nothing when the path cannot be opened or is not a regular file (a device or a pipe
    // named as a file would be read without end).
    static std::optional<FajlForras> Megnyitas(const std::filesystem::path& utvonal);
    FajlForras(FajlForras&& m) noexcept : fd_(m.fd_), meret_(m.meret_) { m.fd_ = -1; }
    FajlForras& operator=(FajlForras&&) = delete;
    FajlForras(const FajlForras&) = delete;
    ~FajlForras();

    std::uint64_t Meret() const override { return meret_; }
    bool Olvas(std::uint64_t poz, std::span<std::uint8_t> ki) override;

private:
    FajlForras(int fd, std::uint64_t meret) : fd_(fd), meret_(meret) {}
    int fd_;
    std::uint64_t meret_;
};

} // namespace varion::io
