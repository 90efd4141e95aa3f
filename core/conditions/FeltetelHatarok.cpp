#include "conditions/FeltetelHatarok.h"

#include <algorithm>

namespace varion {

std::optional<Elutasitas> BelepesiProba(Feltetel f, const FeltetelKeszlet& k, int jatek,
                                        int sorHossz) {
    const auto& a = k.Adatok;
    const int N = static_cast<int>(k.SzamJelzo.size());
    const Elutasitas hiba{UzenetTipus::HibaUzenet, std::string(NemErtelmezheto)};
    switch (f) {
    case Feltetel::Mob:
        if (N < jatek + 4) return hiba;
        break;
    case Feltetel::SzcsParos:
        if (a.SzcsParosDb == 0 || a.SzcsParatlanDb == 0) return hiba;
        break;
    case Feltetel::SzvParos:
        if (a.ParosDb == 0 || a.ParatlanDb == 0) return hiba;
        break;
    case Feltetel::SzcsIsmet:
        if (!(a.SzcsTobbszor >= 1 && N - (a.SzcsIsmetLehet + 1) >= 1)) return hiba;
        break;
    case Feltetel::SzvIsmet:
        if (!(a.SzvIsmetLehet >= 1 && N - (a.SzvIsmetLehet + 1) >= 1)) return hiba;
        break;
    case Feltetel::Ikerszam:
        if (a.IkerszamDb == 0) return hiba;
        if (a.TukorszamBe && sorHossz == 2 * a.Tukorszam)
            return Elutasitas{UzenetTipus::Figyelmeztetes,
                              "A tükörszámok kijelölése miatt, nem értelmezhető a feltétel!"};
        break;
    case Feltetel::Tukorszam:
        if (a.TukorParDb == 0) return hiba;
        if (a.IkerszamBe && sorHossz - a.Ikerszam < 2)
            return Elutasitas{UzenetTipus::Figyelmeztetes,
                              "Az ikerszámok kijelölése miatt, nem értelmezhető a feltétel!"};
        break;
    default:
        break;
    }
    return std::nullopt;
}

void FavIgazitas(FavAllas& f, FavValtozas mi, int N, int K) {
    if (mi == FavValtozas::Bekapcsolas) {
        f.UtolsoH = {3, N};
        f.ElsoH = {1, N - 2};
    }
    if (mi == FavValtozas::Elso && f.Elso > f.Utolso - 2) f.Utolso = f.Elso + 2;
    if (mi == FavValtozas::Utolso && f.Utolso < f.Elso + 2) f.Elso = f.Utolso - 2;
    // The range never covers every marked number.
    f.UtolsoH.Felso = f.Elso == 1 ? N - 1 : N;
    f.ElsoH.Also = f.Utolso == N ? 2 : 1;
    f.Utolso = f.UtolsoH.Igazit(f.Utolso);
    f.Elso = f.ElsoH.Igazit(f.Elso);
    const int R = f.Utolso + 1 - f.Elso, D = f.Utolso - f.Elso;
    // Positions outside the range too few for a whole variation: the rest must fall inside.
    f.MaxH.Also = N - R < K ? K - (N - R) : 1;
    if (D >= K) {
        f.MinH.Felso = K - 1;
        f.MaxH.Felso = K;
    } else {
        f.MinH.Felso = f.MaxH.Felso = D;
    }
    f.MinH.Also = std::max(1, f.MaxH.Also - 1);
    f.MaxH.Also = std::min(f.MaxH.Also, f.MaxH.Felso);
    f.MinH.Also = std::min(f.MinH.Also, f.MinH.Felso);
    if (mi == FavValtozas::Min && f.Min > f.Max) f.Max = f.Min;
    if (mi == FavValtozas::Max && f.Max < f.Min) f.Min = f.Max;
    f.Max = f.MaxH.Igazit(f.Max);
    f.Min = f.MinH.Igazit(std::min(f.Min, f.Max));
}

void CsoportIgazitas(CsoportAllas& c, bool fix, int N, int jatek, int K) {
    c.MeretH = fix ? Hatar{2, N / 2} : Hatar{2, N - jatek - 1};
    c.MeretH.Felso = std::max(c.MeretH.Felso, c.MeretH.Also);
    c.Meret = c.MeretH.Igazit(c.Meret);
    const int S = c.Meret, B = N / S;
    int L = std::max(1, c.MaxH.Also);
    if (B >= K || N < S) {
        L = 1;
    } else if (B * L >= K) {
        while (L > 1 && B * L > K) --L;
    } else {
        // A short last group holds fewer numbers: one hit less is enough there.
        const int cel = B * S < N ? K - 1 : K;
        while (B * L < cel) ++L;
    }
    c.MaxH.Felso = std::max(1, std::min(S, K) - 1);
    c.MaxH.Also = std::min(L, c.MaxH.Felso);
    if (fix && c.Max >= S) c.Max = S - 1;
    c.Max = c.MaxH.Igazit(c.Max);
}

Hatar ParosHatar(int K, int sajat, int masik) {
    Hatar h{K - masik > 1 ? K - masik : 1, std::min(K, sajat)};
    h.Also = std::min(h.Also, h.Felso);
    return h;
}

bool TobbLehetseges(int K, int sajat) {
    return 2 * sajat > K;
}

int ParosRekordMinimum(bool tobb, int K, int mezoErtek) {
    return tobb ? K / 2 : mezoErtek;
}

std::string TobbElutasitas(bool csoport, bool paros) {
    if (csoport)
        return paros ? "A kijelölt páros számcsoportok mennyisége, nem teszi lehetővé a beállítást!"
                     : "A kijelölt páratlan számcsoportok mennyisége, nem teszi lehetővé a "
                       "beállítást!";
    return paros ? "A kijelölt páros számok mennyisége, nem teszi lehetővé a beállítást!"
                 : "A kijelölt páratlan számok mennyisége, nem teszi lehetővé a beállítást!";
}

std::string ParosOsszegFigyelmeztetes(int fixOsszeg) {
    if (fixOsszeg % 2 != 0)
        return "Kérem, figyeljen a következőre!\r\rA számsor összege feltétel beállítása "
               "szerint, csak a\rpáratlan összegű számsorok vesznek részt a bontásban.";
    return "Kérem, figyeljen a következőre!\r\rA számsor összege feltétel beállítása szerint, "
           "csak a\rpáros összegű számsorok vesznek részt a bontásban.";
}

IsmetAdatok SzcsIsmetAdatok(const FeltetelKeszlet& k) {
    return {k.Adatok.SzcsTobbszor, k.Adatok.SzcsIsmetLehet, k.SzcsIsmetOssz, k.SzcsEgyes};
}

IsmetAdatok SzvIsmetAdatok(const FeltetelKeszlet& k) {
    return {k.Adatok.SzvTobbszor, k.Adatok.SzvIsmetLehet, k.SzvIsmetOssz, k.SzvEgyes};
}

IsmetAllas IsmetSzamitas(const IsmetAdatok& a, bool egy, bool csoport, int jatek, int N, int K) {
    const int tartalek = jatek == 7 ? 2 : 1;
    IsmetAllas r;
    const int T = a.Tobbszor, O = a.Ossz;
    if (T == 1 && a.Lehet >= 1) {
        r.Kenyszer = IsmetKenyszer::Egy;
        r.H = {std::max(0, (K - 1) - (N - (a.Lehet + 1))),
               K - 2 <= a.Lehet ? K - tartalek : a.Lehet};
        r.Uzenet = csoport ? "A kijelölt számsor alapján, csak egy számcsoport ismétlődhet!"
                           : "A kijelölt számsor alapján, csak egy számvégződés ismétlődhet!";
    } else if (N == jatek + 1 && ((jatek == 5 && ((T == 2 && O == 4) || (T == 3 && O == 3))) ||
                                  (jatek == 6 && ((T == 2 && O >= 4) || (T == 3 && O == 3))) ||
                                  (jatek == 7 && ((T == 2 && O >= 5) || (T >= 2 && O >= 4))))) {
        r.Kenyszer = IsmetKenyszer::Tobb;
        int U = O - 1;
        if (jatek == 6 && O < 5) U = O;
        if (jatek == 7 && O < 6 && T < 3) U = O;
        r.H = {O - 1, U};
        r.Uzenet = csoport ? "A kijelölt számsor alapján, csak több számcsoport ismétlődhet!"
                           : "A kijelölt számsor alapján, csak több számvégződés ismétlődhet!";
    } else {
        const int L = std::max(0, K - (T + a.Egyes));
        r.H = {L, egy ? std::min(a.Lehet, K - 1) : std::min(O, K - (tartalek + 1))};
    }
    r.H.Felso = std::max(r.H.Felso, 0);
    r.H.Also = std::min(r.H.Also, r.H.Felso);
    return r;
}

int TobbMaxLepes(int regi, int uj, Hatar h) {
    if (uj == 1) uj = regi >= 2 ? 0 : 2;
    uj = h.Igazit(uj);
    if (uj == 1) uj = h.Felso >= 2 ? 2 : 0; // bounds that only hold 1 keep it out anyway
    return uj;
}

int TobbMinUtanMax(int min, int max, Hatar h) {
    if (max < min) max = min;
    if (min == 1 && max < 2) max = 2;
    return h.Igazit(max);
}

Hatar TalArHatar(int K) {
    return {1, K};
}

std::string TalArCimke(int elso, int utolso) {
    return "A(z) " + std::to_string(elso) + ". - " + std::to_string(utolso) +
           ". lottóhúzásokkal összehasonlítva.";
}

bool SzomszedosSzamok(const Szamsor& jelolt) {
    if (jelolt.empty()) return true;
    const auto [lo, hi] = std::minmax_element(jelolt.begin(), jelolt.end());
    return int{*hi} - int{*lo} + 1 <= static_cast<int>(jelolt.size());
}

Hatar OsszegMinHatar(const FeltetelAdatok& a, bool fix) {
    return {a.OsszegMin, fix ? a.OsszegMax : std::max(a.OsszegMin, a.OsszegMax - 1)};
}

Hatar OsszegMaxHatar(const FeltetelAdatok& a) {
    return {std::min(a.OsszegMin + 1, a.OsszegMax), a.OsszegMax};
}

std::string OsszegSugo(Hatar h) {
    return " Minimum  : " + std::to_string(h.Also) + "\r Maximum : " + std::to_string(h.Felso) +
           " ";
}

OsszegJavitas OsszegMinEllenorzes(std::optional<int> beirt, int max, bool fix,
                                  const FeltetelAdatok& a) {
    const Hatar h = OsszegMinHatar(a, fix);
    const bool jo = beirt && *beirt >= a.OsszegMin && *beirt <= a.OsszegMax && *beirt >= h.Also &&
                    *beirt <= h.Felso && (fix || *beirt < max);
    if (jo) return {*beirt, false};
    if (!fix && beirt && *beirt > max) return {std::max(h.Also, max - 1), true};
    return {h.Also, true};
}

OsszegJavitas OsszegMaxEllenorzes(std::optional<int> beirt, int min, const FeltetelAdatok& a) {
    const Hatar h = OsszegMaxHatar(a);
    const bool jo = beirt && *beirt >= a.OsszegMin && *beirt <= a.OsszegMax && *beirt >= h.Also &&
                    *beirt <= h.Felso && *beirt > min;
    if (jo) return {*beirt, false};
    if (beirt && *beirt < min) return {std::min(h.Felso, min + 1), true};
    return {h.Felso, true};
}

Hatar IkerszamHatar(const FeltetelAdatok& a, int K) {
    const int U =
        a.TukorszamBe ? std::min(a.IkerszamDb, K - 2 * a.TukorszamMax) : std::min(a.IkerszamDb, K);
    return {0, std::max(0, U)};
}

Hatar TukorszamHatar(const FeltetelAdatok& a, int K) {
    const int U = a.IkerszamBe ? std::min(a.TukorParDb, (K - a.IkerszamMax) / 2)
                               : std::min(a.TukorParDb, K / 2);
    return {0, std::max(0, U)};
}

bool TukorFeleslegesIkerMiatt(const FeltetelAdatok& a, int K) {
    return a.TukorszamBe && a.TukorszamMax == 0 && K - a.Ikerszam < 2;
}

bool IkerFeleslegesTukorMiatt(const FeltetelAdatok& a, int K) {
    return a.IkerszamBe && a.IkerszamMax == 0 && K == 2 * a.TukorszamMax;
}

std::string_view IkerTukorLepesKerdes(const FeltetelAdatok& a, int K, bool tukor, bool felfele) {
    if (!tukor) return TukorFeleslegesIkerMiatt(a, K) ? TukorTorlesKerdes : std::string_view{};
    return felfele && IkerFeleslegesTukorMiatt(a, K) ? IkerTorlesKerdes : std::string_view{};
}

Hatar HibapontHatar(int K) {
    return {0, K < 4 ? std::max(0, K - 1) : 3};
}

int HibapontIgazitas(int hibapont, int K) {
    return hibapont > HibapontHatar(K).Felso || hibapont < 0 ? 0 : hibapont;
}

bool HibapontosOpciok(int hibapont, int K) {
    return HibapontIgazitas(hibapont, K) > 0;
}

std::string FixErtekSugo(Hatar h) {
    if (h.Also != h.Felso) return {};
    return " A beállítható érték minimuma és maximuma = " + std::to_string(h.Also) + ".  ";
}

} // namespace varion
