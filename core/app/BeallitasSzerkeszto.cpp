#include "app/BeallitasSzerkeszto.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "breakdown/UBontMegsz.h"
#include "breakdown/UBontas.h"

namespace varion {

namespace {

constexpr int NezetKorlat(int nezet) {
    return std::clamp(nezet, 0, SzelvNezetDb - 1);
}

constexpr int SemaKorlat(int sema) {
    return sema == 1 ? 1 : 0;
}

// Element indices of the colour list.
constexpr int ElemSzam = 3, ElemRiportPanel = 4, ElemRiportSzoveg = 5, ElemKijeloltSzam = 6,
              ElemFixSzam = 7, ElemPluszSzam = 9, ElemVeletlenSzam = 10;

} // namespace

SzelvBejegyzes SzinElemBejegyzes(int elem) {
    elem = std::clamp(elem, 0, SzinElemDb - 1);
    // The list skips the sizes and the entry the dialog does not edit.
    const int k = elem == 0 ? 0 : elem <= 2 ? elem + 1 : elem == 3 ? elem + 2 : elem + 3;
    return static_cast<SzelvBejegyzes>(k);
}

std::optional<ElemElutasitas> ElemEllenorzes(int nezet, int elem) {
    nezet = NezetKorlat(nezet);
    elem = std::clamp(elem, 0, SzinElemDb - 1);
    const auto fajta = static_cast<SzelvFajta>(nezet);
    const bool huzasNezet = fajta == SzelvFajta::HuzasLista || fajta == SzelvFajta::UjHuzas ||
                            fajta == SzelvFajta::SzamsorKereses;
    std::optional<int> vissza;
    // A draw has no fixed, constant or random numbers; only the search marks a plus number.
    if (huzasNezet && elem >= ElemFixSzam && elem <= ElemVeletlenSzam &&
        !(fajta == SzelvFajta::SzamsorKereses && elem == ElemPluszSzam))
        vissza = ElemKijeloltSzam;
    // The entry ticket has no information panel.
    if (fajta == SzelvFajta::UjHuzas && (elem == ElemRiportPanel || elem == ElemRiportSzoveg))
        vissza = ElemSzam;
    if (!vissza) return std::nullopt;
    return ElemElutasitas{"A(z) " + std::string(SzelvNevek[static_cast<std::size_t>(nezet)]) +
                              "en nem értelmezett a(z) " +
                              std::string(SzinElemNevek[static_cast<std::size_t>(elem)]) + "!",
                          *vissza};
}

const std::array<NevesSzin, 24>& SzinLista() {
    static const std::array<NevesSzin, 24> lista{{
        {Rgb(0, 0, 0), "Fekete"},
        {Rgb(128, 0, 0), "Gesztenyebarna"},
        {Rgb(0, 128, 0), "Zöld"},
        {Rgb(128, 128, 0), "Olívazöld"},
        {Rgb(0, 0, 128), "Sötétkék"},
        {Rgb(128, 0, 128), "Lila"},
        {Rgb(0, 128, 128), "Kékeszöld"},
        {Rgb(128, 128, 128), "Szürke"},
        {Rgb(192, 192, 192), "Ezüst"},
        {Rgb(255, 0, 0), "Piros"},
        {Rgb(0, 255, 0), "Világoszöld"},
        {Rgb(255, 255, 0), "Sárga"},
        {Rgb(0, 0, 255), "Kék"},
        {Rgb(255, 0, 255), "Bíbor"},
        {Rgb(0, 255, 255), "Ciánkék"},
        {Rgb(255, 255, 255), "Fehér"},
        {Rgb(192, 220, 192), "Pénzzöld"},
        {Rgb(166, 202, 240), "Égszínkék"},
        {Rgb(255, 251, 240), "Krémszín"},
        {Rgb(160, 160, 164), "Középszürke"},
        {TemaGombFelulet, "Gombfelület"},
        {TemaAblakSzoveg, "Ablakszöveg"},
        {TemaSugoHatter, "Súgóbuborék háttere"},
        {TemaGorgetosav, "Görgetősáv"},
    }};
    return lista;
}

const std::array<MintaCella, 9>& MintaCellak() {
    using B = SzelvBejegyzes;
    static const std::array<MintaCella, 9> cellak{{
        {1, B::Jeloletlen, B::SzamSzin, false, ""},
        {2, B::Kijelolt, B::VeletlenSzam, true, " Véletlen szám betűszíne. "},
        {3, B::Kijelolt, B::AllandoSzam, true, " Állandó szám betűszíne. "},
        {4, B::Jeloletlen, B::SzamSzin, false, ""},
        {5, B::Kijelolt, B::FixSzam, true, " Fix szám betűszíne. "},
        {6, B::Jeloletlen, B::SzamSzin, false, ""},
        {7, B::Kijelolt, B::KijeloltSzam, true, " Kijelölt szám betűszíne. "},
        {8, B::Kijelolt, B::PluszSzam, true, " Plusz szám betűszíne - a Hatoslottón. "},
        {9, B::Jeloletlen, B::SzamSzin, false, ""},
    }};
    return cellak;
}

bool ArSzovegErvenyes(std::string_view szoveg, char tizedesJel) {
    const auto jel = szoveg.find(tizedesJel);
    const std::string_view egesz = szoveg.substr(0, jel);
    const std::string_view tort =
        jel == std::string_view::npos ? std::string_view{} : szoveg.substr(jel + 1);
    const auto szamjegyek = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return szamjegyek(egesz) && szamjegyek(tort) && egesz.size() <= 6 && tort.size() <= 2;
}

std::string ArSzoveg(double ar, char tizedesJel) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.2f", ar);
    std::string s(puffer);
    while (s.ends_with('0')) s.pop_back();
    if (s.ends_with('.')) s.pop_back();
    std::replace(s.begin(), s.end(), '.', tizedesJel);
    return s;
}

