#include "printing/USzelvNyomtatas.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>

#include "app/UUzenetAblak.h"
#include "app/UUzenetek.h"

namespace varion::ui {

NyomtatoMeretek NyomtatoMeretei(QPrinter& p) {
    p.setFullPage(true);
    NyomtatoMeretek m;
    m.FelbontasX = p.logicalDpiX();
    m.FelbontasY = p.logicalDpiY();
    const QRectF papir = p.paperRect(QPrinter::DevicePixel);
    const QRectF lap = p.pageRect(QPrinter::DevicePixel);
    m.EltolasX = qRound(lap.left() - papir.left());
    m.EltolasY = qRound(lap.top() - papir.top());
    // The band the device cannot reach, as its page layout reports it.
    const QMarginsF margo = p.pageLayout().minimumMargins();
    const double pt = 1.0 / 72.0;
    const QPageLayout::Unit egyseg = p.pageLayout().units();
    const double huvelyk = egyseg == QPageLayout::Millimeter ? 1 / 25.4
                           : egyseg == QPageLayout::Inch     ? 1.0
                           : egyseg == QPageLayout::Point    ? pt
                                                             : pt;
    m.MargoX = qRound(margo.left() * huvelyk * m.FelbontasX);
    m.MargoY = qRound(margo.top() * huvelyk * m.FelbontasY);
    m.LapSzelesseg = qRound(papir.width()) - 2 * m.MargoX;
    m.LapMagassag = qRound(papir.height()) - 2 * m.MargoY;
    return m;
}

namespace {

// An "x" whose ink is centred in the number box that starts at (x, y).
void JelRajz(QPainter& g, const SzelvJel& j, int dx, int dy) {
    const QFontMetrics fm(g.font());
    if (j.Szoveg == "x") {
        const QRect t = fm.tightBoundingRect(QStringLiteral("x"));
        const int bx = j.X + dx / 2 - (t.left() + t.width() / 2);
        const int by = j.Y + dy / 2 - (t.top() + t.height() / 2);
        g.drawText(bx, by, QStringLiteral("x"));
    } else {
        g.drawText(j.X, j.Y + fm.ascent(), Qs(j.Szoveg));
    }
}

} // namespace

bool SzelvNyomtVez(QPrinter& p, const BontasRiportAdatok& a, NyomtTartomany tartomany,
                   const SzelvNyomtOpciok& o, Uzenetek& u, TUzenetAblak* uzenetAblak) {
    const NyomtatoMeretek m = NyomtatoMeretei(p);
    if (const auto h = LapmeretHiba(m)) {
        u.HibaUzenet(*h);
        return false;
    }
    if (const auto h = MargoHiba(m)) {
        u.HibaUzenet(*h);
        return false;
    }
    const int jatek = a.Bontas->Jatek();
    const auto terv =
        SzelvNyomtTerv(jatek, a.Bontas->GetTaroltNyerSzelv(), tartomany.Elso, tartomany.Utolso);
    if (uzenetAblak) uzenetAblak->UzenetKi(Qs(NyomtatasiAllomanyokSzoveg));
    const int dx = Keppont(Osztas, m.FelbontasX), dy = Keppont(Osztas, m.FelbontasY);
    QFont betu(QStringLiteral("DejaVu Sans"));
    betu.setBold(true);
    betu.setPixelSize(Keppont(3.4, m.FelbontasY));
    const bool egyFajl = p.outputFormat() == QPrinter::PdfFormat;
    QPainter g;
    bool rendben = true;
    for (std::size_t i = 0; i < terv.size() && rendben; ++i) {
        const auto& s = terv[i];
        std::vector<std::vector<int>> mezok;
        for (int f = 0; f < s.MezoDb; ++f) mezok.push_back(SzelvenySzamai(a, s.ElsoSzelveny + f));
        const auto jelek = SzelvenyJelek(jatek, m, mezok, o.Joker, o.Sorszam ? s.Sorszam : "");
        if (!g.isActive()) {
            rendben = g.begin(&p);
            if (!rendben) break;
        } else {
            p.newPage();
        }
        g.setFont(betu);
        g.setPen(Qt::black);
        for (const auto& j : jelek) JelRajz(g, j, dx, dy);
        if (!egyFajl) g.end();
    }
    if (g.isActive()) g.end();
    if (uzenetAblak) uzenetAblak->UzenetVege();
    return rendben;
}

} // namespace varion::ui
