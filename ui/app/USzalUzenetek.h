// A message service that may be used from the breakdown worker: a message asked on another
// thread is shown on the window thread through a blocking queued call, and the worker waits
// for the answer. On the window thread it passes straight through.
#pragma once

#include <QObject>

#include "base/Uzenetek.h"

namespace varion::ui {

class SzalkoziUzenetek final : public Uzenetek {
public:
    // `cel` shows the messages; `szal` is an object living on the window thread.
    SzalkoziUzenetek(Uzenetek& cel, QObject* szal) : cel_(cel), szal_(szal) {}

protected:
    bool Megjelenit(UzenetTipus tipus, std::string_view szoveg) override;

private:
    bool Kozvetlen(UzenetTipus tipus, std::string_view szoveg);
    Uzenetek& cel_;
    QObject* szal_;
};

} // namespace varion::ui
