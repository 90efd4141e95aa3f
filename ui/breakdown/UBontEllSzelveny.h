// The check ticket: the player clicks the drawn numbers (Hatoslottó's plus number with
// SHIFT) and sees at once how many variations of the breakdown reach each prize class.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "breakdown/BontasEllenorzes.h"
#include "breakdown/UBontSzelveny.h"
#include "game/USzelveny.h"

namespace varion {
class Uzenetek;
}

namespace varion::ui {

// The numbers of the main ticket the check shows, and how they relate to the breakdown.
struct EllenorzesTicket {
    Szamsor Jelolt, Fix, Allando, Veletlen;
    std::vector<std::int32_t> BontMutStat; // rows holding each marked number
};

class TBontEllSzelveny final : public QObject {
    Q_OBJECT
public:
    TBontEllSzelveny(QWidget* tulajdonos, BontasAdat adat, EllenorzesTicket t, Uzenetek& u,
                     bool pelda, SzelvenySzinek szinek);
    ~TBontEllSzelveny() override;

    void SzamKlikk(int n, bool shift);
    // The selection emptied, as after opening.
    void Ujra();

    const Szamsor& EllSzamok() const { return ellSzamok_; }
    int PluszSzam() const { return plusz_; }
    const TalalatOsztalyok& Osztalyok() const { return osztalyok_; }
    const TalalatSzamlalo& Szamlalo() const { return szamlalo_; }
    TSzelveny& Szelveny() { return *szelveny_; }

    // Hits found: the list shows its search panel; none: the panel goes.
    std::function<void(const TalalatSzamlalo&, const TalalatOsztalyok&)> VanTalalat;
    std::function<void()> NincsTalalat;
    // The waiting toast around a long count: shown with its text, then taken away.
    std::function<void(const QString&)> ToastKi;
    std::function<void()> ToastVege;
    // The example hint, once per program run: the owner keeps the flag.
    std::function<bool()> PeldaTippKell;

signals:
    void Bezaras();

private:
    void Nyitas();
    CellaKep NyitoKep(int n) const;
    void TalalatSzamitas();
    void TalalatKijelzes();
    void Szamlalas(int db);

    BontasAdat adat_;
    EllenorzesTicket t_;
    Uzenetek& u_;
    bool pelda_;
    int G_;
    QPointer<TSzelveny> szelveny_; // a window of the owner's, gone with it
    Szamsor ellSzamok_;
    int plusz_ = 0;
    bool pluszTipp_ = true;
    TalalatSzamlalo szamlalo_;
    TalalatOsztalyok osztalyok_;
};

} // namespace varion::ui
