#include "breakdown/BontListaModell.h"

namespace varion::ui {

namespace {
const QColor SorszamHatter(255, 251, 240);
const QColor ValtozoHatter(255, 210, 170);
const QColor FixHatter(230, 220, 180);
const QColor HuzasHatter(255, 255, 225); // the info-tip colour
const QColor KivalasztottHatter(0, 128, 192);
} // namespace

void TBontListaModell::Betoltes(BontasAdat adat, const std::vector<std::int32_t>* huzasok) {
    adat_ = std::move(adat);
    huzasok_ = adat_.HuzasMod ? huzasok : nullptr;
}

void TBontListaModell::Torles() {
    adat_ = {};
    huzasok_ = nullptr;
}

int TBontListaModell::OszlopDb() const {
    if (adat_.Sorok == 0 && adat_.Szelesseg == 0) return 0;
    return adat_.Szelesseg + adat_.FixDb() + ListaMod();
}

bool TBontListaModell::FixOszlop(int oszlop) const {
    return !adat_.HuzasMod && oszlop > adat_.Szelesseg && oszlop < OszlopDb();
}

int TBontListaModell::OszlopSzelesseg(int oszlop) const {
    if (oszlop == 0) return 90;
    return oszlop == 1 && adat_.HuzasMod ? 60 : 24;
}

QString TBontListaModell::Fejlec(int oszlop) const {
    if (oszlop == 0) return QStringLiteral("Számsor");
    if (adat_.HuzasMod) {
        if (oszlop == 1) return QStringLiteral("Húzás");
        return QString::number(oszlop - 1) + QLatin1Char('.');
    }
    return QString::number(oszlop) + QLatin1Char('.');
}

QString TBontListaModell::Szoveg(std::int64_t sor, int oszlop) const {
    if (sor < 0 || sor >= adat_.Sorok || oszlop < 0 || oszlop >= OszlopDb()) return {};
    const auto r = static_cast<std::int32_t>(sor);
    if (oszlop == 0) return QString::number(sor + 1) + QLatin1Char('.');
    if (adat_.HuzasMod) {
        if (oszlop == 1) {
            const auto i = static_cast<std::size_t>(r);
            return huzasok_ && i < huzasok_->size()
                       ? QString::number((*huzasok_)[i]) + QLatin1Char('.')
                       : QString();
        }
        return QString::number(adat_.Bejegyzes(r, oszlop - 2));
    }
    if (oszlop <= adat_.Szelesseg)
        return QString::number(
            adat_.Szam(static_cast<std::uint8_t>(adat_.Bejegyzes(r, oszlop - 1))));
    return QString::number(adat_.FixSzamok[static_cast<std::size_t>(oszlop - adat_.Szelesseg - 1)]);
}

QColor TBontListaModell::Hatter(int oszlop, bool kivalasztott) const {
    if (oszlop == 0) return SorszamHatter;
    if (kivalasztott) return KivalasztottHatter;
    if (adat_.HuzasMod && oszlop == 1) return HuzasHatter;
    return FixOszlop(oszlop) ? FixHatter : ValtozoHatter;
}

QColor TBontListaModell::Betu(int oszlop, bool kivalasztott) const {
    return oszlop > 0 && kivalasztott ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace varion::ui
