#include "game/Foszelveny.h"

#include <cstdio>

#include "game/Jatek.h"

namespace varion {

namespace {

constexpr std::string_view ZaroltSugo =
    " A főszelvény zárolva van.\r Feloldásához nyomja meg az F9 billentyűt. ";
constexpr std::string_view NincsKijelolt = " Nincs kijelölt számsor. ";

std::string Ket(int ertek) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%2d", ertek);
    return buf;
}

SzelvParancs NezetParancs(NezetMod mod) {
    switch (mod) {
    case NezetMod::Hanyszor:
        return SzelvParancs::HanyszorHuztak;
    case NezetMod::HanyHuzasOta:
        return SzelvParancs::HanyHuzasOta;
    case NezetMod::Sorrend:
        return SzelvParancs::SzamokSorrendje;
    case NezetMod::Normal:
        break;
    }
    return SzelvParancs::NormalAlak;
}

} // namespace

SzelvBejegyzes CellaSzovegSzin(CellaJeloles j) {
    switch (j) {
    case CellaJeloles::Normal:
        return SzelvBejegyzes::KijeloltSzam;
    case CellaJeloles::Fix:
        return SzelvBejegyzes::FixSzam;
    case CellaJeloles::Allando:
        return SzelvBejegyzes::AllandoSzam;
    case CellaJeloles::Veletlen:
        return SzelvBejegyzes::VeletlenSzam;
    case CellaJeloles::Jeloletlen:
        break;
    }
    return SzelvBejegyzes::SzamSzin;
}

std::string CellaSugo(CellaJeloles jeloles, int n) {
    const std::string sz = std::to_string(n);
    switch (jeloles) {
    case CellaJeloles::Normal:
        return " Kijelölt szám (" + sz + ") törlése. ";
    case CellaJeloles::Fix:
        return " Fix szám (" + sz + "). Törlése a SHIFT billentyű lenyomása mellett... ";
    case CellaJeloles::Allando:
        return " Állandó szám (" + sz + "). Törlése a CTRL billentyű lenyomása mellett... ";
    case CellaJeloles::Veletlen:
        return " Véletlen szám (" + sz + ").";
    case CellaJeloles::Jeloletlen:
        break;
    }
    return " Szám (" + sz + ") kijelölése. ";
}

std::string RiportPanelSzoveg(const FoszelvenySzamok& sz) {
    const auto db = [](const Szamsor& s) { return Ket(static_cast<int>(s.size())); };
    return " Kijelölve  : " + Ket(sz.Kijelolve()) + " szám\r" +
           "  - fix     : " + db(sz.FixSzamok()) + "\r" +
           "  - állandó : " + db(sz.AllandoSzamok()) + "\r" +
           "  - véletlen: " + db(sz.VeletlenSzamok()) + "\r" +
           " Számsorrend: " + std::string(SzamsorrendAdat(sz.GetSzamsorrend()).Felirat);
}

TFoszelveny::TFoszelveny(int jatek, FoszelvenyKornyezet& kornyezet, Uzenetek& uzenetek,
                         Veletlen& veletlen, FoszelvenyParancsok& parancsok)
    : szamok_(jatek), kornyezet_(kornyezet), uzenetek_(uzenetek), veletlen_(veletlen),
      parancsok_(parancsok) {
    const int max = szamok_.MaxSzam();
    cellak_.resize(static_cast<std::size_t>(max));
    stat_.assign(static_cast<std::size_t>(max), 0);
    for (int n = 1; n <= max; ++n) CellaIr(n).Sugo = CellaSugo(CellaJeloles::Jeloletlen, n);
    parancsok_.Kijelol(SzelvParancs::NormalAlak);
    Frissites(true);
}

bool TFoszelveny::Fix(int n) const {
    return Tartalmaz(szamok_.FixSzamok(), n);
}
bool TFoszelveny::Allando(int n) const {
    return Tartalmaz(szamok_.AllandoSzamok(), n);
}
bool TFoszelveny::VeletlenSzam(int n) const {
    return Tartalmaz(szamok_.VeletlenSzamok(), n);
}
bool TFoszelveny::Jelolt(int n) const {
    return Tartalmaz(szamok_.JeloltSzamok(), n);
}

