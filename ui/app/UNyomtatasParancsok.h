// The main window's print commands: the breakdown and draw reports, the slips, the
// information window. The list windows call the same entry points from their buttons.
#pragma once

#include <QAction>
#include <QObject>
#include <QPrinter>
#include <functional>
#include <memory>

#include "app/FoablakParancsok.h"
#include "printing/BontRiport.h"
#include "printing/URiportKiadas.h"

namespace varion::ui {

class TFoablak;
class TInfo;
class TNyomtOpc;

class TNyomtatasParancsok final : public QObject {
    Q_OBJECT
public:
    TNyomtatasParancsok(TFoablak& foablak, Uzenetek& u);
    ~TNyomtatasParancsok() override;

    // Runs the command when it is one of these; false otherwise.
    bool Vegrehajt(Parancs p);

    void BontasNyomtatas();  // "Bontás" → "Nyomtatás" → "Nyomtatás..."
    void HuzasNyomtatas();   // "Adatbázis" → "Nyomtatás..."
    void SzelvenyKitoltes(); // "Bontás" → "Nyomtatás" → "Szelvények kitöltése"
    void Informaciok();      // "Bontás" → "Információk..."
    bool BontasPdf(const QString& fajl);
    bool HuzasPdf(const QString& fajl);
    // "Mentés PDF-be..." beside the two reports: in "Bontás" → "Nyomtatás" and "Adatbázis".
    QAction* BontasPdfAkcio() const { return bontasPdf_; }
    QAction* HuzasPdfAkcio() const { return huzasPdf_; }
    // Asks for the PDF file's name (empty: cancelled); tests answer it themselves.
    std::function<QString()> PdfNevKeres;
    // The breakdown was deleted: the information window forgets it.
    void BontasTorolve();

    BontasRiportAdatok RiportAdatok() const;
    RiportFejlec Fejlec() const;
    Riport BontasRiport() const;
    Riport HuzasRiport() const;

    TInfo* Info() const { return info_; }
    TNyomtOpc* NyomtOpc() const { return nyomtOpc_; }
    QPrinter& Nyomtato() { return nyomtato_; }
    Megnyito Megnyitas = AsztaliMegnyito();
    std::function<bool()> VanNyomtato = VanAlapNyomtato;

private:
    TFoablak& foablak_;
    Uzenetek& u_;
    QPrinter nyomtato_{QPrinter::HighResolution};
    TInfo* info_;
    TNyomtOpc* nyomtOpc_;
    QAction* bontasPdf_;
    QAction* huzasPdf_;
};

} // namespace varion::ui
