#include "printing/BontasInfo.h"

#include <cstdio>

#include "breakdown/UBontMegsz.h"

namespace varion {

std::vector<SzamGyakorisag> SzamGyakorisagok(const TBontas& b) {
    std::vector<SzamGyakorisag> ki;
    if (b.HuzasMod()) return ki;
    const auto& szamok = b.BontasSzamok();
    std::vector<std::int64_t> db(szamok.size(), 0);
    for (std::int32_t r = 0; r < b.GetTaroltNyerSzelv(); ++r)
        for (std::uint8_t i : b.Sor(r).first(static_cast<std::size_t>(b.SorHossz())))
            if (i < db.size()) ++db[i];
    for (std::size_t i = 0; i < szamok.size(); ++i)
        if (db[i] > 0) ki.push_back({szamok[i], db[i]});
    return ki;
}

std::string GyakorisagCim(std::size_t szamDb, std::size_t fixDb) {
    return "A bontásba került " + std::to_string(szamDb) + " számok előfordulásának gyakorisága" +
           (fixDb == 1  ? " - a fix szám kivételével"
            : fixDb > 1 ? " - a fix számok kivételével"
                        : "");
}

GyakorisagCella GyakorisagCellak(const SzamGyakorisag& g, std::int64_t legnagyobb) {
    const auto [szamSz, dbSz] = legnagyobb >= 1000000  ? std::pair{8, 10}
                                : legnagyobb >= 100000 ? std::pair{7, 8}
                                : legnagyobb >= 1000   ? std::pair{6, 7}
                                                       : std::pair{6, 6};
    return {Jobbra(std::to_string(g.Szam), szamSz), Jobbra(EzresTagolas(double(g.Db), 0), dbSz)};
}

Riport BontasInfoSzoveg(const BontasRiportAdatok& a, const std::string& program,
                        const ProgramVerzio& sajat) {
    Riport r;
    r.push_back({BontasCimsor(a), true});
    r.push_back({Jobbra("Készült: " + NapszamDatum(a.Bontas->BontasDatum()) + " " + program + " " +
                            BontasVerzioSzoveg(*a.Bontas, sajat),
                        63)});
    r.push_back({});
    for (auto& s : BontasAdatai(a)) r.push_back({std::move(s)});
    return r;
}

} // namespace varion