void TFoszelveny::Megjelenit(int n, CellaJeloles jeloles) {
    auto& c = CellaIr(n);
    c.Jeloles = jeloles;
    c.Emelt = jeloles != CellaJeloles::Jeloletlen;
    c.Sugo = CellaSugo(jeloles, n);
}

std::string TFoszelveny::CellaSzoveg(int n) const {
    if (nezet_ == NezetMod::Normal) return std::to_string(n);
    const int ertek = stat_.at(static_cast<std::size_t>(n - 1));
    if (nezet_ == NezetMod::Sorrend)
        return Emelt(n) && ertek != 0 ? std::to_string(ertek) + "." : "-";
    return ertek == 0 ? "-" : std::to_string(ertek);
}

void TFoszelveny::SwapVegere(SzamFajta fajta, int n) {
    const auto& sor = szamok_.Sor(fajta);
    if (!Tartalmaz(sor, n)) return; // the exchange below would run off the row
    std::size_t k = 0;
    while (sor.back() != n) {
        const std::uint8_t utolso = sor.back();
        szamok_.Ir(fajta, sor.size() - 1, sor[k]);
        szamok_.Ir(fajta, k, utolso);
        ++k;
    }
    szamok_.UtolsoTorlese(fajta);
}

void TFoszelveny::SzamValtas(int n, bool csak, bool torles, SzamFajta fajta) {
    if (n < 1 || n > MaxSzam()) return;
    kornyezet_.FeltetelekTorlese();
    if (kornyezet_.VanKeszBontas()) kornyezet_.VisszatoltesAjanlasa();
    const auto sz = static_cast<std::uint8_t>(n);
    if (fajta == SzamFajta::Normal && torles && !Fix(n) && !Allando(n) && VeletlenSzam(n))
        fajta = SzamFajta::Veletlen; // a random number is taken back as such
    switch (fajta) {
    case SzamFajta::Normal:
        if (Fix(n) || Allando(n)) break;
        if (!torles) {
            Megjelenit(n, CellaJeloles::Normal);
            if (!csak && !Jelolt(n)) szamok_.Hozzafuz(SzamFajta::Normal, sz);
        } else {
            Megjelenit(n, CellaJeloles::Jeloletlen);
            if (!csak) szamok_.Eltavolit(SzamFajta::Normal, sz);
        }
        break;
    case SzamFajta::Fix:
        if (Jelolt(n)) break;
        if (!torles) {
            if (Fix(n)) break;
            if (!csak && static_cast<int>(szamok_.FixSzamok().size()) >= MaxFixSzam(Jatek())) {
                Megjelenit(n, CellaJeloles::Jeloletlen);
                uzenetek_.Figyelmeztetes(FixHatarSzoveg);
                kornyezet_.JelolesFajtaNullazas();
                Frissites();
                return;
            }
            Megjelenit(n, CellaJeloles::Fix);
            if (!csak) szamok_.Hozzafuz(SzamFajta::Fix, sz);
        } else if (Fix(n)) {
            szamok_.Eltavolit(SzamFajta::Fix, sz);
            Megjelenit(n, CellaJeloles::Jeloletlen);
        }
        break;
    case SzamFajta::Allando:
        if (Fix(n) || VeletlenSzam(n)) break;
        if (!torles) {
            if (csak || Allando(n)) break;
            Megjelenit(n, CellaJeloles::Allando);
            szamok_.Hozzafuz(SzamFajta::Allando, sz);
            if (!Jelolt(n)) szamok_.Hozzafuz(SzamFajta::Normal, sz);
        } else if (Allando(n)) {
            SwapVegere(SzamFajta::Allando, n);
            szamok_.Eltavolit(SzamFajta::Normal, sz);
            Megjelenit(n, CellaJeloles::Jeloletlen);
        }
        break;
    case SzamFajta::Veletlen:
        if (Fix(n)) break;
        if (!torles) {
            if (csak || Allando(n) || VeletlenSzam(n)) break;
            Megjelenit(n, CellaJeloles::Veletlen);
            szamok_.Hozzafuz(SzamFajta::Veletlen, sz);
            if (!Jelolt(n)) szamok_.Hozzafuz(SzamFajta::Normal, sz);
        } else if (VeletlenSzam(n)) {
            SwapVegere(SzamFajta::Veletlen, n);
            szamok_.Eltavolit(SzamFajta::Normal, sz);
            Megjelenit(n, CellaJeloles::Jeloletlen);
        }
        break;
    }
    Frissites();
}

