// The handlers of each condition's panel: bounds from the core range rules, values into
// the condition record as soon as they change.
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "app/UUzenetek.h"
#include "breakdown/OptimalisFedes.h"
#include "conditions/UFeltetelek.h"

namespace varion::ui {

namespace {

// A selection too large for the optimised search: the option is off, its hint says why.
void OptimalisOpcio(QCheckBox* b, bool van, const FeltetelKornyezet& k, int hibapont) {
    const int N = static_cast<int>(k.Jelolt.size());
    const bool nagy = van && !OptimalisElutasitas(N, k.SorHossz, hibapont).empty();
    if (nagy) {
        b->setEnabled(false);
        b->setChecked(false);
    }
    b->setToolTip(QString::fromStdString(OptimalisOpcioSugo(N, k.SorHossz, hibapont)));
}

QString Sugo(std::string_view s) {
    QString q = Qs(s);
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

void Ertek(QSpinBox* s, int v) {
    const QSignalBlocker b(s);
    s->setValue(v);
}

void Tartomany(TLeptetoEdit* s, Hatar h, std::string_view sugo) {
    const QSignalBlocker b(s);
    s->Hatarok(h, Sugo(sugo));
}

void Valaszt(QRadioButton* r) {
    const QSignalBlocker b(r);
    r->setChecked(true);
}

} // namespace

void TFeltetelek::Kapcsolas(Feltetel f, bool be) {
    auto* d = Doboz(f);
    if (be) {
        if (const auto e = BelepesiProba(f, f_, Kornyezet.Jatek, Kornyezet.SorHossz)) {
            ++csendes_;
            d->setChecked(false);
            --csendes_;
            Jelez(*e);
            lapok_->setFocus();
            return;
        }
    }
    d->setToolTip(Sugo(be ? " Feltétel törlése. " : " Feltétel kijelölése. "));
    auto& a = f_.Adatok;
    const std::uint8_t v = be ? 1 : 0;
    switch (f) {
    case Feltetel::Fav:
        a.FavBe = v;
        if (be) FavValtozott(FavValtozas::Bekapcsolas);
        break;
    case Feltetel::Mob:
        a.MobBe = v;
        if (be) CsoportValtozott(false);
        break;
    case Feltetel::Fix:
        a.FixBe = v;
        if (be) CsoportValtozott(true);
        break;
    case Feltetel::SzcsParos:
        a.SzcsParosBe = v;
        if (be) ParosValtozott(true, false, false);
        break;
    case Feltetel::SzvParos:
        a.SzvParosBe = v;
        if (be) ParosValtozott(false, false, false);
        break;
    case Feltetel::SzcsIsmet:
        a.SzcsIsmetBe = v;
        if (be) IsmetValtozott(true, true);
        break;
    case Feltetel::SzvIsmet:
        a.SzvIsmetBe = v;
        if (be) IsmetValtozott(false, true);
        break;
    case Feltetel::TalAr:
        a.TalArBe = v;
        if (be) TalArValtozott();
        break;
    case Feltetel::Osszeg:
        if (be) {
            OsszegHatarok(a, Kornyezet.Jelolt, Kornyezet.SorHossz);
            if (!SzomszedosSzamok(Kornyezet.Jelolt) && !Kerdez(NemSzomszedosKerdes)) {
                ++csendes_;
                d->setChecked(false);
                --csendes_;
                a.EsemOsszegBe = 0;
                break;
            }
        }
        a.EsemOsszegBe = v;
        if (be) OsszegValtozott(true);
        break;
    case Feltetel::Ikerszam:
    case Feltetel::Tukorszam:
        (f == Feltetel::Ikerszam ? a.IkerszamBe : a.TukorszamBe) = v;
        if (!be) {
            Ertek(f == Feltetel::Ikerszam ? IkerMin : TukorMin, 0);
            Ertek(f == Feltetel::Ikerszam ? IkerMax : TukorMax, 0);
        }
        IkerTukorValtozott();
        break;
    }
    Rogzit(f);
    FeltJelzoBeallitas();
}

void TFeltetelek::FavValtozott(FavValtozas mi) {
    if (csendes_) return;
    FavAllas f{FavElso->value(),
               FavUtolso->value(),
               FavMin->value(),
               FavMax->value(),
               {FavElso->minimum(), FavElso->maximum()},
               {FavUtolso->minimum(), FavUtolso->maximum()},
               {FavMin->minimum(), FavMin->maximum()},
               {FavMax->minimum(), FavMax->maximum()}};
    FavIgazitas(f, mi, static_cast<int>(Kornyezet.Jelolt.size()), Kornyezet.SorHossz);
    Tartomany(FavElso, f.ElsoH, " A favorizált számcsoport első számának pozíciója.");
    Tartomany(FavUtolso, f.UtolsoH, " A favorizált számcsoport utolsó számának pozíciója.");
    Tartomany(FavMin, f.MinH, " Találatok minimuma a favorizált számcsoporton belül. ");
    Tartomany(FavMax, f.MaxH, " Találatok maximuma a favorizált számcsoporton belül. ");
    Ertek(FavElso, f.Elso);
    Ertek(FavUtolso, f.Utolso);
    Ertek(FavMin, f.Min);
    Ertek(FavMax, f.Max);
    Rogzit(Feltetel::Fav);
}

void TFeltetelek::CsoportValtozott(bool fix) {
    if (csendes_) return;
    auto* meret = fix ? FixMeret : MobMeret;
    auto* max = fix ? FixMax : MobMax;
    CsoportAllas c{meret->value(),
                   max->value(),
                   {meret->minimum(), meret->maximum()},
                   {max->minimum(), max->maximum()}};
    CsoportIgazitas(c, fix, static_cast<int>(Kornyezet.Jelolt.size()), Kornyezet.Jatek,
                    Kornyezet.SorHossz);
    Tartomany(meret, c.MeretH,
              fix ? " Egy fix számcsoport számainak mennyisége. "
                  : " Egy mobil számcsoport számainak mennyisége. ");
    Tartomany(max, c.MaxH,
              fix ? " Egy fix számcsoporton belül elérhető találatok maximuma. "
                  : " Egy mobil számcsoporton belül elérhető találatok maximuma. ");
    Ertek(meret, c.Meret);
    Ertek(max, c.Max);
    Rogzit(fix ? Feltetel::Fix : Feltetel::Mob);
}

void TFeltetelek::ParosValtozott(bool csoport, bool tipusKattintas, bool aranyKattintas) {
    if (csendes_) return;
    const auto& a = f_.Adatok;
    auto* tobb = csoport ? SzcsTobb : SzvTobb;
    auto* fix = csoport ? SzcsFix : SzvFix;
    auto* paros = csoport ? SzcsParos : SzvParos;
    auto* paratlan = csoport ? SzcsParatlan : SzvParatlan;
    auto* mn = csoport ? SzcsParosMin : SzvParosMin;
    auto* mx = csoport ? SzcsParosMax : SzvParosMax;
    const int K = Kornyezet.SorHossz;
    const int parosDb = csoport ? a.SzcsParosDb : a.ParosDb;
    const int paratlanDb = csoport ? a.SzcsParatlanDb : a.ParatlanDb;
    if (!csoport && aranyKattintas && a.EsemOsszegBe && a.EsemOsszegFix && isVisible())
        u_.Figyelmeztetes(ParosOsszegFigyelmeztetes(a.EsemOsszFix));
    if (tobb->isChecked()) {
        const bool p = paros->isChecked();
        if (!TobbLehetseges(K, p ? parosDb : paratlanDb)) {
            // A kind change flips back; a ratio change returns to "Fix".
            Valaszt(tipusKattintas ? (p ? paratlan : paros) : fix);
            Jelez({UzenetTipus::Figyelmeztetes, TobbElutasitas(csoport, p)});
        }
    }
    const bool p = paros->isChecked();
    const Hatar h = ParosHatar(K, p ? parosDb : paratlanDb, p ? paratlanDb : parosDb);
    const bool vanTobb = tobb->isChecked();
    Tartomany(mn, h,
              csoport ? " A páros/páratlan számcsoportok találati arányának minimuma. "
                      : " A számvégződések (páros/páratlan számok) találati arányának minimuma. ");
    Tartomany(mx, h,
              csoport ? " A páros/páratlan számcsoportok találati arányának maximuma. "
                      : " A számvégződések (páros/páratlan számok) találati arányának maximuma. ");
    if (!aranyKattintas || tipusKattintas || !vanTobb) {
        Ertek(mn, h.Also);
        Ertek(mx, h.Also);
    }
    mn->setVisible(!vanTobb);
    mx->setVisible(!vanTobb);
    Rogzit(csoport ? Feltetel::SzcsParos : Feltetel::SzvParos);
}

void TFeltetelek::IsmetValtozott(bool csoport, bool kenyszerUjra) {
    if (csendes_) return;
    auto* egy = csoport ? SzcsEgy : SzvEgy;
    auto* tobb = csoport ? SzcsTobbIsmet : SzvTobbIsmet;
    auto& kenyszer = csoport ? szcsKenyszer_ : szvKenyszer_;
    const auto ad = csoport ? SzcsIsmetAdatok(f_) : SzvIsmetAdatok(f_);
    auto r = IsmetSzamitas(ad, egy->isChecked(), csoport, Kornyezet.Jatek,
                           static_cast<int>(Kornyezet.Jelolt.size()), Kornyezet.SorHossz);
    if (kenyszerUjra) {
        kenyszer = r.Kenyszer;
        if (r.Kenyszer != IsmetKenyszer::Nincs) {
            Valaszt(r.Kenyszer == IsmetKenyszer::Egy ? egy : tobb);
            Jelez({UzenetTipus::Informacio, r.Uzenet});
        }
    } else if (kenyszer != IsmetKenyszer::Nincs) {
        Valaszt(kenyszer == IsmetKenyszer::Egy ? egy : tobb); // the other choice is ignored
    }
    r = IsmetSzamitas(ad, egy->isChecked(), csoport, Kornyezet.Jatek,
                      static_cast<int>(Kornyezet.Jelolt.size()), Kornyezet.SorHossz);
    egy->setToolTip(Sugo(csoport ? " Egy számcsoport ismétlődhet egy szelvényen. "
                                 : " Egy számvégződés ismétlődhet egy szelvényen. "));
    tobb->setToolTip(Sugo(csoport ? " Egy, vagy több számcsoport ismétlődhet egy szelvényen. "
                                  : " Egy, vagy több számvégződés ismétlődhet egy szelvényen. "));
    auto* mn = csoport ? SzcsIsmetMin : SzvIsmetMin;
    auto* mx = csoport ? SzcsIsmetMax : SzvIsmetMax;
    Tartomany(mn, r.H,
              csoport ? " A számcsoport(ok) egy szelvényen történő ismétlődésének minimuma. "
                      : " A számvégződés(ek) egy szelvényen történő ismétlődésének minimuma. ");
    Tartomany(mx, r.H,
              csoport ? " A számcsoport(ok) egy szelvényen történő ismétlődésének maximuma. "
                      : " A számvégződés(ek) egy szelvényen történő ismétlődésének maximuma. ");
    Ertek(mn, r.H.Also);
    Ertek(mx, tobb->isChecked() ? TobbMinUtanMax(r.H.Also, r.H.Also, r.H) : r.H.Also);
    Rogzit(csoport ? Feltetel::SzcsIsmet : Feltetel::SzvIsmet);
}

void TFeltetelek::IsmetMaxLepes(bool csoport, int regi) {
    if (csendes_) return;
    auto* tobb = csoport ? SzcsTobbIsmet : SzvTobbIsmet;
    auto* mn = csoport ? SzcsIsmetMin : SzvIsmetMin;
    auto* mx = csoport ? SzcsIsmetMax : SzvIsmetMax;
    const Hatar h{mx->minimum(), mx->maximum()};
    if (tobb->isChecked()) Ertek(mx, TobbMaxLepes(regi, mx->value(), h));
    if (mx->value() < mn->value()) Ertek(mn, mx->value());
    Rogzit(csoport ? Feltetel::SzcsIsmet : Feltetel::SzvIsmet);
}

void TFeltetelek::TalArValtozott() {
    if (!Kornyezet.VanAdatbazis) {
        Doboz(Feltetel::TalAr)->setEnabled(false);
        huzasokGomb_->setEnabled(false);
        label15_->setText(Qs(HianyzoAdatbazis));
        if (isVisible() && lapok_->currentIndex() == 2) u_.HibaUzenet(HianyzoAdatbazis);
        return;
    }
    Doboz(Feltetel::TalAr)->setEnabled(!CsakOlvashato());
    huzasokGomb_->setEnabled(!CsakOlvashato());
    label15_->setText(
        Qs(varion::TalArCimke(Kornyezet.HuzasTartomany.Elso, Kornyezet.HuzasTartomany.Utolso)));
    if (!Doboz(Feltetel::TalAr)->isChecked()) return;
    const Hatar h = TalArHatar(Kornyezet.SorHossz);
    const int mn = TalArMin->value() > h.Felso ? 1 : TalArMin->value();
    Tartomany(TalArMin, h, {});
    Tartomany(TalArMax, h, {});
    Ertek(TalArMin, mn);
    Ertek(TalArMax, std::max(mn, std::min(TalArMax->value(), h.Felso)));
    if (f_.Adatok.TalArHuzasok) Valaszt(TalArHuzasok);
    Rogzit(Feltetel::TalAr);
}

void TFeltetelek::TalArTipusValtozott(bool huzasokKattintas) {
    if (Doboz(Feltetel::TalAr)->isChecked() && TalArKizart->isChecked() &&
        TalArHuzasok->isChecked()) {
        Valaszt(huzasokKattintas ? TalArBontas : TalArKeresett);
        Jelez({UzenetTipus::Figyelmeztetes, std::string(KizartHuzasokTilos)});
    }
    Rogzit(Feltetel::TalAr);
}

void TFeltetelek::OsszegValtozott(bool tipusValtas) {
    if (csendes_) return;
    auto& a = f_.Adatok;
    const bool fix = OsszegFix->isChecked();
    const int digits = static_cast<int>(std::to_string(std::max(1, a.OsszegMax)).size());
    const Hatar hMin = OsszegMinHatar(a, fix), hMax = OsszegMaxHatar(a);
    OsszegMax->setVisible(!fix);
    osszegIg_->setVisible(!fix);
    osszegKotojel_->setText(fix ? QStringLiteral("lehet.") : QStringLiteral("-"));
    Doboz(Feltetel::Osszeg)
        ->setToolTip(Sugo(fix ? " A bontás számsorainak fixen meghatározott összege. "
                              : " A bontás számsorainak összeghatárai. "));
    int mn = OsszegMin->value(), mx = OsszegMax->value();
    if (!tipusValtas && !fix && mn >= mx) {
        // A tie moves the other value by one.
        if (sender() == OsszegMin)
            mx = mn + 1;
        else
            mn = mx - 1;
    }
    for (auto [e, h] : {std::pair{OsszegMin, hMin}, std::pair{OsszegMax, hMax}}) {
        const QSignalBlocker b(e);
        e->setRange(h.Also, h.Felso);
        e->setToolTip(Sugo(OsszegSugo(h)));
    }
    Ertek(OsszegMin, hMin.Igazit(mn));
    Ertek(OsszegMax, hMax.Igazit(std::max(mx, OsszegMin->value() + 1)));
    OsszegMin->SetHossz(digits);
    OsszegMax->SetHossz(digits);
    OsszegIras();
}

void TFeltetelek::OsszegElhagyva(bool maximum) {
    if (!Doboz(Feltetel::Osszeg)->isChecked()) return;
    const auto& a = f_.Adatok;
    const bool fix = OsszegFix->isChecked();
    const auto j = maximum ? OsszegMaxEllenorzes(OsszegMax->Beirt(), OsszegMin->value(), a)
                           : OsszegMinEllenorzes(OsszegMin->Beirt(), OsszegMax->value(), fix, a);
    if (j.Hibas) {
        if (isVisible()) u_.ParameterHiba();
        Ertek(maximum ? OsszegMax : OsszegMin, j.Ertek);
    }
    OsszegIras();
}

void TFeltetelek::OsszegIras() {
    auto& a = f_.Adatok;
    a.EsemOsszegFix = OsszegFix->isChecked() ? 1 : 0;
    a.EsemOsszFix = OsszegMin->value();
    a.EsemOsszMax = a.EsemOsszegFix ? a.EsemOsszFix : OsszegMax->value();
}

void TFeltetelek::IkerTukorValtozott() {
    if (csendes_) return;
    auto& a = f_.Adatok;
    const int K = Kornyezet.SorHossz;
    for (int kor = 0; kor < 2; ++kor) { // each bound depends on the other's maximum
        a.IkerszamMax = IkerMax->value();
        a.TukorszamMax = TukorMax->value();
        const Hatar hi = IkerszamHatar(a, K), ht = TukorszamHatar(a, K);
        Tartomany(IkerMin, hi, {});
        Tartomany(IkerMax, hi, {});
        Tartomany(TukorMin, ht, {});
        Tartomany(TukorMax, ht, {});
        for (auto* s : {IkerMin, IkerMax, TukorMin, TukorMax}) {
            if (s->toolTip().isEmpty() || !s->toolTip().startsWith(QStringLiteral(" A beáll")))
                s->setToolTip(Sugo(s == IkerMin || s == IkerMax
                                       ? " Az egy szelvényen engedélyezett ikerszám(ok) minimuma "
                                         "és maximuma. "
                                       : " Az egy szelvényen engedélyezett tükörszám párok "
                                         "minimuma és maximuma. "));
        }
        if (IkerMin->value() > IkerMax->value()) Ertek(IkerMax, IkerMin->value());
        if (TukorMin->value() > TukorMax->value()) Ertek(TukorMax, TukorMin->value());
    }
    Rogzit(Feltetel::Ikerszam);
    Rogzit(Feltetel::Tukorszam);
}

void TFeltetelek::IkerTukorLepes(bool tukor, bool felfele) {
    if (csendes_ || !isVisible()) return;
    const auto kerdes = IkerTukorLepesKerdes(f_.Adatok, Kornyezet.SorHossz, tukor, felfele);
    if (!kerdes.empty() && u_.FigyelmeztetoKerdes(kerdes))
        Doboz(tukor ? Feltetel::Ikerszam : Feltetel::Tukorszam)->setChecked(false);
}

bool TFeltetelek::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusIn && isVisible()) {
        auto& a = f_.Adatok;
        const int K = Kornyezet.SorHossz;
        if ((o == IkerMin || o == IkerMax) && TukorFeleslegesIkerMiatt(a, K) &&
            u_.FigyelmeztetoKerdes(TukorTorlesKerdes))
            Doboz(Feltetel::Tukorszam)->setChecked(false);
        if ((o == TukorMin || o == TukorMax) && IkerFeleslegesTukorMiatt(a, K) &&
            u_.FigyelmeztetoKerdes(IkerTorlesKerdes))
            Doboz(Feltetel::Ikerszam)->setChecked(false);
    }
    return QDialog::eventFilter(o, e);
}

