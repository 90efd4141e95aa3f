#include "app/ProgramKonyvtar.h"

#include <system_error>

#include "app/Inditas.h"
#include "draws/HuzasAdatbazis.h"

namespace varion {

namespace fs = std::filesystem;

fs::path TelepitettAdatok(const fs::path& futtathatoKonyvtar) {
    return (futtathatoKonyvtar / ".." / "share" / "varion").lexically_normal();
}

namespace {

bool VanProgramAdat(const fs::path& mappa) {
    std::error_code ec;
    return fs::is_directory(mappa / "Dat", ec) || fs::is_directory(mappa / "Help", ec);
}

} // namespace

ProgramKonyvtarDontes ProgramKonyvtarValasztas(const ProgramKonyvtarak& k,
                                               const IrhatosagProba& irhato) {
    const fs::path telepitett = TelepitettAdatok(k.Futtathato);
    // As root every folder is writable, so the installed layout decides first.
    if (VanProgramAdat(telepitett)) return {k.Felhasznaloi, telepitett};
    if (irhato(k.Futtathato)) return {k.Futtathato, std::nullopt};
    return {k.Felhasznaloi, k.Futtathato};
}

void ProgramKonyvtarFeltoltes(const fs::path& cel, const fs::path& forras) {
    std::error_code ec;
    fs::create_directories(cel / "Dat", ec);
    for (int jatek = 5; jatek <= 7; ++jatek) {
        const fs::path f = AdatbazisFajl(jatek);
        if (!fs::exists(cel / f, ec) && fs::exists(forras / f, ec))
            fs::copy_file(forras / f, cel / f, ec);
    }
    fs::create_directories(cel / "Help", ec);
    for (const fs::path& f : {SugoFajl(forras), SugoTartalomFajl(forras)}) {
        if (!fs::exists(f, ec)) continue;
        const fs::path ide = cel / "Help" / f.filename();
        fs::copy_file(f, ide, fs::copy_options::update_existing, ec);
        // The installed copy is read-only; the player's copy must not be.
        fs::permissions(ide, fs::perms::owner_write, fs::perm_options::add, ec);
    }
    for (int jatek = 5; jatek <= 7; ++jatek)
        fs::permissions(cel / AdatbazisFajl(jatek), fs::perms::owner_write, fs::perm_options::add,
                        ec);
}

fs::path ProgramKonyvtarElokeszites(const ProgramKonyvtarak& k, const IrhatosagProba& irhato) {
    const auto d = ProgramKonyvtarValasztas(k, irhato);
    if (d.Forras) ProgramKonyvtarFeltoltes(d.Konyvtar, *d.Forras);
    return d.Konyvtar;
}

} // namespace varion