void TFoszelveny::Kattintas(int n, int jelolesFajta) {
    if (zarolt_ || n < 1 || n > MaxSzam()) return;
    if (!kornyezet_.BontasEldobhato()) return;
    const auto fajta = jelolesFajta == 100  ? SzamFajta::Allando
                       : jelolesFajta == 50 ? SzamFajta::Fix
                                            : SzamFajta::Normal;
    SzamValtas(n, false, Emelt(n), fajta);
}

void TFoszelveny::JobbGombMozgas(int n, int jelolesFajta) {
    if (zarolt_ || n < 1 || n > MaxSzam()) return;
    if (jelolesFajta != 0 || Fix(n) || Allando(n) || n == utolsoCella_) return;
    utolsoCella_ = n;
    if (kornyezet_.BontasEldobhato()) SzamValtas(n, false, Emelt(n), SzamFajta::Normal);
}

bool TFoszelveny::TorlesJovahagyas() {
    if (szamok_.SzamsorMentve) return true;
    const bool feltetel = kornyezet_.VanFeltetel();
    bool igen;
    if (kornyezet_.VanKeszBontas()) {
        igen = uzenetek_.JovahagyasKeres(
            feltetel ? "Biztos törli a kijelölt számokat, a feltételeket, valamint a kész bontás "
                       "listáját?"
                     : "Biztos törli a kijelölt számokat és a kész bontás listáját?");
    } else if (szamok_.Kijelolve() == 0) {
        return true;
    } else {
        igen = uzenetek_.JovahagyasKeres(feltetel
                                             ? "Biztos törli a kijelölt számokat és a feltételeket?"
                                             : "Biztos törli a kijelölt számokat?");
    }
    if (igen) kornyezet_.JelolesFajtaNullazas();
    return igen;
}

void TFoszelveny::VeletlenEsUjAllapot() {
    const auto& sz = szamok_;
    const int k = sz.Kijelolve();
    if (k == 0)
        parancsok_.Beallit(SzelvParancs::UjFoszelveny, false, NincsKijelolt);
    else if (sz.AllandoSzamok().size() == sz.JeloltSzamok().size() && sz.FixSzamok().empty())
        parancsok_.Beallit(SzelvParancs::UjFoszelveny, false,
                           " Csak állandó számok vannak kijelölve. ");
    else
        parancsok_.Beallit(SzelvParancs::UjFoszelveny, true,
                           " Új főszelvény, a bontásra kijelölt számsor törlése. ");
    if (k < MaxSzam() - 2) {
        parancsok_.Beallit(SzelvParancs::VeletlenSzam, true, " Egy véletlen szám generálása. ");
        parancsok_.Beallit(SzelvParancs::VeletlenSzamok, true,
                           " Kettő vagy több véletlen szám generálása. ");
        parancsok_.Beallit(SzelvParancs::KijelolesMind, true,
                           " Minden szám kijelölése a főszelvényen. ");
    } else {
        constexpr std::string_view nincsErtelme =
            " Nincs értelme több véletlen szám kijelölésének. ";
        parancsok_.Beallit(SzelvParancs::VeletlenSzam, false, nincsErtelme);
        parancsok_.Beallit(SzelvParancs::VeletlenSzamok, false, nincsErtelme);
        parancsok_.Engedelyez(SzelvParancs::KijelolesMind, false);
    }
}

