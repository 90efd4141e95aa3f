#include "files/SzamsorFajl.h"

#include <algorithm>
#include <vector>

#include "conditions/FeltetelEllenorzes.h"
#include "game/Jatek.h"
#include "io/FajlMentes.h"

namespace varion {

SzamsorAdatok SzamsorFelvetel(const FoszelvenySzamok& szamok, const FeltetelAdatok& feltetelek,
                              bool feltetelJelzo, bool eloszlasOpt, Tartomany huzasok) {
    SzamsorAdatok a;
    a.Jatek = szamok.Jatek();
    a.ValtozoSzamDb = szamok.ValtozoSzamDb();
    a.Jelolt = szamok.JeloltSzamok();
    a.Fix = szamok.FixSzamok();
    a.Allando = szamok.AllandoSzamok();
    a.Veletlen = szamok.VeletlenSzamok();
    a.Szamsorrend = static_cast<int>(szamok.GetSzamsorrend());
    a.Hibapont = feltetelek.Hibapont;
    a.FeltetelJelzo = feltetelJelzo;
    a.Feltetelek = feltetelek;
    a.Huzasok = huzasok;
    a.EloszlasOpt = eloszlasOpt;
    return a;
}

void SzamsorBetoltes(const SzamsorAdatok& a, SzamsorCel cel) {
    cel.Szamok.Uresites();
    for (auto s : a.Jelolt) cel.Szamok.Hozzafuz(SzamFajta::Normal, s);
    for (auto s : a.Fix) cel.Szamok.Hozzafuz(SzamFajta::Fix, s);
    for (auto s : a.Allando) cel.Szamok.Hozzafuz(SzamFajta::Allando, s);
    for (auto s : a.Veletlen) cel.Szamok.Hozzafuz(SzamFajta::Veletlen, s);
    cel.Szamok.SzamsorrendKijelzes(static_cast<Szamsorrend>(a.Szamsorrend));
    cel.Feltetelek = a.Feltetelek;
    cel.Feltetelek.Hibapont = static_cast<std::uint8_t>(a.Hibapont);
    cel.FeltetelJelzo = a.FeltetelJelzo;
    cel.EloszlasOpt = a.EloszlasOpt;
    cel.Tartomanyok.Set(TartomanyFajta::Bontas, a.Huzasok);
}

// Stored files rely on these literal comparisons, so they stay as they are. They read a
// major version above 1 through its minor and release: 2.0.0 would count as older than
// 1.2.3 and its files would be read without the random numbers and the switch, so a 2.x
// writer must either keep the minor at 4 or later or this test must learn about it first.
bool VanVeletlenSzam(const ProgramVerzio& v) {
    return (v.Fo >= 1 && v.Al >= 2 && v.Kiadas >= 3) || (v.Fo >= 1 && v.Al >= 3);
}

bool VanEloszlasBajt(const ProgramVerzio& v) {
    return (v.Fo >= 1 && v.Al >= 3 && v.Kiadas >= 1) || (v.Fo >= 1 && v.Al >= 4);
}

namespace {

void Sor(io::Iro& iro, const Szamsor& s) {
    iro.Int32(static_cast<std::int32_t>(s.size()));
    iro.Bajtok(s);
}

// A count followed by that many numbers; the count must lie in 0..max.
bool SorOlvasas(io::Olvaso& o, int max, Szamsor& s) {
    std::int32_t n = 0;
    if (!o.Int32(n) || n < 0 || n > max) return false;
    s.assign(static_cast<std::size_t>(n), 0);
    return o.Bajtok(s);
}

} // namespace

void SzamsorIras(io::Iro& iro, const SzamsorAdatok& a, const ProgramVerzio& verzio) {
    iro.Bajtok(VerzioFejlec(verzio));
    iro.Int32(a.Jatek);
    iro.Int32(a.ValtozoSzamDb);
    Sor(iro, a.Jelolt);
    Sor(iro, a.Fix);
    Sor(iro, a.Allando);
    iro.Int32(a.Szamsorrend);
    iro.Int32(a.Feltetelek.Hibapont);
    iro.Byte(a.FeltetelJelzo ? 1 : 0);
    FeltetelAdatokIras(a.Feltetelek, iro);
    iro.Int32(a.Huzasok.Elso);
    iro.Int32(a.Huzasok.Utolso);
    Sor(iro, a.Veletlen);
    iro.Byte(a.EloszlasOpt ? 1 : 0);
}

std::optional<SzamsorAdatok> SzamsorOlvasas(io::Olvaso& o, int jatek, bool vanAdatbazis,
                                            int huzasDb, Uzenetek& u) {
    auto hiba = [&u]() -> std::optional<SzamsorAdatok> {
        u.HibaUzenet(SzamsorBetoltesHiba);
        return std::nullopt;
    };
    SzamsorAdatok a;
    std::int32_t v[4]{};
    std::int32_t fileJatek = 0;
    if (!o.Int32(v[0]) || !o.Int32(v[1]) || !o.Int32(v[2]) || !o.Int32(v[3]) || !o.Int32(fileJatek))
        return hiba();
    a.Verzio = {v[0], v[1], v[2], v[3]};
    if (fileJatek != jatek) {
        u.HibaUzenet(MasJatekSzoveg);
        return std::nullopt;
    }
    a.Jatek = jatek;
    const int maxSzam = MaxSzamJatek(jatek);
    std::int32_t k = 0, sorrend = 0, hibapont = 0, elso = 0, utolso = 0;
    std::uint8_t jelzo = 0, eloszlas = 0;
    if (!o.Int32(k) || !SorOlvasas(o, maxSzam, a.Jelolt) ||
        !SorOlvasas(o, MaxFixSzam(jatek), a.Fix) ||
        !SorOlvasas(o, static_cast<int>(a.Jelolt.size()), a.Allando) || !o.Int32(sorrend) ||
        !o.Int32(hibapont) || !o.Byte(jelzo) || !FeltetelAdatokOlvasas(o, a.Feltetelek) ||
        !o.Int32(elso) || !o.Int32(utolso))
        return hiba();
    if (VanVeletlenSzam(a.Verzio) && !SorOlvasas(o, static_cast<int>(a.Jelolt.size()), a.Veletlen))
        return hiba();
    if (VanEloszlasBajt(a.Verzio) && !o.Byte(eloszlas)) return hiba();

    // Nothing of a record that fails here reaches the ticket.
    FoszelvenySzamok proba(jatek);
    for (auto s : a.Jelolt) proba.Hozzafuz(SzamFajta::Normal, s);
    for (auto s : a.Fix) proba.Hozzafuz(SzamFajta::Fix, s);
    for (auto s : a.Allando) proba.Hozzafuz(SzamFajta::Allando, s);
    for (auto s : a.Veletlen) proba.Hozzafuz(SzamFajta::Veletlen, s);
    // The error points come from item 11 (its low byte), as the ticket takes them; more
    // than 3 is no file the program wrote and would reach the engine unchecked.
    if (!proba.Ervenyes() || k != proba.ValtozoSzamDb() || !ErvenyesSzamsorrend(sorrend) ||
        (hibapont & 0xFF) > 3)
        return hiba();
    // The record is raw bytes: the engine may only see what the conditions window produces.
    if (!FeltetelAdatokErvenyes(a.Feltetelek, static_cast<int>(a.Jelolt.size()), k, jatek))
        return hiba();
    a.ValtozoSzamDb = k;
    a.Szamsorrend = sorrend;
    a.Hibapont = hibapont & 0xFF;
    a.Feltetelek.Hibapont = static_cast<std::uint8_t>(a.Hibapont);
    a.FeltetelJelzo = jelzo != 0;
    a.EloszlasOpt = eloszlas != 0;

    if (a.Feltetelek.TalArBe && a.Feltetelek.TalArHuzasok && !vanAdatbazis) {
        u.HibaUzenet(AdatbazisHianyzikSzoveg);
        return std::nullopt;
    }
    // The program writes only ranges inside 0.., the first at most one past the last (the
    // empty 1..0 of a draw-less database); anything else was not written by us.
    if (elso < 0 || utolso < 0 || static_cast<std::int64_t>(elso) > std::int64_t{utolso} + 1)
        return hiba();
    const int d = vanAdatbazis ? huzasDb : 0;
    if (utolso > d) {
        if (!u.HibaKerdes(RegiAdatbazisKerdes)) return std::nullopt;
        utolso = d;
    }
    // A range stored against another database (an empty one, or one that has since been
    // shortened) is moved into this one as the range setters do, never refused.
    a.Huzasok = Igazitas({elso, utolso}, d);
    return a;
}

std::optional<SzamsorAdatok> SzamsorOlvasas(io::Forras& f, std::uint64_t& vege, int jatek,
                                            bool vanAdatbazis, int huzasDb, Uzenetek& u) {
    std::vector<std::uint8_t> eleje(
        static_cast<std::size_t>(std::min<std::uint64_t>(f.Meret(), SzamsorLegfeljebb)));
    if (!f.Olvas(0, eleje)) {
        u.HibaUzenet(AllomanyOlvasasHiba);
        return std::nullopt;
    }
    io::Olvaso o(eleje);
    auto a = SzamsorOlvasas(o, jatek, vanAdatbazis, huzasDb, u);
    vege = o.Pozicio();
    return a;
}

bool SzamsorOlvasas(io::Olvaso& o, int jatek, bool vanAdatbazis, int huzasDb, SzamsorCel cel,
                    Uzenetek& u) {
    const auto a = SzamsorOlvasas(o, jatek, vanAdatbazis, huzasDb, u);
    if (!a) return false;
    SzamsorBetoltes(*a, cel);
    return true;
}

bool TipMentes(const std::filesystem::path& fajl, const SzamsorAdatok& a, Uzenetek& u,
               std::size_t hibaUtan) {
    io::Iro iro;
    SzamsorIras(iro, a, SajatVerzio());
    if (!io::BiztosMentes(fajl, iro.Adat(), hibaUtan)) {
        u.HibaUzenet(SzamsorMentesHiba);
        return false;
    }
    return true;
}

std::optional<SzamsorAdatok> TipBetoltes(const std::filesystem::path& fajl, int jatek,
                                         bool vanAdatbazis, int huzasDb, Uzenetek& u) {
    auto f = io::FajlForras::Megnyitas(fajl);
    if (!f) {
        u.HibaUzenet(AllomanyOlvasasHiba);
        return std::nullopt;
    }
    std::uint64_t vege = 0;
    return SzamsorOlvasas(*f, vege, jatek, vanAdatbazis, huzasDb, u);
}

} // namespace varion
