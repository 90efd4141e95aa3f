#include "io/Forras.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varion::io {

bool MemoriaForras::Olvas(std::uint64_t poz, std::span<std::uint8_t> ki) {
    if (poz > adat_.size() || ki.size() > adat_.size() - poz) return false;
    if (!ki.empty()) std::memcpy(ki.data(), adat_.data() + poz, ki.size());
    return true;
}

std::optional<FajlForras> FajlForras::Megnyitas(const std::filesystem::path& utvonal) {
    const int fd = ::open(utvonal.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        ::close(fd);
        return std::nullopt;
    }
    return FajlForras(fd, static_cast<std::uint64_t>(st.st_size));
}

FajlForras::~FajlForras() {
    if (fd_ >= 0) ::close(fd_);
}

bool FajlForras::Olvas(std::uint64_t poz, std::span<std::uint8_t> ki) {
    if (poz > meret_ || ki.size() > meret_ - poz) return false;
    std::size_t kesz = 0;
    while (kesz < ki.size()) {
        const ssize_t n =
            ::pread(fd_, ki.data() + kesz, ki.size() - kesz, static_cast<off_t>(poz + kesz));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false; // an error, or the file shrank under us
        kesz += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace varion::io