void TFoszelveny::SorrendNezetFrissites() {
    if (nezet_ != NezetMod::Sorrend) return;
    stat_.assign(stat_.size(), 0);
    const auto jelol = [this](const Szamsor& sor) {
        for (std::size_t i = 0; i < sor.size(); ++i)
            stat_.at(static_cast<std::size_t>(sor[i] - 1)) = static_cast<int>(i + 1);
    };
    jelol(szamok_.JeloltSzamok());
    jelol(szamok_.FixSzamok());
}

void TFoszelveny::Frissites(bool kenyszer) {
    const int jelolt = static_cast<int>(szamok_.JeloltSzamok().size());
    const int fix = static_cast<int>(szamok_.FixSzamok().size());
    if (frissul_) return;
    if (!kenyszer && jelolt == elozoJelolt_ && fix == elozoFix_) return;
    frissul_ = true;
    const auto& sz = szamok_;
    const int k = sz.Kijelolve();
    const int allando = static_cast<int>(sz.AllandoSzamok().size());
    const int vel = static_cast<int>(sz.VeletlenSzamok().size());

    parancsok_.Beallit(SzelvParancs::Zarol, k > 0,
                       k > 0 ? " Főszelvény zárolása. " : NincsKijelolt);
    parancsok_.MenuEngedelyez(SzelvMenu::SzamsorTorles, k > 0);
    parancsok_.Beallit(SzelvParancs::MindenSzam, k > 0,
                       k > 0 ? " Minden kijelölt szám törlése. " : NincsKijelolt);
    parancsok_.Beallit(SzelvParancs::VeletlenSzamokTorles, vel > 0,
                       vel > 0 ? " Véletlen szám(ok) törlése. "
                               : " Nincs kijelölve véletlen szám. ");
    parancsok_.Beallit(SzelvParancs::FixSzamok, fix > 0,
                       fix > 0 ? " Fix szám(ok) törlése. " : " Nincs kijelölve fix szám. ");
    parancsok_.Beallit(SzelvParancs::AllandoSzamok, allando > 0,
                       allando > 0 ? " Állandó szám(ok) törlése. "
                                   : " Nincs kijelölve állandó szám. ");
    parancsok_.Engedelyez(SzelvParancs::BontasSzamai, allando + vel != jelolt);
    parancsok_.FeltMenuAll(k >= Jatek() + 1, kornyezet_.VanKeszBontas());
    VeletlenEsUjAllapot();
    parancsok_.Beallit(SzelvParancs::SajatSzamokkal, SajatSzamokkalLehet(sz),
                       SajatSzamokAllapotSugo(sz));
    szamok_.Atrendezes(veletlen_);
    SorrendNezetFrissites();
    riport_ = RiportPanelSzoveg(szamok_);
    if (zarolt_) ParancsZaras(); // a locked ticket keeps its commands locked
    elozoJelolt_ = jelolt;
    elozoFix_ = fix;
    frissul_ = false;
}

void TFoszelveny::SorokKijelzese() {
    for (int n = 1; n <= MaxSzam(); ++n)
        Megjelenit(n, Fix(n)            ? CellaJeloles::Fix
                      : Allando(n)      ? CellaJeloles::Allando
                      : VeletlenSzam(n) ? CellaJeloles::Veletlen
                      : Jelolt(n)       ? CellaJeloles::Normal
                                        : CellaJeloles::Jeloletlen);
    SorrendNezetFrissites();
    Frissites(true);
}

bool TFoszelveny::SetSzamsorrend(Szamsorrend mod) {
    if (mod == szamok_.GetSzamsorrend() || !kornyezet_.BontasEldobhato()) return false;
    szamok_.SetSzamsorrend(mod, veletlen_);
    SorrendNezetFrissites();
    riport_ = RiportPanelSzoveg(szamok_);
    return true;
}

