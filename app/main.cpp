// The desktop program.
#include <QApplication>
#include <QInputDevice>
#include <QProxyStyle>
#include <QStandardPaths>
#include <filesystem>

#include "akadalymentes/Nevadas.h"
#include "app/Inditas.h"
#include "app/ProgramKonyvtar.h"
#include "app/UEgyPeldany.h"
#include "app/UForditas.h"
#include "app/UUzenetek.h"
#include "app/UVarion.h"
#include "base/Veletlen.h"

namespace {

class AsztaliPlatform final : public varion::InditasPlatform {
public:
    std::optional<std::uint64_t> SzabadMemoria() override { return varion::MeminfoSzabad(); }
    bool VanEger() override {
        for (const QInputDevice* d : QInputDevice::devices())
            if (d->type() == QInputDevice::DeviceType::Mouse ||
                d->type() == QInputDevice::DeviceType::TouchPad)
                return true;
        // Headless and virtual displays report no device, yet deliver pointer events.
        const QString p = QGuiApplication::platformName();
        return p == QLatin1String("offscreen") || p == QLatin1String("xcb") ||
               p == QLatin1String("wayland") || p == QLatin1String("minimal");
    }
};

// Hints appear after 100 ms.
class VarionStilus final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* o = nullptr, const QWidget* w = nullptr,
                  QStyleHintReturn* r = nullptr) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 100;
        return QProxyStyle::styleHint(hint, o, w, r);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    varion::ui::AkadalymentesTelepites();
    varion::ui::QtForditasBetoltese(app);
    const auto zar = varion::ui::EgyPeldanyZar(varion::ui::AlapZarFajl());
    if (!zar) {
        varion::ui::ProgramUzenetek().Figyelmeztetes(varion::ui::MarFutSzoveg);
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("Varion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("hu.varion.Varion"));
    QApplication::setStyle(new VarionStilus);
    varion::ProgramVeletlenCsere(nullptr);
    static varion::ValodiVeletlen veletlen(varion::OraMag());
    varion::ProgramVeletlenCsere(&veletlen);
    AsztaliPlatform platform;
    // The folder beside the executable, or the player's own data folder when the program
    // is installed or on a read-only medium.
    const std::filesystem::path konyvtar = varion::ProgramKonyvtarElokeszites(
        {QCoreApplication::applicationDirPath().toStdString(),
         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()},
        varion::IrhatoKonyvtar);
    varion::ui::TFoablak foablak(konyvtar, varion::ui::ProgramUzenetek(), platform, veletlen);
    QStringList arg = QCoreApplication::arguments();
    arg.removeFirst();
    if (!foablak.Inditas(arg)) return 0;
    foablak.showMaximized();
    foablak.Betoltes();
    return QApplication::exec();
}
