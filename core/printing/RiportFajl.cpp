#include "printing/RiportFajl.h"

#include <fstream>

#include "io/FajlMentes.h"
#include "printing/RtfIro.h"

namespace varion {

std::string FoglaltAllomanySzoveg(const std::filesystem::path& fajl) {
    return "Foglalt állomány!\r\rAz alábbi néven és útvonalon lett megnyitva:\r    " +
           fajl.string() +
           "      \r\rNevezze át és/vagy zárja be a már megnyitott állományt.      ";
}

bool FoglaltAllomany(const std::filesystem::path& fajl) {
    std::error_code ec;
    if (!std::filesystem::exists(fajl, ec)) return false;
    std::ofstream f(fajl, std::ios::binary | std::ios::app);
    return !f.is_open();
}

bool RiportMentes(const Riport& r, int betumeret, const std::filesystem::path& fajl, Uzenetek& u) {
    if (FoglaltAllomany(fajl)) {
        u.HibaUzenet(FoglaltAllomanySzoveg(fajl));
        return false;
    }
    const std::string rtf = RtfSzoveg(r, betumeret);
    if (!io::BiztosMentes(fajl, {reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size()})) {
        u.HibaUzenet(RiportIrasHibaSzoveg);
        return false;
    }
    return true;
}

} // namespace varion
