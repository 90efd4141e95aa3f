#include "files/BontasAtadas.h"

namespace varion {

BontasAdatok BontasAdatokbol(const TBontas& bontas) {
    auto mentes = bontas.Mentes();
    if (!mentes) return {}; // a run is still going
    BetoltottBontas& m = *mentes;
    BontasAdatok b;
    b.Verzio = m.BetoltottVerzio;
    b.Datum = m.Datum;
    b.Szelesseg = m.MatrixSzelesseg;
    b.Matrix = std::move(m.Matrix);
    b.TaroltHuzasok = std::move(m.TaroltHuzasok);
    b.BontMutStat = std::move(m.BontMutStat);
    return b;
}

bool BontasTelepites(TBontas& bontas, const SzamsorAdatok& sor, BontasAdatok b) {
    BetoltottBontas m;
    m.Jatek = sor.Jatek;
    m.SorHossz = sor.ValtozoSzamDb;
    m.MatrixSzelesseg = b.Szelesseg;
    m.BontasSzamok = sor.Jelolt;
    m.Sorok = b.Sorok();
    m.Matrix = std::move(b.Matrix);
    m.BontMutStat = std::move(b.BontMutStat);
    m.TaroltHuzasok = std::move(b.TaroltHuzasok);
    m.HuzasMod = HuzasMod(sor.Feltetelek);
    m.Datum = b.Datum;
    m.BetoltottVerzio = b.Verzio;
    return bontas.BontasBetoltve(std::move(m));
}

HuzasTablaNezet HuzasNezet(const HuzasAdatbazis& db) {
    return {db.HuzasTomb(), db.OszlopDb()};
}

} // namespace varion
