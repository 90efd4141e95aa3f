#include "app/USugo.h"

#include <QHBoxLayout>
#include <QSplitter>

#include "app/UUzenetek.h"

namespace varion::ui {

TSugoAblak::TSugoAblak(QWidget* szulo, Sugo sugo)
    : QDialog(szulo, Qt::Window), sugo_(std::move(sugo)) {
    setWindowTitle(QStringLiteral(" Varion Súgó"));
    fa_ = new QTreeWidget(this);
    fa_->setHeaderHidden(true);
    szoveg_ = new QTextBrowser(this);
    auto* osztas = new QSplitter(this);
    osztas->addWidget(fa_);
    osztas->addWidget(szoveg_);
    osztas->setSizes({220, 420});
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(osztas);
    resize(680, 420);

    std::vector<QTreeWidgetItem*> szulok;
    for (const auto& sor : sugo_.Tartalom()) {
        const auto szint = static_cast<std::size_t>(sor.Szint);
        while (szulok.size() >= szint) szulok.pop_back();
        auto* elem = szulok.empty() ? new QTreeWidgetItem(fa_) : new QTreeWidgetItem(szulok.back());
        elem->setText(0, Qs(sor.Cim));
        elem->setData(0, Qt::UserRole, sor.Tema);
        szulok.push_back(elem);
    }
    fa_->expandAll();
    connect(fa_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* e) {
        if (e) Mutat(e->data(0, Qt::UserRole).toInt());
    });
}

void TSugoAblak::Mutat(int tema) {
    aktualis_ = tema;
    const SugoTema* t = sugo_.Tema(tema);
    if (!t) {
        szoveg_->setPlainText(QStringLiteral("A témakör nem található (%1).").arg(tema));
        return;
    }
    szoveg_->setHtml(
        QStringLiteral("<h3>%1</h3><p>%2</p>")
            .arg(Qs(t->Cim).toHtmlEscaped(),
                 Qs(t->Szoveg).toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1Char(' '))));
}

void TSugoAblak::Tartalom() {
    if (fa_->topLevelItemCount() > 0) fa_->setCurrentItem(fa_->topLevelItem(0));
    show();
    raise();
}

void TSugoAblak::Kontextus(int tema) {
    Mutat(tema);
    show();
    raise();
}

} // namespace varion::ui
