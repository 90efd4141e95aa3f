#include "app/USzalUzenetek.h"

#include <QThread>
#include <string>

namespace varion::ui {

bool SzalkoziUzenetek::Kozvetlen(UzenetTipus tipus, std::string_view szoveg) {
    // The silencing settings belong to the target service: it decides what it shows.
    switch (tipus) {
    case UzenetTipus::HibaUzenet:
        cel_.HibaUzenet(szoveg);
        return true;
    case UzenetTipus::HibaKerdes:
        return cel_.HibaKerdes(szoveg);
    case UzenetTipus::ParameterHiba:
        cel_.ParameterHiba();
        return true;
    case UzenetTipus::FigyelmeztetoKerdes:
        return cel_.FigyelmeztetoKerdes(szoveg);
    case UzenetTipus::Figyelmeztetes:
        cel_.Figyelmeztetes(szoveg);
        return true;
    case UzenetTipus::JovahagyasKeres:
        return cel_.JovahagyasKeres(szoveg);
    case UzenetTipus::JovahagyasMindig:
        return cel_.JovahagyasMindig(szoveg);
    case UzenetTipus::Informacio:
        cel_.Informacio(szoveg);
        return true;
    case UzenetTipus::HasznosInfo:
        cel_.HasznosInfo(szoveg);
        return true;
    case UzenetTipus::PluszSzamInfo:
        cel_.PluszSzamInfo();
        return true;
    }
    return true;
}

bool SzalkoziUzenetek::Megjelenit(UzenetTipus tipus, std::string_view szoveg) {
    if (QThread::currentThread() == szal_->thread()) return Kozvetlen(tipus, szoveg);
    bool valasz = false;
    const std::string masolat(szoveg);
    QMetaObject::invokeMethod(
        szal_, [&] { valasz = Kozvetlen(tipus, masolat); }, Qt::BlockingQueuedConnection);
    return valasz;
}

} // namespace varion::ui
