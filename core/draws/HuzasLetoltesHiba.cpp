#include "draws/HuzasLetoltesHiba.h"

#include "game/Jatek.h"

namespace varion {

std::string LetoltesHibaSzoveg(LetoltesHiba h, int http, std::string_view cim) {
    switch (h) {
    case LetoltesHiba::Kapcsolat:
        return "Nem sikerült kapcsolódni a kiszolgálóhoz:\r" + std::string(cim);
    case LetoltesHiba::Idotullepes:
        return "A letöltés túllépte az időkorlátot, az adatbázis nem változott.";
    case LetoltesHiba::Korbeiranyitas:
        return "A kiszolgáló körbe irányítja a kérést, a letöltés nem sikerült.";
    case LetoltesHiba::HttpHiba:
        return "A kiszolgáló hibát jelzett (HTTP " + std::to_string(http) +
               "), az adatbázis nem változott.";
    case LetoltesHiba::Hianyos:
        return "A letöltött állomány hiányos, az adatbázis nem változott.";
    }
    return {};
}

std::string LetoltottAllomanyHiba(int jatek, std::string_view ok) {
    return "A letöltött állomány nem a(z) " + std::string(JatekAdat(jatek).MenuFelirat) +
           " húzásainak állománya, az adatbázis nem változott.\r" + std::string(ok);
}

} // namespace varion