void TFeltetelek::HibapontValtozott() {
    const int K = Kornyezet.SorHossz;
    const int e = HibapontIgazitas(hibapont_->value(), K);
    if (e != hibapont_->value()) Ertek(hibapont_, e);
    HibapontosOpciokBeallitasa(e);
    f_.Adatok.Hibapont = static_cast<std::uint8_t>(e);
}

void TFeltetelek::HibapontosOpciokBeallitasa(int hibapont) {
    const bool van = HibapontosOpciok(hibapont, Kornyezet.SorHossz);
    for (auto* b : {eloszlasOptBox_, optimalizaltBox_}) {
        b->setEnabled(van);
        if (!van) b->setChecked(false);
    }
    OptimalisOpcio(optimalizaltBox_, van, Kornyezet, hibapont);
}

void TFeltetelek::Rogzit(Feltetel f) {
    auto& a = f_.Adatok;
    switch (f) {
    case Feltetel::Fav:
        a.FavSzamai = FavElso->value();
        a.FavSzamaiMax = FavUtolso->value();
        a.FavTalalat = FavMin->value();
        a.FavTalalatMax = FavMax->value();
        break;
    case Feltetel::Mob:
        a.MobSzamai = MobMeret->value();
        a.MobTalalatMax = MobMax->value();
        break;
    case Feltetel::Fix:
        a.FixSzamai = FixMeret->value();
        a.FixTalalatMax = FixMax->value();
        break;
    case Feltetel::SzcsParos:
        a.SzcsParosFix = SzcsFix->isChecked();
        a.SzcsParosTipus = SzcsParos->isChecked();
        a.SzcsParos =
            ParosRekordMinimum(SzcsTobb->isChecked(), Kornyezet.SorHossz, SzcsParosMin->value());
        a.SzcsParosMax = SzcsParosMax->value();
        break;
    case Feltetel::SzvParos:
        a.SzvParosFix = SzvFix->isChecked();
        a.SzvParosTipus = SzvParos->isChecked();
        a.SzvParos =
            ParosRekordMinimum(SzvTobb->isChecked(), Kornyezet.SorHossz, SzvParosMin->value());
        a.SzvParosMax = SzvParosMax->value();
        break;
    case Feltetel::SzcsIsmet:
        a.SzcsIsmetEgy = SzcsEgy->isChecked();
        a.SzcsIsmet = SzcsIsmetMin->value();
        a.SzcsIsmetMax = SzcsIsmetMax->value();
        break;
    case Feltetel::SzvIsmet:
        a.SzvIsmetEgy = SzvEgy->isChecked();
        a.SzvIsmet = SzvIsmetMin->value();
        a.SzvIsmetMax = SzvIsmetMax->value();
        break;
    case Feltetel::TalAr:
        a.TalArKeresett = TalArKeresett->isChecked();
        a.TalArTalalat = TalArMin->value();
        a.TalArTalalatMax = TalArMax->value();
        a.TalArHuzasok = TalArHuzasok->isChecked();
        break;
    case Feltetel::Osszeg:
        OsszegIras();
        break;
    case Feltetel::Ikerszam:
        a.Ikerszam = IkerMin->value();
        a.IkerszamMax = IkerMax->value();
        break;
    case Feltetel::Tukorszam:
        a.Tukorszam = TukorMin->value();
        a.TukorszamMax = TukorMax->value();
        break;
    }
}

