#include "files/BontasAtadas.h"

namespace varion {

std::optional<BontasNezet> BontasNezetbol(const TBontas& bontas) {
    if (bontas.Fut()) return std::nullopt; // the worker may still write the matrix
    BontasNezet b;
    b.Verzio = bontas.BetoltottVerzio();
    b.Datum = bontas.BontasDatum();
    b.Szelesseg = bontas.MatrixSzelesseg();
    b.Matrix = bontas.TaroltSorok();
    b.TaroltHuzasok = bontas.TaroltHuzasok();
    b.BontMutStat = bontas.BontMutStat();
    return b;
}

namespace {

BetoltottBontas Fejlec(const SzamsorAdatok& sor, int szelesseg, std::int32_t sorok) {
    BetoltottBontas m;
    m.Jatek = sor.Jatek;
    m.SorHossz = sor.ValtozoSzamDb;
    m.MatrixSzelesseg = szelesseg;
    m.BontasSzamok = sor.Jelolt;
    m.Sorok = sorok;
    m.HuzasMod = HuzasMod(sor.Feltetelek);
    return m;
}

} // namespace

bool BontasTelepites(TBontas& bontas, const SzamsorAdatok& sor, BontasAdatok b) {
    BetoltottBontas m = Fejlec(sor, b.Szelesseg, b.Sorok());
    m.Matrix = std::move(b.Matrix);
    m.BontMutStat = std::move(b.BontMutStat);
    m.TaroltHuzasok = std::move(b.TaroltHuzasok);
    m.Datum = b.Datum;
    m.BetoltottVerzio = b.Verzio;
    return bontas.BontasBetoltve(std::move(m));
}

bool BontasTelepites(TBontas& bontas, const SzamsorAdatok& sor, BontasFejlec fej,
                     MatrixBlokk matrix) {
    BetoltottBontas m = Fejlec(sor, fej.Szelesseg, fej.Sorok);
    m.BontMutStat = std::move(fej.BontMutStat);
    m.TaroltHuzasok = std::move(fej.TaroltHuzasok);
    m.Datum = fej.Datum;
    m.BetoltottVerzio = fej.Verzio;
    return bontas.BontasBetoltve(std::move(m), std::move(matrix));
}

HuzasTablaNezet HuzasNezet(const HuzasAdatbazis& db) {
    return {db.HuzasTomb(), db.OszlopDb()};
}

} // namespace varion
