#include "breakdown/UBontSzelveny.h"

#include <algorithm>

#include "app/UUzenetek.h"
#include "breakdown/BontListaSzovegek.h"

namespace varion::ui {

TBontSzelveny::TBontSzelveny(QWidget* tulajdonos, const BontasAdat& adat, bool mindenSorra,
                             bool pelda, Szamsor allando, Szamsor veletlen, SzelvenySzinek szinek)
    : adat_(adat), mindenSorra_(mindenSorra), pelda_(pelda), allando_(std::move(allando)),
      veletlen_(std::move(veletlen)),
      szelveny_(new TSzelveny(tulajdonos, adat.Jatek, SzelvFajta::BontasLista, false, false, true,
                              Qs(SegedSzelvenyFelirat(pelda)), *szinek.Tabla, szinek.Sema)) {}

TBontSzelveny::~TBontSzelveny() {
    delete szelveny_;
}

void TBontSzelveny::SzelvKijelzes(std::int32_t sor) {
    szelveny_->Alaphelyzet();
    if (sor < 0 || sor >= adat_.Sorok) return;
    const auto jelol = [this](int n, SzelvBejegyzes szin) {
        CellaKep k = szelveny_->GetCella(n);
        k.Emelt = true;
        k.Felkover = true;
        k.Hatter = SzelvBejegyzes::Kijelolt;
        k.SzovegSzin = szin;
        szelveny_->SetCella(n, k);
    };
    int osszeg = 0;
    const int K = std::min(adat_.SorHossz > 0 ? adat_.SorHossz : adat_.Szelesseg, adat_.Szelesseg);
    for (int j = 0; j < adat_.Szelesseg; ++j) {
        const int n = adat_.Szam(static_cast<std::uint8_t>(adat_.Bejegyzes(sor, j)));
        if (j < K) osszeg += n;
        jelol(n, Tartalmaz(allando_, n)    ? SzelvBejegyzes::AllandoSzam
                 : Tartalmaz(veletlen_, n) ? SzelvBejegyzes::VeletlenSzam
                                           : SzelvBejegyzes::KijeloltSzam);
    }
    if (!adat_.HuzasMod)
        for (const std::uint8_t n : adat_.FixSzamok) jelol(n, SzelvBejegyzes::FixSzam);
    if (!eloszlas_ && mindenSorra_) {
        // Complete and without conditions: counted from the sizes, no pass over the rows.
        eloszlas_ = TeljesEloszlas(adat_.Jatek, static_cast<int>(adat_.BontasSzamok.size()),
                                   adat_.SorHossz, adat_.FixDb());
        ++szamitasok_;
    } else if (!eloszlas_ || !mindenSorra_) {
        eloszlas_ = TalalatEloszlas(adat_, sor);
        ++szamitasok_;
    }
    szelveny_->setWindowTitle(Qs(SegedSzelvenyFelirat(pelda_, sor + 1)));
    szelveny_->SetRiport(Qs(SortoresekCsereje(SegedRiport(adat_.Jatek, *eloszlas_, osszeg))));
}

} // namespace varion::ui