void TFeltetelek::Ertekek() {
    for (int i = 0; i < 11; ++i) Rogzit(static_cast<Feltetel>(i));
}

void TFeltetelek::BeolvFeltKijelolese() {
    SzamJelzoBeallitas(f_, Kornyezet.Jelolt, Kornyezet.Jatek);
    const FeltetelAdatok tarolt = f_.Adatok;
    auto& a = f_.Adatok;
    const std::array<std::uint8_t FeltetelAdatok::*, 11> be{
        &FeltetelAdatok::FavBe,       &FeltetelAdatok::MobBe,       &FeltetelAdatok::FixBe,
        &FeltetelAdatok::SzcsParosBe, &FeltetelAdatok::SzcsIsmetBe, &FeltetelAdatok::TalArBe,
        &FeltetelAdatok::SzvParosBe,  &FeltetelAdatok::SzvIsmetBe,  &FeltetelAdatok::EsemOsszegBe,
        &FeltetelAdatok::IkerszamBe,  &FeltetelAdatok::TukorszamBe};
    ++csendes_;
    for (auto* d : dobozok_) d->setChecked(false);
    Ertek(FavElso, tarolt.FavSzamai);
    Ertek(FavUtolso, tarolt.FavSzamaiMax);
    Ertek(FavMin, tarolt.FavTalalat);
    Ertek(FavMax, tarolt.FavTalalatMax);
    Ertek(MobMeret, tarolt.MobSzamai);
    Ertek(MobMax, tarolt.MobTalalatMax);
    Ertek(FixMeret, tarolt.FixSzamai);
    Ertek(FixMax, tarolt.FixTalalatMax);
    --csendes_;
    // Each condition through its own handler, then the stored values back on top of what
    // the handler chose.
    for (int i = 0; i < 11; ++i) {
        if (!(tarolt.*be[static_cast<std::size_t>(i)])) continue;
        Doboz(static_cast<Feltetel>(i))->setChecked(true);
        a = tarolt;
        SzamJelzoBeallitas(f_, Kornyezet.Jelolt, Kornyezet.Jatek);
    }
    ++csendes_;
    for (auto [r, v] :
         {std::pair{SzcsFix, tarolt.SzcsParosFix != 0},
          std::pair{SzcsTobb, tarolt.SzcsParosFix == 0},
          std::pair{SzcsParos, tarolt.SzcsParosTipus != 0},
          std::pair{SzcsParatlan, tarolt.SzcsParosTipus == 0},
          std::pair{SzcsEgy, tarolt.SzcsIsmetEgy != 0},
          std::pair{SzcsTobbIsmet, tarolt.SzcsIsmetEgy == 0},
          std::pair{SzvFix, tarolt.SzvParosFix != 0}, std::pair{SzvTobb, tarolt.SzvParosFix == 0},
          std::pair{SzvParos, tarolt.SzvParosTipus != 0},
          std::pair{SzvParatlan, tarolt.SzvParosTipus == 0},
          std::pair{SzvEgy, tarolt.SzvIsmetEgy != 0},
          std::pair{SzvTobbIsmet, tarolt.SzvIsmetEgy == 0},
          std::pair{TalArKeresett, tarolt.TalArKeresett != 0},
          std::pair{TalArKizart, tarolt.TalArKeresett == 0},
          std::pair{TalArHuzasok, tarolt.TalArHuzasok != 0},
          std::pair{TalArBontas, tarolt.TalArHuzasok == 0},
          std::pair{OsszegFix, tarolt.EsemOsszegFix != 0},
          std::pair{OsszegMobil, tarolt.EsemOsszegFix == 0}})
        if (v) r->setChecked(true);
    for (auto [s, v] : {std::pair<QSpinBox*, int>{SzcsParosMin, tarolt.SzcsParos},
                        {SzcsParosMax, tarolt.SzcsParosMax},
                        {SzcsIsmetMin, tarolt.SzcsIsmet},
                        {SzcsIsmetMax, tarolt.SzcsIsmetMax},
                        {TalArMin, tarolt.TalArTalalat},
                        {TalArMax, tarolt.TalArTalalatMax},
                        {SzvParosMin, tarolt.SzvParos},
                        {SzvParosMax, tarolt.SzvParosMax},
                        {SzvIsmetMin, tarolt.SzvIsmet},
                        {SzvIsmetMax, tarolt.SzvIsmetMax},
                        {OsszegMin, tarolt.EsemOsszFix},
                        {OsszegMax, tarolt.EsemOsszMax},
                        {IkerMin, tarolt.Ikerszam},
                        {IkerMax, tarolt.IkerszamMax},
                        {TukorMin, tarolt.Tukorszam},
                        {TukorMax, tarolt.TukorszamMax}})
        if (s->isVisibleTo(this) || true) Ertek(s, v);
    // The field's range follows the ticket of the loaded file, not the one the window last
    // opened on.
    hibapont_->Hatarok(HibapontHatar(Kornyezet.SorHossz), Sugo(" A bontás hibapontjának száma. "));
    Ertek(hibapont_, HibapontIgazitas(tarolt.Hibapont, Kornyezet.SorHossz));
    const bool opciok = HibapontosOpciok(tarolt.Hibapont, Kornyezet.SorHossz);
    eloszlasOptBox_->setEnabled(opciok);
    eloszlasOptBox_->setChecked(f_.EloszlasOpt != 0);
    optimalizaltBox_->setEnabled(opciok);
    if (!opciok) optimalizaltBox_->setChecked(false);
    OptimalisOpcio(optimalizaltBox_, opciok, Kornyezet, tarolt.Hibapont);
    --csendes_;
    a = tarolt;
    SzamJelzoBeallitas(f_, Kornyezet.Jelolt, Kornyezet.Jatek);
    FeltJelzoBeallitas();
}

} // namespace varion::ui
