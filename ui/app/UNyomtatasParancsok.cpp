#include "app/UNyomtatasParancsok.h"

#include <QDate>
#include <QFileDialog>
#include <QMenu>

#include "app/UBontasParancsok.h"
#include "app/UVarion.h"
#include "base/ProgramVerzio.h"
#include "breakdown/UInfo.h"
#include "game/UFoszelveny.h"
#include "printing/HuzRiport.h"
#include "printing/UNyomtOpc.h"

namespace varion::ui {

TNyomtatasParancsok::TNyomtatasParancsok(TFoablak& foablak, Uzenetek& u)
    : QObject(&foablak), foablak_(foablak), u_(u),
      info_(new TInfo(&foablak, foablak.ProgramKonyvtar(), u)),
      nyomtOpc_(new TNyomtOpc(&foablak, nyomtato_, u)),
      bontasPdf_(new QAction(QStringLiteral("Mentés PDF-be..."), this)),
      huzasPdf_(new QAction(QStringLiteral("Mentés PDF-be..."), this)) {
    nyomtato_.setFullPage(true);
    nyomtOpc_->Varakozas = &foablak_.UzenetAblak();
    PdfNevKeres = [this] {
        return QFileDialog::getSaveFileName(&foablak_, QStringLiteral("Mentés PDF-be"), QString(),
                                            QStringLiteral("PDF (*.pdf)"));
    };
    bontasPdf_->setStatusTip(QStringLiteral(" A bontás listájának mentése PDF állományba. "));
    huzasPdf_->setStatusTip(QStringLiteral(" A lottóhúzások listájának mentése PDF állományba. "));
    // Usable exactly when the report beside it can be printed.
    const auto kovet = [this](QMenu* menu, QAction* a, Parancs p) {
        if (!menu) return;
        menu->addAction(a);
        connect(menu, &QMenu::aboutToShow, a,
                [this, a, p] { a->setEnabled(foablak_.Allapot().Hasznalhato(p)); });
    };
    kovet(foablak_.MenuObj(Menu::BontasNyomtatas), bontasPdf_, Parancs::Nyomtatas);
    kovet(foablak_.MenuObj(Menu::Adatbazis), huzasPdf_, Parancs::AdbNyomtatas);
    connect(bontasPdf_, &QAction::triggered, this, [this] {
        if (!foablak_.Allapot().Hasznalhato(Parancs::Nyomtatas)) return;
        if (const QString f = PdfNevKeres(); !f.isEmpty()) BontasPdf(f);
    });
    connect(huzasPdf_, &QAction::triggered, this, [this] {
        if (!foablak_.Allapot().Hasznalhato(Parancs::AdbNyomtatas)) return;
        if (const QString f = PdfNevKeres(); !f.isEmpty()) HuzasPdf(f);
    });
}

TNyomtatasParancsok::~TNyomtatasParancsok() = default;

bool TNyomtatasParancsok::Vegrehajt(Parancs p) {
    switch (p) {
    case Parancs::Nyomtatas:
        BontasNyomtatas();
        return true;
    case Parancs::SzelvenyekKitoltese:
        SzelvenyKitoltes();
        return true;
    case Parancs::AdbNyomtatas:
        HuzasNyomtatas();
        return true;
    case Parancs::Informaciok:
        Informaciok();
        return true;
    default:
        return false;
    }
}

BontasRiportAdatok TNyomtatasParancsok::RiportAdatok() const {
    BontasRiportAdatok a;
    a.Bontas = &foablak_.Bontas();
    a.Feltetelek = &foablak_.Feltetelek();
    if (auto* f = foablak_.Foszelveny()) a.FixSzamok = f->Foszelveny().Szamok().FixSzamok();
    const auto& b = foablak_.GetBeallitasok();
    a.JegyAr = b.SzelvenyAr();
    a.Euro = b.Penznem == 1;
    a.HitTartomany = foablak_.Tartomanyok().Get(TartomanyFajta::Bontas);
    a.HuzasDb = foablak_.Huzasok().HuzasDb();
    a.Pelda = foablak_.BontasParancsai().PeldaFelirat();
    return a;
}

RiportFejlec TNyomtatasParancsok::Fejlec() const {
    const QDate ma = QDate::currentDate();
    return {"Varion", VerzioSzoveg(SajatVerzio()), RiportDatum(ma.year(), ma.month(), ma.day())};
}

Riport TNyomtatasParancsok::BontasRiport() const {
    RiportFejlec f = Fejlec();
    f.Verzio = BontasVerzioSzoveg(foablak_.Bontas(), SajatVerzio());
    return BontRiport(RiportAdatok(), f);
}

Riport TNyomtatasParancsok::HuzasRiport() const {
    return HuzRiport(foablak_.Huzasok(), Fejlec());
}

void TNyomtatasParancsok::BontasNyomtatas() {
    if (foablak_.Bontas().GetBontStatus() == 0) return;
    RiportKiadas([this] { return BontasRiport(); }, 8,
                 foablak_.ProgramKonyvtar() / std::string(BontListaNev), u_, Megnyitas, VanNyomtato,
                 &foablak_.UzenetAblak());
}

void TNyomtatasParancsok::HuzasNyomtatas() {
    RiportKiadas([this] { return HuzasRiport(); }, 8,
                 foablak_.ProgramKonyvtar() / std::string(HuzListaNev), u_, Megnyitas, VanNyomtato,
                 &foablak_.UzenetAblak());
}

bool TNyomtatasParancsok::BontasPdf(const QString& fajl) {
    return RiportPdf(BontasRiport(), 8, fajl);
}

bool TNyomtatasParancsok::HuzasPdf(const QString& fajl) {
    return RiportPdf(HuzasRiport(), 8, fajl);
}

void TNyomtatasParancsok::SzelvenyKitoltes() {
    if (foablak_.Bontas().GetBontStatus() == 0) return;
    nyomtOpc_->VanNyomtato = VanNyomtato;
    nyomtOpc_->Start(RiportAdatok());
}

void TNyomtatasParancsok::Informaciok() {
    if (foablak_.Bontas().GetBontStatus() == 0) return;
    info_->Megnyitas = Megnyitas;
    info_->VanNyomtato = VanNyomtato;
    info_->Start(RiportAdatok());
}

void TNyomtatasParancsok::BontasTorolve() {
    info_->ListaTorlese();
}

} // namespace varion::ui
