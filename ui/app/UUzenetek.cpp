#include "app/UUzenetek.h"

#include <QAbstractButton>
#include <QApplication>

namespace varion::ui {

QString Qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

namespace {

QMessageBox::Icon Ikon(UzenetIkon ikon) {
    switch (ikon) {
    case UzenetIkon::Hiba:
        return QMessageBox::Critical;
    case UzenetIkon::Figyelmeztetes:
        return QMessageBox::Warning;
    case UzenetIkon::Kerdes:
        return QMessageBox::Question;
    case UzenetIkon::Informacio:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

std::unique_ptr<QMessageBox> UzenetDoboz(UzenetTipus tipus, std::string_view szoveg,
                                         QWidget* szulo) {
    const UzenetForma& forma = UzenetFormaja(tipus);
    auto doboz = std::make_unique<QMessageBox>(szulo);
    doboz->setWindowTitle(Qs(forma.Felirat));
    doboz->setIcon(Ikon(forma.Ikon));
    doboz->setTextFormat(Qt::PlainText);
    doboz->setText(Qs(SortoresekCsereje(szoveg)));
    doboz->setWindowModality(Qt::ApplicationModal);
    // Above the windows kept on top (the information window, the draw list): a question
    // they covered could be neither read nor answered.
    doboz->setWindowFlag(Qt::WindowStaysOnTopHint);
    if (forma.IgenNem) {
        doboz->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        doboz->setDefaultButton(QMessageBox::No);
        doboz->setEscapeButton(QMessageBox::No);
        doboz->button(QMessageBox::Yes)->setText(QStringLiteral("Igen"));
        doboz->button(QMessageBox::No)->setText(QStringLiteral("Nem"));
    } else {
        doboz->setStandardButtons(QMessageBox::Ok);
        doboz->setDefaultButton(QMessageBox::Ok);
    }
    return doboz;
}

bool QtUzenetek::Megjelenit(UzenetTipus tipus, std::string_view szoveg) {
    auto doboz = UzenetDoboz(tipus, szoveg, QApplication::activeWindow());
    const int valasz = doboz->exec();
    return !UzenetFormaja(tipus).IgenNem || valasz == QMessageBox::Yes;
}

QtUzenetek& ProgramUzenetek() {
    static QtUzenetek u;
    return u;
}

} // namespace varion::ui