std::optional<double> ArErtek(std::string_view szoveg, char tizedesJel) {
    if (szoveg.empty() || !ArSzovegErvenyes(szoveg, tizedesJel)) return std::nullopt;
    std::string s(szoveg);
    std::replace(s.begin(), s.end(), tizedesJel, '.');
    if (s == ".") return std::nullopt;
    if (s.front() == '.') s.insert(s.begin(), '0');
    double v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || !std::isfinite(v) || v <= 0) return std::nullopt;
    return v;
}

double AlapAr(int penznem) {
    return penznem == 1 ? 1.0 : 200.0;
}

std::optional<std::int64_t> KapacitasKorlat(const KapacitasAdat& k) {
    if (!k.SzabadMemoria) return std::nullopt;
    const std::int64_t opt = BontasOptMerete(*k.SzabadMemoria, k.Jatek);
    return std::int64_t{k.Tarolt} + std::llround(0.88 * static_cast<double>(opt));
}

void BeallitasSzerkeszto::Megnyitas(const Beallitasok& b, const KapacitasAdat& k) {
    k_ = k;
    u_.Munka = b.SzelvSzinek;
    u_.Nezet = 0;
    u_.Elem = 0;
    SemaValasztas(b.Szinsema);

    u_.KapacitasMax = std::max<std::int64_t>(1, k.Teljes);
    u_.KapacitasMin = std::min(KapacitasLepes, u_.KapacitasMax);
    u_.KapacitasPozicio = std::clamp(k.Jelenlegi, u_.KapacitasMin, u_.KapacitasMax);

    u_.HintStatus = b.HintStatus;
    u_.Jovahagyas = b.Jovahagyas;
    u_.Inform = b.Inform;
    u_.BeallitasokMentese = b.BeallitasokMentese;
    u_.SzelvZarStatus = b.SzelvZarStatus;
    arForint_ = b.ArForint;
    arEuro_ = b.ArEuro;
    PenznemValtozas(b.Penznem);
    u_.OptimalizalasIdo = std::clamp(b.OptimalizalasIdo, MinOptimalizalasIdo, MaxOptimalizalasIdo);
}

void BeallitasSzerkeszto::NezetValasztas(int nezet) {
    u_.Nezet = NezetKorlat(nezet);
    SemaValasztas(u_.Szinsema);
}

void BeallitasSzerkeszto::SemaValasztas(int sema) {
    u_.Szinsema = SemaKorlat(sema);
    // The built-in scheme always has the smallest sizes; they cannot be edited in it.
    if (u_.Szinsema == 0) {
        BoxValtozas(MinBox);
        SzamMeretValtozas(MinSzamMeret);
    }
}

std::int32_t BeallitasSzerkeszto::Bejegyzes(SzelvBejegyzes b) const {
    return u_.Munka.Ertek(static_cast<SzelvFajta>(u_.Nezet), u_.Szinsema, b);
}

int BeallitasSzerkeszto::Box() const {
    return Bejegyzes(SzelvBejegyzes::Box);
}

int BeallitasSzerkeszto::SzamMeret() const {
    return Bejegyzes(SzelvBejegyzes::SzamMeret);
}

int ParosMeret(int ertek, int min, int max) {
    ertek = std::clamp(ertek, min, max);
    return ertek - (ertek - min) % 2;
}

void BeallitasSzerkeszto::BoxValtozas(int ertek) {
    u_.Munka.Beallit(static_cast<SzelvFajta>(u_.Nezet), u_.Szinsema, SzelvBejegyzes::Box,
                     ParosMeret(ertek, MinBox, MaxBox));
}

