#include "breakdown/OptimalisBontas.h"

namespace varion {

JeloltFeladat BontasJeloltjei(const TBontas& b, HuzasTablaNezet huzasok, int elso, int utolso) {
    JeloltFeladat f;
    f.Jatek = b.Jatek();
    f.Szamok = b.BontasSzamok();
    f.K = b.SorHossz();
    f.Feltetelek = &b.Feltetelek();
    f.Huzasok = huzasok;
    f.ElsoHuzas = elso;
    f.UtolsoHuzas = utolso;
    return f;
}

std::vector<SorMaszk> BontasMaszkjai(const TBontas& b) {
    std::vector<SorMaszk> ki;
    if (b.HuzasMod()) return ki;
    for (std::int32_t r = 0; r < b.GetTaroltNyerSzelv(); ++r)
        ki.push_back(MaszkIndexekbol(b.Sor(r).data(), b.SorHossz()));
    return ki;
}

FedesEredmeny BontasOptimalizalasa(const TBontas& b, const JeloltFeladat& feladat,
                                   const OptimalisBeallitas& o, FedesAllapot& allapot) {
    if (b.Hibapont() < 1 || b.HuzasMod() || b.GetTaroltNyerSzelv() == 0) return {};
    FedesBeallitas fb;
    fb.N = b.JeloltDb();
    fb.K = b.SorHossz();
    fb.Hibapont = b.Hibapont();
    fb.Mag = o.Mag;
    fb.Idokeret = o.Idokeret;
    fb.LepesKorlat = o.LepesKorlat;
    fb.Proba = o.Proba;
    // Refused before the candidates are enumerated: that alone could take the memory.
    if (std::string ok = OptimalisElutasitas(fb.N, fb.K, fb.Hibapont); !ok.empty())
        return OptimalisFedes({}, BontasMaszkjai(b), fb, allapot);
    const std::vector<SorMaszk> jeloltek = Jeloltek(feladat, &allapot.Stop);
    if (allapot.Stop.load()) return {};
    return OptimalisFedes(jeloltek, BontasMaszkjai(b), fb, allapot);
}

BontasSorai SorokMatrixa(const std::vector<std::array<std::uint8_t, 8>>& sorok, int K, int N) {
    BontasSorai ki;
    ki.BontMutStat.assign(static_cast<std::size_t>(N), 0);
    for (const auto& s : sorok)
        for (int i = 0; i < K; ++i) {
            ki.Matrix.push_back(s[static_cast<std::size_t>(i)]);
            ++ki.BontMutStat[s[static_cast<std::size_t>(i)]];
        }
    return ki;
}

bool GaranciaEllenorizheto(const TBontas& b) {
    return b.GetBontStatus() != 0 && !b.Fut() && !b.HuzasMod() && b.GetTaroltNyerSzelv() > 0;
}

GaranciaEredmeny BontasGaranciaja(const TBontas& b, const JeloltFeladat& feladat, int hibapont,
                                  std::size_t listaMax) {
    const std::vector<SorMaszk> jeloltek = Jeloltek(feladat);
    return GaranciaEllenorzes(b.SorHossz(), hibapont, jeloltek, BontasMaszkjai(b), listaMax);
}

} // namespace varion
