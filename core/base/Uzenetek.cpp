#include "base/Uzenetek.h"

#include <array>

namespace varion {

const UzenetForma& UzenetFormaja(UzenetTipus tipus) {
    static constexpr std::array<UzenetForma, 10> formak{{
        {" Hiba!", UzenetIkon::Hiba, false},
        {" Hiba!", UzenetIkon::Hiba, true},
        {" Hiba!", UzenetIkon::Hiba, false},
        {" Figyelmeztetés!", UzenetIkon::Figyelmeztetes, true},
        {" Figyelmeztetés!", UzenetIkon::Figyelmeztetes, false},
        {" Jóváhagyás kérése", UzenetIkon::Kerdes, true},
        {" Jóváhagyás kérése", UzenetIkon::Kerdes, true},
        {" Információ", UzenetIkon::Informacio, false},
        {" Hasznos információ", UzenetIkon::Informacio, false},
        {" Hasznos információ", UzenetIkon::Informacio, false},
    }};
    return formak[static_cast<std::size_t>(tipus)];
}

std::string_view UzenetTipusNev(UzenetTipus tipus) {
    static constexpr std::array<std::string_view, 10> nevek{
        "HibaUzenet",     "HibaKerdes",      "ParameterHiba",    "FigyelmeztetoKerdes",
        "Figyelmeztetes", "JovahagyasKeres", "JovahagyasMindig", "Informacio",
        "HasznosInfo",    "PluszSzamInfo"};
    return nevek[static_cast<std::size_t>(tipus)];
}

bool Uzenetek::JovahagyasKeres(std::string_view szoveg) {
    if (!Jovahagyas) return true;
    return Megjelenit(UzenetTipus::JovahagyasKeres, szoveg);
}

void Uzenetek::HasznosInfo(std::string_view szoveg) {
    if (Inform) Megjelenit(UzenetTipus::HasznosInfo, szoveg);
}

void Uzenetek::PluszSzamInfo() {
    if (Inform) Megjelenit(UzenetTipus::PluszSzamInfo, PluszSzamInfoSzoveg);
}

std::string SortoresekCsereje(std::string_view szoveg) {
    std::string ki(szoveg);
    for (auto& c : ki)
        if (c == '\r') c = '\n';
    return ki;
}

} // namespace varion
