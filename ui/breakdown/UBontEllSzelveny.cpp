#include "breakdown/UBontEllSzelveny.h"

#include <algorithm>
#include <numeric>

#include "app/UUzenetek.h"
#include "breakdown/BontListaSzovegek.h"

namespace varion::ui {

namespace {
const QColor NemSzereplo(160, 160, 164);
}

TBontEllSzelveny::TBontEllSzelveny(QWidget* tulajdonos, BontasAdat adat, EllenorzesTicket t,
                                   Uzenetek& u, bool pelda, SzelvenySzinek szinek)
    : adat_(std::move(adat)), t_(std::move(t)), u_(u), pelda_(pelda), G_(adat_.Jatek),
      szelveny_(new TSzelveny(tulajdonos, adat_.Jatek, SzelvFajta::BontasEllenorzes, true, true,
                              true, Qs(EllenorzesFelirat(pelda)), *szinek.Tabla, szinek.Sema)) {
    szelveny_->setStatusTip(Qs(EllTicketSugo));
    szelveny_->setToolTip(Qs(EllTicketSugo).trimmed());
    szelveny_->CellaBuborek(true);
    szelveny_->JelolesEmelt = false; // the player picks numbers by lowering their boxes
    connect(szelveny_, &TSzelveny::CellaKattintas, this,
            [this](int n) { SzamKlikk(n, szelveny_->JelolesFajta() == 50); });
    connect(szelveny_->TorlesGomb(), &QPushButton::clicked, this, &TBontEllSzelveny::Ujra);
    connect(szelveny_->KilepesGomb(), &QPushButton::clicked, this, &TBontEllSzelveny::Bezaras);
    Nyitas();
}

TBontEllSzelveny::~TBontEllSzelveny() {
    delete szelveny_;
}

CellaKep TBontEllSzelveny::NyitoKep(int n) const {
    CellaKep k{QString::number(n),
               {},
               SzelvBejegyzes::Jeloletlen,
               SzelvBejegyzes::SzamSzin,
               true,
               true,
               {}};
    const auto hol = std::find(t_.Jelolt.begin(), t_.Jelolt.end(), n);
    if (hol != t_.Jelolt.end()) {
        const auto i = static_cast<std::size_t>(hol - t_.Jelolt.begin());
        const bool hianyzo = i >= t_.BontMutStat.size() || t_.BontMutStat[i] == 0;
        const EllSzamFajta f = hianyzo                     ? EllSzamFajta::Hianyzo
                               : Tartalmaz(t_.Allando, n)  ? EllSzamFajta::Allando
                               : Tartalmaz(t_.Veletlen, n) ? EllSzamFajta::Veletlen
                                                           : EllSzamFajta::Jelolt;
        if (hianyzo) k.SajatSzin = NemSzereplo;
        k.SzovegSzin = f == EllSzamFajta::Allando    ? SzelvBejegyzes::AllandoSzam
                       : f == EllSzamFajta::Veletlen ? SzelvBejegyzes::VeletlenSzam
                                                     : SzelvBejegyzes::KijeloltSzam;
        k.Sugo = Qs(SortoresekCsereje(EllSzamSugo(f, n, static_cast<int>(i) + 1, adat_.HuzasMod)));
        return k;
    }
    const auto fix = std::find(t_.Fix.begin(), t_.Fix.end(), n);
    if (fix != t_.Fix.end()) {
        k.SzovegSzin = SzelvBejegyzes::FixSzam;
        k.Sugo = Qs(SortoresekCsereje(EllSzamSugo(
            EllSzamFajta::Fix, n,
            static_cast<int>(t_.Jelolt.size() + static_cast<std::size_t>(fix - t_.Fix.begin())) + 1,
            adat_.HuzasMod)));
        return k;
    }
    // Not part of the breakdown: nothing to click.
    return {QStringLiteral("-"),
            Qs(EllSzamSugo(EllSzamFajta::Egyeb, n, 0, false)),
            SzelvBejegyzes::Jeloletlen,
            SzelvBejegyzes::SzamSzin,
            false,
            false,
            {},
            false};
}

void TBontEllSzelveny::Nyitas() {
    for (int n = 1; n <= szelveny_->MaxSzam(); ++n) szelveny_->SetCella(n, NyitoKep(n));
    ellSzamok_.clear();
    plusz_ = 0;
    pluszTipp_ = true;
    TalalatSzamitas();
}

void TBontEllSzelveny::Ujra() {
    Nyitas();
}

void TBontEllSzelveny::SzamKlikk(int n, bool shift) {
    CellaKep k = szelveny_->GetCella(n);
    if (k.Szoveg == QStringLiteral("-")) return;
    const bool hatos = G_ == 6;
    const int db = static_cast<int>(ellSzamok_.size());
    if (k.Emelt) {
        if (hatos && shift && plusz_ == 0) {
            plusz_ = n;
            pluszTipp_ = false;
            k.Emelt = false;
            k.Hatter = SzelvBejegyzes::Kijelolt;
            k.SzovegSzin = SzelvBejegyzes::PluszSzam;
            k.SajatSzin = {};
            k.Sugo = Qs(SortoresekCsereje(PluszSugoElotag)) + k.Sugo;
            szelveny_->SetCella(n, k);
            TalalatSzamitas();
            return;
        }
        if (db >= G_) {
            if (hatos && plusz_ == 0 && pluszTipp_) {
                pluszTipp_ = false;
                u_.PluszSzamInfo();
            }
            return;
        }
        ellSzamok_.push_back(static_cast<std::uint8_t>(n));
        k.Emelt = false;
        k.Hatter = SzelvBejegyzes::Kijelolt;
        szelveny_->SetCella(n, k);
        Szamlalas(G_ - 3);
        return;
    }
    if (n == plusz_) {
        if (!shift) return;
        plusz_ = 0;
        szelveny_->SetCella(n, NyitoKep(n));
        TalalatSzamitas();
        return;
    }
    if (shift) return;
    k.Emelt = true;
    k.Hatter = SzelvBejegyzes::Jeloletlen;
    szelveny_->SetCella(n, k);
    std::erase(ellSzamok_, static_cast<std::uint8_t>(n));
    Szamlalas(G_ - 4);
}

// Counts from `tol` selected numbers on; below that only the count is shown.
void TBontEllSzelveny::Szamlalas(int tol) {
    const int db = static_cast<int>(ellSzamok_.size());
    if (db >= tol) {
        TalalatSzamitas();
        return;
    }
    szelveny_->SetRiport(Qs(SortoresekCsereje(" Kijelölve: " + std::to_string(db) + " szám\r")));
}

void TBontEllSzelveny::TalalatSzamitas() {
    szamlalo_ = TalalatSzamlalo(adat_, ellSzamok_, G_ == 6 ? plusz_ : 0);
    const bool eleg = static_cast<int>(ellSzamok_.size()) >= G_ - 3;
    const bool toast = eleg && TalalatSzamitasToastKell(adat_.Sorok) && ToastKi && ToastVege;
    if (toast) ToastKi(Qs(TalalatSzamitasToast));
    osztalyok_ = eleg ? szamlalo_.TalalatSzamitas() : TalalatOsztalyok{};
    if (toast) ToastVege();
    TalalatKijelzes();
}

void TBontEllSzelveny::TalalatKijelzes() {
    const int db = static_cast<int>(ellSzamok_.size());
    const int osszeg = std::accumulate(ellSzamok_.begin(), ellSzamok_.end(), 0);
    const bool eleg = db >= G_ - 3;
    szelveny_->TorlesGomb()->setEnabled(eleg);
    if (eleg && PeldaTippKell && PeldaTippKell()) u_.Informacio(PeldaEllenorzesSzoveg);
    szelveny_->SetRiport(
        Qs(SortoresekCsereje(EllenorzesRiport(G_, db, osszeg, osztalyok_, G_ == 6 && plusz_ > 0))));
    if (eleg && osztalyok_.VanTalalat()) {
        if (VanTalalat) VanTalalat(szamlalo_, osztalyok_);
        szelveny_->raise();
    } else if (NincsTalalat) {
        NincsTalalat();
    }
}

} // namespace varion::ui