void TFoszelveny::Vege() {
    Feloldas();
    Frissites(true);
}

void TFoszelveny::MindKijelol(bool kerdessel) {
    if (kerdessel && !TorlesJovahagyas()) return;
    if (szamok_.Kijelolve() < MaxSzam())
        for (int n = 1; n <= MaxSzam(); ++n)
            if (!Fix(n) && !Jelolt(n)) SzamValtas(n, false, false, SzamFajta::Normal);
    Vege();
}

void TFoszelveny::FixTorles() {
    if (!kornyezet_.BontasEldobhato()) return;
    while (!szamok_.FixSzamok().empty())
        SzamValtas(szamok_.FixSzamok().back(), false, true, SzamFajta::Fix);
    Vege();
}

void TFoszelveny::AllandoTorles() {
    if (!kornyezet_.BontasEldobhato()) return;
    while (!szamok_.AllandoSzamok().empty())
        SzamValtas(szamok_.AllandoSzamok().back(), false, true, SzamFajta::Allando);
    Vege();
}

void TFoszelveny::VeletlenTorles() {
    if (!kornyezet_.BontasEldobhato()) return;
    while (!szamok_.VeletlenSzamok().empty())
        SzamValtas(szamok_.VeletlenSzamok().back(), false, true, SzamFajta::Veletlen);
    Vege();
}

void TFoszelveny::BontasSzamaiTorles() {
    if (!kornyezet_.BontasEldobhato()) return;
    bool talalt = true;
    while (talalt) {
        talalt = false;
        for (auto n : szamok_.JeloltSzamok())
            if (!Allando(n) && !VeletlenSzam(n)) {
                SzamValtas(n, false, true, SzamFajta::Normal);
                talalt = true;
                break;
            }
    }
    Vege();
}

void TFoszelveny::MindTorles() {
    if (!TorlesJovahagyas()) return;
    while (!szamok_.FixSzamok().empty())
        SzamValtas(szamok_.FixSzamok().back(), false, true, SzamFajta::Fix);
    while (!szamok_.AllandoSzamok().empty())
        SzamValtas(szamok_.AllandoSzamok().back(), false, true, SzamFajta::Allando);
    while (!szamok_.VeletlenSzamok().empty())
        SzamValtas(szamok_.VeletlenSzamok().back(), false, true, SzamFajta::Veletlen);
    while (!szamok_.JeloltSzamok().empty())
        SzamValtas(szamok_.JeloltSzamok().back(), false, true, SzamFajta::Normal);
    Vege();
}

void TFoszelveny::UjFoszelveny() {
    if (!TorlesJovahagyas()) return;
    while (!szamok_.FixSzamok().empty())
        SzamValtas(szamok_.FixSzamok().back(), false, true, SzamFajta::Fix);
    while (!szamok_.VeletlenSzamok().empty())
        SzamValtas(szamok_.VeletlenSzamok().back(), false, true, SzamFajta::Veletlen);
    for (bool talalt = true; talalt;) {
        talalt = false;
        for (auto n : szamok_.JeloltSzamok())
            if (!Allando(n)) {
                SzamValtas(n, false, true, SzamFajta::Normal);
                talalt = true;
                break;
            }
    }
    Nezet(NezetMod::Normal);
    Vege();
}

void TFoszelveny::EgyVeletlenSzam() {
    int szabad = 0;
    for (int n = 1; n <= MaxSzam(); ++n)
        if (!Emelt(n)) ++szabad;
    if (szabad == 0) return; // drawing again would never end
    int v;
    do v = veletlen_.Szam(MaxSzam()) + 1;
    while (Emelt(v));
    SzamValtas(v, false, false, SzamFajta::Veletlen);
    if (VeletlenSzam(v)) CellaIr(v).Sugo = " Véletlen szám (" + std::to_string(v) + ") törlése. ";
}

