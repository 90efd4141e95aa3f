// The help window: the contents outline on the left, the chosen topic on the right.
#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <QTreeWidget>

#include "app/Sugo.h"

namespace varion::ui {

class TSugoAblak final : public QDialog {
    Q_OBJECT
public:
    TSugoAblak(QWidget* szulo, Sugo sugo);

    void Tartalom();          // "Témakörök"
    void Kontextus(int tema); // "Mi ez?" and numbered contexts

    QTreeWidget* Fa() const { return fa_; }
    QTextBrowser* Szoveg() const { return szoveg_; }
    int AktualisTema() const { return aktualis_; }

private:
    void Mutat(int tema);

    Sugo sugo_;
    QTreeWidget* fa_;
    QTextBrowser* szoveg_;
    int aktualis_ = 0;
};

} // namespace varion::ui
