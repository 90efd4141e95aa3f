#include "breakdown/UInfo.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/UUzenetek.h"
#include "base/ProgramVerzio.h"
#include "breakdown/BontListaSzovegek.h"

namespace varion::ui {

TInfo::TInfo(QWidget* szulo, std::filesystem::path programKonyvtar, Uzenetek& u)
    : QDialog(szulo), programKonyvtar_(std::move(programKonyvtar)), u_(u) {
    setWindowTitle(QStringLiteral("  Információk a bontásról"));
    auto* l = new QVBoxLayout(this);
    bontInfo_ = new QTextEdit(this);
    bontInfo_->setReadOnly(true);
    bontInfo_->setLineWrapMode(QTextEdit::NoWrap);
    QFont f(QStringLiteral("Courier New"), 10);
    f.setStyleHint(QFont::TypeWriter);
    bontInfo_->setFont(f);
    l->addWidget(bontInfo_, 1);
    label1_ = new QLabel(this);
    label1_->setStyleSheet(QStringLiteral("color: teal"));
    l->addWidget(label1_);
    grid_ = new QTableWidget(2, 0, this);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setFixedHeight(64);
    l->addWidget(grid_);
    auto* gombok = new QHBoxLayout;
    button1_ = new QPushButton(QStringLiteral("Kilépés"), this);
    button2_ = new QPushButton(QStringLiteral("Nyomtatás"), this);
    button2_->setToolTip(QStringLiteral(" Információk nyomtatása. "));
    pdfGomb_ = new QPushButton(QStringLiteral("Mentés PDF-be..."), this);
    for (auto* g : {button2_, pdfGomb_, button1_}) gombok->addWidget(g);
    l->addLayout(gombok);
    connect(button1_, &QPushButton::clicked, this, &QDialog::hide);
    connect(button2_, &QPushButton::clicked, this, &TInfo::Nyomtatas);
    connect(pdfGomb_, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getSaveFileName(this, QStringLiteral("Mentés PDF-be"),
                                                       QString(), QStringLiteral("PDF (*.pdf)"));
        if (!f.isEmpty()) PdfMentes(f);
    });
    resize(720, 380);
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void TInfo::ListaTorlese() {
    szoveg_.clear();
    bontInfo_->clear();
    hide();
}

void TInfo::Start(const BontasRiportAdatok& a) {
    if (szoveg_.empty()) {
        const bool toast = a.Bontas && InfoToastKell(a.Bontas->GetTaroltNyerSzelv()) && ToastKi;
        if (toast) ToastKi(Qs(InfoToastSzoveg));
        szoveg_ = BontasInfoSzoveg(a, "Varion", SajatVerzio());
        QString html;
        for (const auto& s : szoveg_) {
            QString sor = Qs(s.Szoveg).toHtmlEscaped();
            sor.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
            html += s.Felkover ? QStringLiteral("<b>%1</b><br>").arg(sor)
                               : sor + QStringLiteral("<br>");
        }
        bontInfo_->setHtml(QStringLiteral("<pre>") + html + QStringLiteral("</pre>"));
        const auto gyak = SzamGyakorisagok(*a.Bontas);
        std::int64_t max = 0;
        for (const auto& g : gyak) max = std::max(max, g.Db);
        label1_->setText(Qs(GyakorisagCim(gyak.size(), a.FixSzamok.size())));
        grid_->setColumnCount(static_cast<int>(gyak.size()));
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const auto cella = GyakorisagCellak(gyak[static_cast<std::size_t>(c)], max);
            auto* fej = new QTableWidgetItem(Qs(cella.Szam));
            fej->setBackground(QColor(192, 220, 192)); // money green
            grid_->setItem(0, c, fej);
            auto* db = new QTableWidgetItem(Qs(cella.Db));
            db->setBackground(palette().color(QPalette::ToolTipBase));
            grid_->setItem(1, c, db);
        }
        grid_->resizeColumnsToContents();
        grid_->setHorizontalScrollBarPolicy(gyak.size() >= 16 ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
        grid_->setFixedHeight(gyak.size() >= 16 ? 82 : 64);
        resize(width(), BontasFeltetelei(a).FeltetelJelzo ? 450 : 380);
        if (toast && ToastVege) ToastVege();
        // Centred on the screen the first time it shows a breakdown.
        if (const QScreen* kep = screen()) {
            const QRect t = kep->availableGeometry();
            move(t.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        }
    }
    show();
    raise();
}

void TInfo::Nyomtatas() {
    RiportKiadas(szoveg_, 8, programKonyvtar_ / std::string(InfoListaNev), u_, Megnyitas,
                 VanNyomtato);
}

bool TInfo::PdfMentes(const QString& fajl) {
    return RiportPdf(szoveg_, 8, fajl);
}

} // namespace varion::ui
