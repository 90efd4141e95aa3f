#include "Haladas.h"

#include <chrono>
#include <iostream>
#include <thread>
#include <unistd.h>

#include "breakdown/UBontMegsz.h"

namespace varion::cli {

std::string HaladasSor(const BontasHaladas& h) {
    return "Bontás folyamata: " + std::to_string(BontasSzazalek(h)) + " %  -  " +
           EzresTagolas(h.TaroltNyerSzelv, 0) + " változat  -  " + IdoSzoveg(h.Eltelt);
}

void BontasFuttatas(TBontas& bontas) {
    if (::isatty(STDERR_FILENO) == 0) {
        bontas.Futtatas();
        return;
    }
    bontas.SzalInditas();
    std::size_t hossz = 0;
    auto torles = [&hossz] { std::cerr << '\r' << std::string(hossz, ' ') << '\r'; };
    for (int tick = 0; bontas.Fut(); ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (tick % 5 != 4 || !bontas.Fut()) continue;
        const std::string sor = HaladasSor(bontas.Haladas());
        torles();
        std::cerr << sor << std::flush;
        hossz = sor.size();
    }
    bontas.Megvar();
    if (hossz > 0) torles();
    std::cerr << std::flush;
}

} // namespace varion::cli
