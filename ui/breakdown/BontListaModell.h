// What each cell of the breakdown list shows: read from the engine's matrix in place, one
// variation a row, so a list of tens of millions of rows costs nothing until a row is drawn.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

#include "breakdown/BontasEllenorzes.h"

namespace varion::ui {

class TBontListaModell final {
public:
    // The breakdown `adat` (its matrix stays the engine's); `huzasok` are the draw
    // identifiers of a draws-mode breakdown.
    void Betoltes(BontasAdat adat, const std::vector<std::int32_t>* huzasok);
    void Torles();
    bool Ures() const { return adat_.Sorok == 0; }

    std::int64_t Sorok() const { return adat_.Sorok; }
    int ListaMod() const { return adat_.HuzasMod ? 2 : 1; }
    int OszlopDb() const;
    const BontasAdat& Adat() const { return adat_; }
    // A fixed number's column (normal mode).
    bool FixOszlop(int oszlop) const;
    int OszlopSzelesseg(int oszlop) const;

    QString Fejlec(int oszlop) const;
    QString Szoveg(std::int64_t sor, int oszlop) const;
    QColor Hatter(int oszlop, bool kivalasztott) const;
    QColor Betu(int oszlop, bool kivalasztott) const;

private:
    BontasAdat adat_;
    const std::vector<std::int32_t>* huzasok_ = nullptr;
};

} // namespace varion::ui
