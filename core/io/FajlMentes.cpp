#include "io/FajlMentes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace varion::io {

std::optional<std::vector<std::uint8_t>> FajlBeolvasas(const std::filesystem::path& utvonal) {
    std::FILE* f = std::fopen(utvonal.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> adat;
    std::uint8_t puffer[65536];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0)
        adat.insert(adat.end(), puffer, puffer + n);
    const bool hiba = std::ferror(f) != 0;
    std::fclose(f);
    if (hiba) return std::nullopt;
    return adat;
}

namespace {

bool MindetIr(int fd, std::span<const std::uint8_t> adat, std::size_t hibaUtan) {
    std::size_t kesz = 0;
    while (kesz < adat.size()) {
        std::size_t darab = adat.size() - kesz;
        if (hibaUtan != SIZE_MAX) {
            if (kesz >= hibaUtan) return false;
            darab = std::min(darab, hibaUtan - kesz);
        }
        const ssize_t n = ::write(fd, adat.data() + kesz, darab);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        kesz += static_cast<std::size_t>(n);
    }
    return hibaUtan == SIZE_MAX || kesz <= hibaUtan;
}

} // namespace

bool BiztosMentes(const std::filesystem::path& utvonal, std::span<const std::uint8_t> adat,
                  std::size_t hibaUtan) {
    const auto mappa =
        utvonal.has_parent_path() ? utvonal.parent_path() : std::filesystem::path(".");
    std::string nev = ".";
    nev += utvonal.filename().string();
    nev += ".XXXXXX";
    std::string minta = (mappa / nev).string();
    const int fd = ::mkstemp(minta.data());
    if (fd < 0) return false;
    bool jo = MindetIr(fd, adat, hibaUtan) && ::fsync(fd) == 0;
    jo = (::close(fd) == 0) && jo;
    if (jo) {
        // Keep the permissions a new file would get rather than mkstemp's 0600.
        const mode_t maszk = ::umask(0);
        ::umask(maszk);
        ::chmod(minta.c_str(), 0666 & ~maszk);
        jo = std::rename(minta.c_str(), utvonal.c_str()) == 0;
    }
    if (!jo) ::unlink(minta.c_str());
    return jo;
}

} // namespace varion::io
