// " Visszatesztelés": what the breakdown in the engine would have won over a range of past
// draws with the prizes the operator paid, its exact odds at one play and the expected
// value, with two charts (the cumulative cost and winnings, the tickets per class). The
// counting runs on a worker; a run that takes longer than a moment shows its progress
// with a Stop button, modal, so the breakdown cannot change under it.
#pragma once

#include <QWidget>
#include <memory>

#include "breakdown/Eselyek.h"
#include "breakdown/Visszateszt.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace varion {
class Uzenetek;
}

namespace varion::ui {

class TVisszatesztGrafikonok;

inline constexpr const char* VisszatesztFelirat = " Visszatesztelés";

// What the window counts with: the tickets, the draws and their prizes, the price.
struct VisszatesztForras {
    BontasAdat Bontas;
    const HuzasAdatbazis* Huzasok = nullptr;
    NyeremenyTar Nyeremenyek;
    double JegyAr = 0;
};

class TVisszateszt final : public QWidget {
    Q_OBJECT
public:
    TVisszateszt(QWidget* szulo, Uzenetek& u);
    ~TVisszateszt() override;

    // Shows the window for a breakdown; the range starts as every draw.
    void Start(VisszatesztForras forras);
    // Counts over the range of the spin boxes (the "Számítás" button).
    void Szamitas();

    const VisszatesztEredmeny& Eredmeny() const { return eredmeny_; }
    const EselyEredmeny& Esely() const { return esely_; }
    QLabel* Osszegzes() const { return osszegzes_; }
    QTableWidget* OsztalyTabla() const { return osztalyTabla_; }
    QTableWidget* EselyTabla() const { return eselyTabla_; }
    QSpinBox* ElsoHuzas() const { return elso_; }
    QSpinBox* UtolsoHuzas() const { return utolso_; }
    QPushButton* SzamitasGomb() const { return szamitas_; }
    TVisszatesztGrafikonok& Grafikonok() const { return *grafikonok_; }

    // Saving: the class table and every draw as CSV; a chart as PNG or PDF by extension.
    bool CsvMentes(const QString& fajl) const;
    bool GrafikonMentes(int melyik, const QString& fajl) const;

private:
    void Kijelzes();
    void MentesKeres();

    Uzenetek& u_;
    VisszatesztForras forras_;
    Tartomany tartomany_;
    VisszatesztEredmeny eredmeny_;
    EselyEredmeny esely_;
    VarhatoErtek varhato_;
    bool eselyKesz_ = false;
    bool fut_ = false;
    QLabel* osszegzes_;
    QLabel* varhatoCimke_;
    QSpinBox* elso_;
    QSpinBox* utolso_;
    QPushButton* szamitas_;
    QTableWidget* osztalyTabla_;
    QTableWidget* eselyTabla_;
    TVisszatesztGrafikonok* grafikonok_;
};

} // namespace varion::ui
