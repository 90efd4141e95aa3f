#include "io/FajlMentes.h"

#include <algorithm>
#include <cctype>
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
    // A device or a pipe named as a file would be read without end.
    struct stat st {};
    if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(f);
        return std::nullopt;
    }
    std::vector<std::uint8_t> adat;
    adat.reserve(static_cast<std::size_t>(st.st_size));
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

// A file descriptor as an output; `hibaUtan` makes it fail after that many bytes.
class FdKimenet final : public Kimenet {
public:
    FdKimenet(int fd, std::size_t hibaUtan) : fd_(fd), hibaUtan_(hibaUtan) {}
    bool Ir(std::span<const std::uint8_t> b) override {
        std::size_t i = 0;
        while (i < b.size()) {
            std::size_t darab = b.size() - i;
            if (hibaUtan_ != SIZE_MAX) {
                if (kesz_ >= hibaUtan_) return false;
                darab = std::min(darab, hibaUtan_ - kesz_);
            }
            const ssize_t n = ::write(fd_, b.data() + i, darab);
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            i += static_cast<std::size_t>(n);
            kesz_ += static_cast<std::size_t>(n);
        }
        return true;
    }

private:
    int fd_;
    std::size_t hibaUtan_;
    std::size_t kesz_ = 0;
};

bool Tartalom(int fd, const MentesTartalom& tartalom, std::size_t hibaUtan) {
    FdKimenet ki(fd, hibaUtan);
    return tartalom(ki);
}

// The permissions a new file would get, rather than the temporary file's 0600.
void UjFajlJogai(int fd) {
    const mode_t maszk = ::umask(0);
    ::umask(maszk);
    ::fchmod(fd, 0666 & ~maszk);
}

constexpr std::string_view MintaVeg = ".XXXXXX";

std::string IdeiglenesMinta(const std::filesystem::path& mappa,
                            const std::filesystem::path& utvonal) {
    std::string nev = ".";
    nev += utvonal.filename().string();
    nev += MintaVeg;
    return (mappa / nev).string();
}

// A fresh name for the temporary file, as mkstemp would choose it; the file is created
// and closed, so a link over it must replace it.
std::optional<std::string> SzabadNev(const std::filesystem::path& mappa,
                                     const std::filesystem::path& utvonal) {
    std::string minta = IdeiglenesMinta(mappa, utvonal);
    const int fd = ::mkstemp(minta.data());
    if (fd < 0) return std::nullopt;
    ::close(fd);
    ::unlink(minta.c_str());
    return minta;
}

enum class Vegeredmeny { Kesz, Hiba, NincsTamogatva };

// The unnamed way: nothing is visible in the folder until the content is complete and on
// disk. Then it gets a temporary name and is renamed over the target.
Vegeredmeny NevtelenMentes(const std::filesystem::path& mappa, const std::filesystem::path& utvonal,
                           const MentesTartalom& tartalom, std::size_t hibaUtan) {
#ifdef O_TMPFILE
    const int fd = ::open(mappa.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL
                   ? Vegeredmeny::NincsTamogatva
                   : Vegeredmeny::Hiba;
    bool jo = Tartalom(fd, tartalom, hibaUtan) && ::fsync(fd) == 0;
    if (jo) UjFajlJogai(fd);
    std::string nev;
    if (jo) {
        const std::string proc = "/proc/self/fd/" + std::to_string(fd);
        jo = false;
        for (int proba = 0; proba < 8 && !jo; ++proba) {
            const auto szabad = SzabadNev(mappa, utvonal);
            if (!szabad) break;
            nev = *szabad;
            jo = ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, nev.c_str(), AT_SYMLINK_FOLLOW) == 0;
            if (!jo && errno != EEXIST) break;
        }
        // Without /proc the link fails; the content then goes the named way.
        if (!jo && (errno == ENOENT || errno == EPERM)) {
            ::close(fd);
            return Vegeredmeny::NincsTamogatva;
        }
    }
    jo = (::close(fd) == 0) && jo;
    if (jo) {
        jo = std::rename(nev.c_str(), utvonal.c_str()) == 0;
        if (!jo) ::unlink(nev.c_str());
    }
    return jo ? Vegeredmeny::Kesz : Vegeredmeny::Hiba;
#else
    (void)mappa, (void)utvonal, (void)tartalom, (void)hibaUtan;
    return Vegeredmeny::NincsTamogatva;
#endif
}

bool NevesMentes(const std::filesystem::path& mappa, const std::filesystem::path& utvonal,
                 const MentesTartalom& tartalom, std::size_t hibaUtan) {
    std::string minta = IdeiglenesMinta(mappa, utvonal);
    const int fd = ::mkstemp(minta.data());
    if (fd < 0) return false;
    bool jo = Tartalom(fd, tartalom, hibaUtan) && ::fsync(fd) == 0;
    if (jo) UjFajlJogai(fd);
    jo = (::close(fd) == 0) && jo;
    if (jo) jo = std::rename(minta.c_str(), utvonal.c_str()) == 0;
    if (!jo) ::unlink(minta.c_str());
    return jo;
}

} // namespace

bool BiztosMentes(const std::filesystem::path& utvonal, std::span<const std::uint8_t> adat,
                  std::size_t hibaUtan) {
    return BiztosMentesDarabonkent(
        utvonal, [adat](Kimenet& ki) { return ki.Ir(adat); }, hibaUtan);
}

bool BiztosMentesDarabonkent(const std::filesystem::path& utvonal, const MentesTartalom& tartalom,
                             std::size_t hibaUtan) {
    const auto mappa =
        utvonal.has_parent_path() ? utvonal.parent_path() : std::filesystem::path(".");
    switch (NevtelenMentes(mappa, utvonal, tartalom, hibaUtan)) {
    case Vegeredmeny::Kesz:
        return true;
    case Vegeredmeny::Hiba:
        return false;
    case Vegeredmeny::NincsTamogatva:
        break;
    }
    return NevesMentes(mappa, utvonal, tartalom, hibaUtan);
}

bool BiztosMentesIdeiglenes(std::string_view nev,
                            std::span<const std::string_view> kiterjesztesek) {
    constexpr std::size_t utotag = MintaVeg.size(); // ".XXXXXX"
    if (nev.size() < 1 + utotag + 2 || nev.front() != '.') return false;
    if (nev[nev.size() - utotag] != '.') return false;
    for (const char c : nev.substr(nev.size() - utotag + 1))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    const std::string_view cel = nev.substr(1, nev.size() - 1 - utotag);
    const auto pont = cel.rfind('.');
    if (pont == std::string_view::npos || pont == 0) return false;
    std::string kit(cel.substr(pont + 1));
    std::transform(kit.begin(), kit.end(), kit.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kiterjesztesek.begin(), kiterjesztesek.end(), kit) != kiterjesztesek.end();
}

int RegiIdeiglenesekTorlese(const std::filesystem::path& mappa,
                            std::span<const std::string_view> kiterjesztesek) {
    std::error_code ec;
    int db = 0;
    for (std::filesystem::directory_iterator it(mappa, ec), vege; !ec && it != vege;
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        if (!BiztosMentesIdeiglenes(it->path().filename().string(), kiterjesztesek)) continue;
        if (std::filesystem::remove(it->path(), ec)) ++db;
    }
    return db;
}

} // namespace varion::io
