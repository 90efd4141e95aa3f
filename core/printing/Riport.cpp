#include "printing/Riport.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace varion {

int KarakterHossz(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string Jobbra(std::string_view s, int szelesseg) {
    const int hossz = KarakterHossz(s);
    std::string ki(static_cast<std::size_t>(std::max(0, szelesseg - hossz)), ' ');
    ki += s;
    return ki;
}

std::string Elvalaszto() {
    return std::string(90, '-');
}

std::string OldalFejlec(const RiportFejlec& f, int oldal, int oldalDb) {
    return f.ProgramCim + " " + f.Verzio + Jobbra("Készült: " + f.Datum, 30) +
           Jobbra(std::to_string(oldal) + "/" + std::to_string(oldalDb) + " oldal.", 30);
}

std::string RiportDatum(int ev, int honap, int nap) {
    char b[32];
    std::snprintf(b, sizeof b, "%04d.%02d.%02d.", ev, honap, nap);
    return b;
}

std::string NapszamDatum(double napszam) {
    using namespace std::chrono;
    const auto nap = sys_days{1899y / December / 30} + days{static_cast<long>(std::floor(napszam))};
    const year_month_day d{nap};
    return RiportDatum(static_cast<int>(d.year()), static_cast<int>(unsigned(d.month())),
                       static_cast<int>(unsigned(d.day())));
}

std::vector<std::string> RiportSzovegek(const Riport& r) {
    std::vector<std::string> ki;
    ki.reserve(r.size());
    for (const auto& s : r) ki.push_back(s.Szoveg);
    return ki;
}

} // namespace varion