void BeallitasSzerkeszto::SzamMeretValtozas(int ertek) {
    u_.Munka.Beallit(static_cast<SzelvFajta>(u_.Nezet), u_.Szinsema, SzelvBejegyzes::SzamMeret,
                     ParosMeret(ertek, MinSzamMeret, MaxSzamMeret));
}

std::optional<std::string> BeallitasSzerkeszto::ElemValasztas(int elem) {
    elem = std::clamp(elem, 0, SzinElemDb - 1);
    if (auto e = ElemEllenorzes(u_.Nezet, elem)) {
        u_.Elem = e->Visszaallas;
        return std::move(e->Uzenet);
    }
    u_.Elem = elem;
    return std::nullopt;
}

std::int32_t BeallitasSzerkeszto::ElemSzin() const {
    return Bejegyzes(SzinElemBejegyzes(u_.Elem));
}

void BeallitasSzerkeszto::SzinValasztas(std::int32_t szin) {
    u_.Munka.Beallit(static_cast<SzelvFajta>(u_.Nezet), 1, SzinElemBejegyzes(u_.Elem), szin);
}

bool BeallitasSzerkeszto::TovabbiSzin(std::int32_t szin) {
    if (szin == ElemSzin()) return false;
    SemaValasztas(1);
    SzinValasztas(szin);
    return true;
}

bool BeallitasSzerkeszto::ArSzovegErvenyes(std::string_view szoveg) const {
    return varion::ArSzovegErvenyes(szoveg, tizedesJel_);
}

bool BeallitasSzerkeszto::ArKilepes() {
    if (ArErtek(u_.Ar, tizedesJel_)) return false;
    u_.Ar = ArSzoveg(AlapAr(u_.Penznem), tizedesJel_);
    return true;
}

void BeallitasSzerkeszto::PenznemValtozas(int penznem) {
    u_.Penznem = penznem == 1 ? 1 : 0;
    const double tarolt = u_.Penznem == 1 ? arEuro_ : arForint_;
    u_.Ar = ArSzoveg(tarolt > 0 ? tarolt : AlapAr(u_.Penznem), tizedesJel_);
}

void BeallitasSzerkeszto::KapacitasValtozas(std::int64_t pozicio) {
    u_.KapacitasPozicio = std::clamp(pozicio, u_.KapacitasMin, u_.KapacitasMax);
}

std::int64_t BeallitasSzerkeszto::TaroltKapacitas() const {
    const std::int64_t p = u_.KapacitasPozicio;
    std::int64_t v = p >= u_.KapacitasMax ? u_.KapacitasMax : p / KapacitasLepes * KapacitasLepes;
    // A capacity the memory cannot hold would only fail at the next run's start.
    if (const auto korlat = KapacitasKorlat(k_); korlat && v > *korlat)
        v = *korlat / KapacitasLepes * KapacitasLepes;
    return std::max(v, u_.KapacitasMin);
}

KapacitasKijelzes BeallitasSzerkeszto::Kapacitas() const {
    KapacitasKijelzes k;
    k.Cimke = EzresTagolas(static_cast<double>(TaroltKapacitas()), 0) + " darab szelvény.";
    const auto korlat = KapacitasKorlat(k_);
    k.Figyelmeztetes = korlat && u_.KapacitasPozicio > *korlat;
    if (k.Figyelmeztetes) k.Korlat = korlat;
    return k;
}

BeallitasAlkalmazas BeallitasSzerkeszto::Alkalmazas(const Beallitasok& regi) const {
    BeallitasAlkalmazas a;
    a.Uj = regi;
    Beallitasok& b = a.Uj;
    a.BontasMaxMerete = TaroltKapacitas();
    b.HintStatus = u_.HintStatus;
    b.SzelvZarStatus = u_.SzelvZarStatus;
    b.Jovahagyas = u_.Jovahagyas;
    b.Inform = u_.Inform;
    a.PeldaTippUjra = u_.Inform;
    b.BeallitasokMentese = u_.BeallitasokMentese;
    b.Szinsema = SemaKorlat(u_.Szinsema);
    b.Penznem = u_.Penznem == 1 ? 1 : 0;
    const double ar = ArErtek(u_.Ar, tizedesJel_).value_or(AlapAr(b.Penznem));
    (b.Penznem == 1 ? b.ArEuro : b.ArForint) = ar;
    // Only the player's scheme goes back; the built-in one stays as it is.
    for (int n = 0; n < SzelvNezetDb; ++n)
        for (int k = SemaMeret; k < 2 * SemaMeret; ++k)
            b.SzelvSzinek.Beallit(n, k, u_.Munka.Ertek(n, k));
    b.OptimalizalasIdo = std::clamp(u_.OptimalizalasIdo, MinOptimalizalasIdo, MaxOptimalizalasIdo);
    return a;
}

} // namespace varion
