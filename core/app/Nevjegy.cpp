#include "app/Nevjegy.h"

namespace varion {

std::string NevjegySzoveg(const ProgramVerzio& verzio, int ev) {
    return "Verzió: " + VerzioSzoveg(verzio) +
           "\r\rLottóváltozatok tervezője és készítője\raz Ötöslottóhoz, a Hatoslottóhoz és a "
           "Skandináv lottóhoz.\r\r© " +
           std::to_string(ev) + " " + std::string(ProgramNev);
}

} // namespace varion
