// The information window of a finished breakdown: its description and how often each
// marked number occurs in it; prints the description or saves it as PDF.
#pragma once

#include <QDialog>
#include <filesystem>

#include "base/Uzenetek.h"
#include "printing/BontasInfo.h"
#include "printing/URiportKiadas.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;

namespace varion::ui {

class TInfo final : public QDialog {
    Q_OBJECT
public:
    TInfo(QWidget* szulo, std::filesystem::path programKonyvtar, Uzenetek& u);

    // Builds the content when it is empty, then shows the window.
    void Start(const BontasRiportAdatok& a);
    // Forgets the content (the breakdown was deleted).
    void ListaTorlese();
    void Nyomtatas();
    bool PdfMentes(const QString& fajl);

    Megnyito Megnyitas = AsztaliMegnyito();
    std::function<bool()> VanNyomtato = VanAlapNyomtato;
    // The waiting toast while a large breakdown is counted.
    std::function<void(const QString&)> ToastKi;
    std::function<void()> ToastVege;

    QTextEdit* BontInfo() const { return bontInfo_; }
    QLabel* Label1() const { return label1_; }
    QTableWidget* BontSzamElofGrid() const { return grid_; }
    QPushButton* NyomtatasGomb() const { return button2_; }

private:
    std::filesystem::path programKonyvtar_;
    Uzenetek& u_;
    Riport szoveg_;
    QTextEdit* bontInfo_;
    QLabel* label1_;
    QTableWidget* grid_;
    QPushButton *button1_, *button2_, *pdfGomb_;
};

} // namespace varion::ui
