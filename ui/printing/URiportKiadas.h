// Reports leave the program here: written as rich text next to the program and handed to
// the desktop's "open" action on a short-lived worker, or printed into a PDF file.
#pragma once

#include <QString>
#include <QThread>
#include <QUrl>
#include <filesystem>
#include <functional>

#include "base/Uzenetek.h"
#include "printing/Riport.h"

namespace varion::ui {

class TUzenetAblak;

// The desktop's "open" action (QDesktopServices::openUrl); tests hand in their own.
using Megnyito = std::function<void(const QUrl&)>;
Megnyito AsztaliMegnyito();

// The print worker: opens one finished report file and deletes itself when done.
class TNyomtMegszakitas final : public QThread {
    Q_OBJECT
public:
    static TNyomtMegszakitas* Inditas(const std::filesystem::path& fajl, Megnyito megnyito);

protected:
    void run() override;

private:
    TNyomtMegszakitas(QUrl url, Megnyito megnyito);
    QUrl url_;
    Megnyito megnyito_;
};

// Whether the desktop has a default printer.
bool VanAlapNyomtato();

// The whole hand-over: a default printer must exist, the file must not be held by another
// program; the report is written and opened. False after the message otherwise.
bool RiportKiadas(const Riport& r, int betumeret, const std::filesystem::path& fajl, Uzenetek& u,
                  const Megnyito& megnyito = AsztaliMegnyito(),
                  const std::function<bool()>& vanNyomtato = VanAlapNyomtato);

// The same for a report still to be made: nothing is made without a printer or while the
// file is held; `varakozas` shows the waiting notice while it is made.
bool RiportKiadas(const std::function<Riport()>& epites, int betumeret,
                  const std::filesystem::path& fajl, Uzenetek& u, const Megnyito& megnyito,
                  const std::function<bool()>& vanNyomtato, TUzenetAblak* varakozas);

// "Mentés PDF-be...": the same text, paged the same way, into a PDF file.
bool RiportPdf(const Riport& r, int betumeret, const QString& fajl);

} // namespace varion::ui
