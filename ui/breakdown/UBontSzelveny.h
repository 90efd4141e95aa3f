// The auxiliary ticket beside the breakdown list: the selected variation on a ticket grid,
// constant and random numbers in their own colours, and what the variation would bring
// over the whole breakdown if it were the draw.
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "breakdown/BontasEllenorzes.h"
#include "game/USzelveny.h"

namespace varion::ui {

struct SzelvenySzinek {
    const SzelvSzinTabla* Tabla = nullptr;
    int Sema = 0;
};

class TBontSzelveny final : public QObject {
    Q_OBJECT
public:
    // `mindenSorra`: one distribution stands for every row (a complete breakdown without
    // any condition), so it is computed once.
    TBontSzelveny(QWidget* tulajdonos, const BontasAdat& adat, bool mindenSorra, bool pelda,
                  Szamsor allando, Szamsor veletlen, SzelvenySzinek szinek);
    ~TBontSzelveny() override;

    // Shows variation `sor` (0-based) and its distribution.
    void SzelvKijelzes(std::int32_t sor);

    TSzelveny& Szelveny() { return *szelveny_; }
    bool EloszlasKesz() const { return eloszlas_.has_value() && mindenSorra_; }
    int Szamitasok() const { return szamitasok_; }

private:
    const BontasAdat& adat_;
    bool mindenSorra_, pelda_;
    Szamsor allando_, veletlen_;
    QPointer<TSzelveny> szelveny_; // a window of the owner's, gone with it
    std::optional<TalalatOsztalyok> eloszlas_;
    int szamitasok_ = 0;
};

} // namespace varion::ui