void TFoszelveny::ParancsZaras() {
    parancsok_.ZarolasFelirat(true);
    parancsok_.Beallit(SzelvParancs::Zarol, true, " Főszelvény feloldása. ");
    parancsok_.MenuEngedelyez(SzelvMenu::Szamsor, false);
    parancsok_.Engedelyez(SzelvParancs::UjFoszelveny, false);
    parancsok_.Beallit(SzelvParancs::VeletlenSzam, false, ZaroltSugo);
    parancsok_.Beallit(SzelvParancs::VeletlenSzamok, false, ZaroltSugo);
    parancsok_.Engedelyez(SzelvParancs::MindenSzam, false);
    parancsok_.MenuBeallit(SzelvMenu::Jatek, false, ZaroltSugo);
}

void TFoszelveny::Zarolas() {
    if (zarolt_) return;
    zarolt_ = true;
    felirat_ = "  Főszelvény zárolva";
    ParancsZaras();
}

void TFoszelveny::Feloldas() {
    if (!zarolt_) return;
    zarolt_ = false;
    felirat_ = "  Főszelvény";
    const auto& sz = szamok_;
    const int k = sz.Kijelolve();
    parancsok_.ZarolasFelirat(false);
    const bool csakAllando =
        sz.AllandoSzamok().size() == sz.JeloltSzamok().size() && sz.FixSzamok().empty();
    parancsok_.Beallit(SzelvParancs::Zarol, k > 0,
                       k == 0 || csakAllando ? NincsKijelolt : " Főszelvény zárolása. ");
    parancsok_.MenuEngedelyez(SzelvMenu::Szamsor, true);
    parancsok_.MenuBeallit(SzelvMenu::Jatek, true, " Lottójátékok. ");
    VeletlenEsUjAllapot();
    parancsok_.Beallit(SzelvParancs::MindenSzam, k > 0,
                       k > 0 ? " Minden kijelölt szám törlése. " : NincsKijelolt);
}

void TFoszelveny::Nezet(NezetMod mod) {
    std::vector<int> ertekek(static_cast<std::size_t>(MaxSzam()), 0);
    if (mod == NezetMod::Hanyszor || mod == NezetMod::HanyHuzasOta) {
        auto stat = kornyezet_.HuzasStatisztika(mod);
        if (!stat || stat->size() != ertekek.size()) return; // no draws: the view stays
        ertekek = std::move(*stat);
    }
    nezet_ = mod;
    stat_ = std::move(ertekek);
    SorrendNezetFrissites();
    switch (mod) {
    case NezetMod::Normal:
        felirat_ = "  Főszelvény";
        break;
    case NezetMod::Hanyszor:
        felirat_ = "  Hányszor húzták...";
        break;
    case NezetMod::HanyHuzasOta:
        felirat_ = "  Hány húzás óta nem került elő...";
        break;
    case NezetMod::Sorrend:
        felirat_ = "  Számsorrend";
        break;
    }
    parancsok_.Kijelol(NezetParancs(mod));
}

bool SajatSzamokkalLehet(const FoszelvenySzamok& sz) {
    const int jatek = sz.Jatek();
    return static_cast<int>(sz.JeloltSzamok().size()) == jatek &&
           static_cast<int>(sz.AllandoSzamok().size()) == jatek && sz.FixSzamok().empty();
}

std::string SajatSzamokAllapotSugo(const FoszelvenySzamok& sz) {
    if (SajatSzamokkalLehet(sz)) return " Példabontás készítése saját számok alapján. ";
    if (!sz.FixSzamok().empty())
        return " Példabontás készítése saját számok alapján. \r Fix számokkal nem készíthető "
               "példabontás: a feltételek a teljes számsorra vonatkoznak. ";
    return SajatSzamokSugoSzoveg(sz.Jatek());
}

std::string SajatSzamokSugoSzoveg(int jatek) {
    return " Példabontás készítése saját számok alapján. \r Jelöljön ki az üres főszelvényen " +
           std::to_string(jatek) + " darab állandó számot. ";
}

} // namespace varion
