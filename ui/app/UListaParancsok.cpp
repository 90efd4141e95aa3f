#include "app/UListaParancsok.h"

#include <QAction>
#include <QScreen>
#include <algorithm>

#include "app/UAdatbazisParancsok.h"
#include "app/UBontasParancsok.h"
#include "app/UUzenetAblak.h"
#include "app/UUzenetek.h"
#include "app/UVarion.h"
#include "breakdown/BontListaSzovegek.h"
#include "game/UFoszelveny.h"

namespace varion::ui {

namespace {
const QString NemElerheto = QStringLiteral(" A parancs ablaka még nem készült el. ");
}

TListaParancsok::TListaParancsok(TFoablak& foablak, Uzenetek& u)
    : QObject(&foablak), fo_(foablak), u_(u), lista_(new TBontLista(&foablak)) {
    connect(fo_.Akcio(Parancs::BontListazas), &QAction::triggered, this,
            &TListaParancsok::BontListaStart);
    connect(fo_.Akcio(Parancs::Ellenorzes), &QAction::triggered, this, &TListaParancsok::BEStart);
    connect(lista_, &TBontLista::ParancsKeres, this, [this](Parancs p) {
        if (p == Parancs::Ellenorzes)
            BEStart();
        else if (p == Parancs::Kereses && fo_.Allapot().Hasznalhato(p))
            fo_.Adatbazis().KeresesNyitas(lista_->KivalasztottSzamsor());
        else if (fo_.Allapot().Hasznalhato(p))
            fo_.Akcio(p)->trigger();
    });
}

TListaParancsok::~TListaParancsok() {
    ell_.reset();
}

bool TListaParancsok::VanBontas() const {
    return fo_.Bontas().GetBontStatus() != 0 && fo_.Bontas().GetTaroltNyerSzelv() > 0 &&
           !fo_.Bontas().Fut() && fo_.Foszelveny();
}

// The breakdown window's caption tells an example breakdown.
bool TListaParancsok::Pelda() const {
    return fo_.BontasParancsai().PeldaFelirat();
}

void TListaParancsok::ParancsokSzinkron() {
    for (Parancs p : {Parancs::Informaciok, Parancs::Modositas, Parancs::BontMentes,
                      Parancs::Nyomtatas, Parancs::SzelvenyekKitoltese}) {
        const bool van = fo_.Allapot().Hasznalhato(p);
        lista_->ParancsAllapot(p, van, van ? Qs(fo_.Allapot()[p].Sugo) : NemElerheto);
    }
    lista_->ParancsAllapot(Parancs::Ellenorzes, true, Qs(ParancsAdat(Parancs::Ellenorzes).Sugo));
    const bool kereses = fo_.Allapot().Hasznalhato(Parancs::Kereses);
    lista_->ParancsAllapot(Parancs::Kereses, kereses,
                           kereses ? Qs(TBontLista::BontSzamsorKeresSugo)
                                   : Qs(fo_.Allapot()[Parancs::Kereses].Sugo));
}

void TListaParancsok::BontListaStart() {
    if (!VanBontas()) return;
    const auto& sz = fo_.Foszelveny()->Foszelveny().Szamok();
    const auto& be = fo_.GetBeallitasok();
    ParancsokSzinkron();
    if (!listaElhelyezve_) {
        // The first time beside the main ticket, kept on the screen; later where the player
        // left it.
        listaElhelyezve_ = true;
        const QRect jegy = fo_.Foszelveny()->Szelveny().frameGeometry();
        const QRect kep = fo_.screen() ? fo_.screen()->availableGeometry() : QRect(0, 0, 1024, 768);
        const QSize meret = lista_->frameGeometry().size().expandedTo(lista_->sizeHint());
        QPoint hely = jegy.topRight() + QPoint(10, 0);
        hely.setX(
            std::clamp(hely.x(), kep.left(), std::max(kep.left(), kep.right() - meret.width())));
        hely.setY(
            std::clamp(hely.y(), kep.top(), std::max(kep.top(), kep.bottom() - meret.height())));
        lista_->move(hely);
    }
    lista_->BontListaStart(fo_.Bontas(), {sz.FixSzamok(), sz.AllandoSzamok(), sz.VeletlenSzamok()},
                           Pelda(), {&be.SzelvSzinek, be.Szinsema});
}

void TListaParancsok::BEStart() {
    if (!VanBontas()) return;
    BEVege();
    const auto& sz = fo_.Foszelveny()->Foszelveny().Szamok();
    const auto& be = fo_.GetBeallitasok();
    EllenorzesTicket t{sz.JeloltSzamok(), sz.FixSzamok(), sz.AllandoSzamok(), sz.VeletlenSzamok(),
                       fo_.Bontas().BontMutStat()};
    // The breakdown's own marked row, which the ticket may have left since.
    t.Jelolt = fo_.Bontas().BontasSzamok();
    ell_ = std::make_unique<TBontEllSzelveny>(&fo_, BontasAdatai(fo_.Bontas(), sz.FixSzamok()),
                                              std::move(t), u_, Pelda(),
                                              SzelvenySzinek{&be.SzelvSzinek, be.Szinsema});
    ell_->PeldaTippKell = [this] {
        const QByteArray f = fo_.BontasParancsai().BontasAblak().windowTitle().toUtf8();
        if (peldaTippVolt_ || !PeldaEllenorzesFelirat(std::string_view(
                                  f.constData(), static_cast<std::size_t>(f.size()))))
            return false;
        peldaTippVolt_ = true;
        return true;
    };
    ell_->VanTalalat = [this](const TalalatSzamlalo& sz, const TalalatOsztalyok& o) {
        if (!lista_->isVisible()) {
            BontListaStart();
            if (ell_) ell_->Szelveny().raise();
        }
        lista_->KeresPanelBe(TalalatKereses(sz, o));
    };
    ell_->NincsTalalat = [this] { lista_->KeresPanelKi(); };
    ell_->ToastKi = [this](const QString& szoveg) { fo_.UzenetAblak().UzenetKi(szoveg); };
    ell_->ToastVege = [this] { fo_.UzenetAblak().UzenetVege(); };
    connect(ell_.get(), &TBontEllSzelveny::Bezaras, this, &TListaParancsok::BEVege,
            Qt::QueuedConnection);
    auto& w = ell_->Szelveny();
    if (ellHelye_.x() > 0 && ellHelye_.y() > 0) {
        w.move(ellHelye_);
    } else {
        const QRect kep = fo_.screen() ? fo_.screen()->availableGeometry() : QRect(0, 0, 1024, 768);
        w.move(kep.center() - QPoint(w.width() / 2, w.height() / 2));
    }
    w.show();
    w.raise();
}

void TListaParancsok::BEVege() {
    if (!ell_) return;
    ellHelye_ = ell_->Szelveny().pos();
    ell_.reset();
    lista_->KeresPanelKi();
}

void TListaParancsok::BontasTorolve() {
    BEVege();
    lista_->BontTablaTorles();
}

} // namespace varion::ui
