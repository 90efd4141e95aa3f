// The two charts of the backtest window: the cumulative cost and winnings over the draws,
// and the tickets per prize class.
#pragma once

#include <QWidget>

#include "breakdown/Visszateszt.h"

class QChartView;

namespace varion::ui {

class TVisszatesztGrafikonok final : public QWidget {
    Q_OBJECT
public:
    explicit TVisszatesztGrafikonok(QWidget* szulo);
    void Kijelzes(const VisszatesztEredmeny& e);
    // 0: the cumulative chart, 1: the classes.
    QWidget* Nezet(int melyik) const;
    // PNG (or any image format Qt writes) or PDF, by the extension.
    bool Mentes(int melyik, const QString& fajl) const;

private:
    QChartView* osszesitett_;
    QChartView* osztalyok_;
};

} // namespace varion::ui
