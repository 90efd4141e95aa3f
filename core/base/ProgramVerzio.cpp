#include "base/ProgramVerzio.h"

#include "Verzio.h"
#include "io/KisVeg.h"

namespace varion {

ProgramVerzio SajatVerzio() {
    return {verzio::Fo, verzio::Al, verzio::Kiadas, verzio::Forditas};
}

std::string VerzioSzoveg(const ProgramVerzio& v) {
    std::string s = std::to_string(v.Fo);
    const auto resz = [&s](std::int32_t x) {
        s += '.';
        s += std::to_string(x);
    };
    if (v.Al != 0 || v.Kiadas != 0 || v.Forditas != 0) resz(v.Al);
    if (v.Kiadas != 0 || v.Forditas != 0) resz(v.Kiadas);
    if (v.Forditas != 0) resz(v.Forditas);
    return s;
}

std::array<std::uint8_t, 16> VerzioFejlec(const ProgramVerzio& v) {
    std::array<std::uint8_t, 16> b{};
    io::Int32Ir(b.data(), v.Fo);
    io::Int32Ir(b.data() + 4, v.Al);
    io::Int32Ir(b.data() + 8, v.Kiadas);
    io::Int32Ir(b.data() + 12, v.Forditas);
    return b;
}

} // namespace varion
