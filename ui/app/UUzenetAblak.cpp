#include "app/UUzenetAblak.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

#include "app/UzenetAblakHelye.h"

namespace varion::ui {

TUzenetAblak::TUzenetAblak(QWidget* foablak)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), foablak_(foablak),
      info_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("  Kis türelmét kérem!"));
    setFixedSize(337, 72);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    info_->setGeometry(0, 28, 335, 20);
    info_->setAlignment(Qt::AlignCenter);
    QFont betu(QStringLiteral("Verdana"));
    betu.setBold(true);
    info_->setFont(betu);
    QPalette lp = info_->palette();
    lp.setColor(QPalette::WindowText, QColor(0, 100, 100));
    info_->setPalette(lp);
    setWindowOpacity(0.0);
}

void TUzenetAblak::UzenetKi(const QString& szoveg, int helyzet) {
    if (!foablak_ || !foablak_->isVisible()) return;
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!isVisible()) QApplication::setOverrideCursor(Qt::WaitCursor);
    const QScreen* kepernyo = foablak_->screen();
    const QSize meret = kepernyo ? kepernyo->size() : QSize(1024, 768);
    const QPoint eger = QCursor::pos();
    const Helyzet h = UzenetAblakHelye(helyzet, {meret.width(), meret.height()},
                                       {width(), height()}, {eger.x(), eger.y()});
    move(h.Bal, h.Felso);
    setWindowOpacity(1.0);
    info_->setText(szoveg);
    show();
    info_->repaint();
}

void TUzenetAblak::UzenetVege() {
    if (!isVisible()) return;
    QApplication::restoreOverrideCursor();
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    setWindowOpacity(0.0);
    hide();
}

} // namespace varion::ui
