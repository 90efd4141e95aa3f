#include "base/Datum.h"

#include <ctime>

namespace varion {

double NapSzam(std::chrono::system_clock::time_point pillanat) {
    using namespace std::chrono;
    const std::time_t t = system_clock::to_time_t(pillanat);
    std::tm helyi{};
    localtime_r(&t, &helyi);
    const year_month_day nap{year{helyi.tm_year + 1900}, month{unsigned(helyi.tm_mon + 1)},
                             day{unsigned(helyi.tm_mday)}};
    constexpr sys_days alap = year{1899} / December / 30;
    const double napok = static_cast<double>((sys_days{nap} - alap).count());
    return napok + (helyi.tm_hour * 3600 + helyi.tm_min * 60 + helyi.tm_sec) / 86400.0;
}

} // namespace varion
