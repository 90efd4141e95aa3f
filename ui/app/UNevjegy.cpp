#include "app/UNevjegy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Nevjegy.h"
#include "app/UUzenetek.h"

namespace varion::ui {

TNevjegy::TNevjegy(QWidget* szulo) : QDialog(szulo) {
    setWindowTitle(Qs(NevjegyCim));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    nev_ = new QLabel(Qs(ProgramNev));
    QFont f = nev_->font();
    f.setPointSizeF(f.pointSizeF() * 2);
    f.setBold(true);
    nev_->setFont(f);
    nev_->setAlignment(Qt::AlignCenter);
    szoveg_ = new QLabel;
    szoveg_->setAlignment(Qt::AlignCenter);
    szoveg_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rendben_ = new QPushButton(QStringLiteral("Rendben"));
    rendben_->setDefault(true);
    connect(rendben_, &QPushButton::clicked, this, &QDialog::accept);
    auto* gombok = new QHBoxLayout;
    gombok->addStretch();
    gombok->addWidget(rendben_);
    gombok->addStretch();
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(30, 20, 30, 16);
    l->setSpacing(12);
    l->addWidget(nev_);
    l->addWidget(szoveg_);
    l->addLayout(gombok);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void TNevjegy::Start(int ev) {
    szoveg_->setText(Qs(SortoresekCsereje(NevjegySzoveg(SajatVerzio(), ev))));
    open();
    rendben_->setFocus();
}

} // namespace varion::ui
