#include "printing/URiportKiadas.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/UUzenetAblak.h"
#include "app/UUzenetek.h"
#include "printing/RiportFajl.h"
#include "printing/SzelvNyomtatas.h"

namespace varion::ui {

Megnyito AsztaliMegnyito() {
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

TNyomtMegszakitas::TNyomtMegszakitas(QUrl url, Megnyito megnyito)
    : url_(std::move(url)), megnyito_(std::move(megnyito)) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

TNyomtMegszakitas* TNyomtMegszakitas::Inditas(const std::filesystem::path& fajl,
                                              Megnyito megnyito) {
    auto* m = new TNyomtMegszakitas(QUrl::fromLocalFile(QString::fromStdString(fajl.string())),
                                    std::move(megnyito));
    m->start();
    return m;
}

void TNyomtMegszakitas::run() {
    megnyito_(url_); // its result is not checked: the desktop reports its own failures
}

bool VanAlapNyomtato() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool RiportKiadas(const Riport& r, int betumeret, const std::filesystem::path& fajl, Uzenetek& u,
                  const Megnyito& megnyito, const std::function<bool()>& vanNyomtato) {
    if (!vanNyomtato()) {
        u.HibaUzenet(NincsNyomtatoSzoveg);
        return false;
    }
    if (!RiportMentes(r, betumeret, fajl, u)) return false;
    TNyomtMegszakitas::Inditas(fajl, megnyito);
    return true;
}

bool RiportKiadas(const std::function<Riport()>& epites, int betumeret,
                  const std::filesystem::path& fajl, Uzenetek& u, const Megnyito& megnyito,
                  const std::function<bool()>& vanNyomtato, TUzenetAblak* varakozas) {
    if (!vanNyomtato()) {
        u.HibaUzenet(NincsNyomtatoSzoveg);
        return false;
    }
    if (FoglaltAllomany(fajl)) {
        u.HibaUzenet(FoglaltAllomanySzoveg(fajl));
        return false;
    }
    if (varakozas) varakozas->UzenetKi(Qs(NyomtatasiAllomanySzoveg));
    const Riport r = epites();
    // Gone before any message of the writing: the notice stays on top of everything.
    if (varakozas) varakozas->UzenetVege();
    if (!RiportMentes(r, betumeret, fajl, u)) return false;
    TNyomtMegszakitas::Inditas(fajl, megnyito);
    return true;
}

bool RiportPdf(const Riport& r, int betumeret, const QString& fajl) {
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(fajl);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageMargins(QMarginsF(15, 10, 10, 10), QPageLayout::Millimeter);
    QPainter g;
    if (!g.begin(&p)) return false;
    QFont normal(QStringLiteral("Courier New"), betumeret);
    normal.setStyleHint(QFont::TypeWriter);
    QFont felkover = normal;
    felkover.setBold(true);
    const int sor = QFontMetrics(normal, &p).lineSpacing();
    int y = QFontMetrics(normal, &p).ascent();
    for (const auto& s : r) {
        g.setFont(s.Felkover ? felkover : normal);
        g.drawText(0, y, Qs(s.Szoveg));
        y += sor;
        if (s.OldalVege) {
            p.newPage();
            y = QFontMetrics(normal, &p).ascent();
        }
    }
    return g.end();
}

} // namespace varion::ui
