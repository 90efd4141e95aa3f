#include "app/Inditas.h"

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include <unistd.h>

#include "files/FajlNevek.h"
#include "game/Jatek.h"
#include "io/FajlMentes.h"

namespace varion {

namespace fs = std::filesystem;

std::optional<std::uint64_t> MeminfoSzabad(const fs::path& meminfo) {
    std::ifstream be(meminfo);
    std::string sor;
    while (std::getline(be, sor)) {
        if (!sor.starts_with("MemAvailable:")) continue;
        std::istringstream s(sor.substr(13));
        std::uint64_t kb = 0;
        if (!(s >> kb)) return std::nullopt;
        return kb * 1024;
    }
    return std::nullopt;
}

bool IrhatoKonyvtar(const fs::path& konyvtar) {
    // A fresh folder of our own: a folder of that name may belong to someone else (or be
    // left by a run that crashed), and only what this probe made may be removed.
    std::error_code ec;
    for (int i = 0; i < 1000; ++i) {
        const fs::path proba = konyvtar / (std::string(IrhatosagProbaNev) + "." +
                                           std::to_string(::getpid()) + "." + std::to_string(i));
        if (fs::create_directory(proba, ec)) {
            fs::remove(proba, ec);
            return true;
        }
        if (ec && ec != std::errc::file_exists) return false;
        if (!fs::is_directory(konyvtar, ec)) return false;
    }
    return false;
}

fs::path SugoFajl(const fs::path& programKonyvtar) {
    return programKonyvtar / "Help" / "Varion.hlp";
}
fs::path SugoTartalomFajl(const fs::path& programKonyvtar) {
    return programKonyvtar / "Help" / "Varion.cnt";
}

bool SugoFajlokMegvannak(const fs::path& programKonyvtar) {
    std::error_code ec;
    return fs::is_regular_file(SugoFajl(programKonyvtar), ec) &&
           fs::is_regular_file(SugoTartalomFajl(programKonyvtar), ec);
}

int RegiIdeiglenesekTorlese(const fs::path& programKonyvtar) {
    static constexpr std::string_view kiterjesztesek[] = {"ldb", "tip", "top", "ini", "rtf"};
    int db = io::RegiIdeiglenesekTorlese(programKonyvtar, kiterjesztesek);
    db += io::RegiIdeiglenesekTorlese(programKonyvtar / "Dat", kiterjesztesek);
    for (int jatek = 5; jatek <= 7; ++jatek)
        db += io::RegiIdeiglenesekTorlese(JatekKonyvtar(programKonyvtar, jatek), kiterjesztesek);
    return db;
}

InditasEredmeny InditasiEllenorzesek(const fs::path& programKonyvtar, InditasPlatform& platform,
                                     Uzenetek& u) {
    InditasEredmeny e;
    const auto szabad = platform.SzabadMemoria();
    if (szabad && *szabad < MinSzabadMemoria && !u.FigyelmeztetoKerdes(KevesMemoriaSzoveg)) {
        e.Folytat = false;
        return e;
    }
    if (!platform.VanEger()) {
        u.HibaUzenet(NincsEgerSzoveg);
        e.Folytat = false;
        return e;
    }
    if (!IrhatoKonyvtar(programKonyvtar)) {
        u.HibaUzenet(NemIrhatoSzoveg);
        e.Folytat = false;
        return e;
    }
    std::error_code ec;
    fs::create_directory(programKonyvtar / "Dat", ec);
    RegiIdeiglenesekTorlese(programKonyvtar);
    e.VanSugo = SugoFajlokMegvannak(programKonyvtar);
    if (!e.VanSugo) u.HibaUzenet(NincsSugoSzoveg);
    return e;
}

void InditasiBeallitasok(const fs::path& programKonyvtar, Beallitasok& b, Uzenetek& u) {
    const fs::path ini = programKonyvtar / std::string(BeallitasFajlNev);
    std::error_code ec;
    if (fs::exists(ini, ec)) {
        // The file stays: the write below replaces it atomically, so a failed write or a
        // crash before the exit keeps every setting.
        BeallitasOlvasas(ini, b, u);
        for (std::string_view nev : SegedFajlok) fs::remove(programKonyvtar / nev, ec);
    } else {
        IniDirAlap(b, programKonyvtar);
    }
    BeallitasIras(ini, b, JatekKonyvtar(programKonyvtar, b.Jatek).string(), u);
}

} // namespace varion
