// The message kinds as application-modal message boxes.
#pragma once

#include <QMessageBox>
#include <memory>

#include "base/Uzenetek.h"

namespace varion::ui {

// Builds the box of one message: caption, icon, OK or Yes/No with No the default
// (Enter answers no), "\r" as a line break and the blanks at either end kept.
std::unique_ptr<QMessageBox> UzenetDoboz(UzenetTipus tipus, std::string_view szoveg,
                                         QWidget* szulo = nullptr);

class QtUzenetek final : public Uzenetek {
protected:
    bool Megjelenit(UzenetTipus tipus, std::string_view szoveg) override;
};

// The program's one message service.
QtUzenetek& ProgramUzenetek();

QString Qs(std::string_view s);

} // namespace varion::ui
