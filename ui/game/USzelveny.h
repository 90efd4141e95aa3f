// The ticket grid window shared by every ticket view: cells drawn as bevelled boxes of a
// paper ticket (the raised box is the mark), an information panel and a button strip.
// The grid knows nothing about what a mark means; its owner decides what a click does.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "game/SzelvSzinek.h"
#include "game/SzelvenyGeometria.h"

namespace varion::ui {

// A value of the appearance table as a colour; theme colours get fixed desktop values.
QColor SzinErtek(std::int32_t ertek);

struct CellaKep {
    QString Szoveg;
    QString Sugo;
    SzelvBejegyzes Hatter = SzelvBejegyzes::Jeloletlen;
    SzelvBejegyzes SzovegSzin = SzelvBejegyzes::SzamSzin;
    bool Felkover = false;
    bool Emelt = false;
    QColor SajatSzin;        // a text colour outside the appearance table, when valid
    bool Valaszthato = true; // false: the number is shown but takes no mark here
};

class TSzelveny;

// The cell area: paints the cells and reports the number under the mouse.
class TCellaTer final : public QWidget {
    Q_OBJECT
public:
    explicit TCellaTer(TSzelveny& szelveny);

    TSzelveny& Szelveny() const { return sz_; }
    // The digits typed so far on the focused grid; Enter or Space marks that number.
    const QString& Gepelt() const { return gepelt_; }
    // How long typed digits wait for the next one or for Enter.
    static constexpr int GepelesIdo = 1500;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void GepeltTorles();

    TSzelveny& sz_;
    int utolsoSugo_ = 0;
    QString gepelt_;
    QTimer gepelesIdo_;
};

class TSzelveny final : public QWidget {
    Q_OBJECT
public:
    TSzelveny(QWidget* tulajdonos, int jatek, SzelvFajta fajta, bool torlesGomb, bool kilepesGomb,
              bool riport, const QString& felirat, const SzelvSzinTabla& szinek, int szinsema);

    // Geometry and colours from the appearance table (also after the settings change).
    void Elrendezes(const SzelvSzinTabla& szinek, int szinsema);
    // Every cell lowered and plain, hints off, the window enabled.
    void Alaphelyzet();
    void Letilt() { setEnabled(false); }
    void Engedelyez() { setEnabled(true); }
    void SetShowHint(bool be) { buborek_ = be; }
    void CellaBuborek(bool be) { cellaBuborek_ = be; }

    int JelolesFajta() const { return jelolesFajta_; }
    void SetJelolesFajta(int f) { jelolesFajta_ = f; }
    int Oszlopok() const { return meretek_.Oszlopok; }
    const SzelvenyMeretek& Meretek() const { return meretek_; }
    int MaxSzam() const { return meretek_.MaxSzam; }
    // The auxiliary tickets beside a list follow the list; they do not take the keyboard
    // when they appear.
    bool Kisero() const {
        return fajta_ == SzelvFajta::BontasLista || fajta_ == SzelvFajta::HuzasLista;
    }

    void SetCella(int n, const CellaKep& kep);
    // A left click on number n with these keys held, whether from the mouse, typed on the
    // keyboard or asked for by assistive technology. Ignored while the grid is disabled.
    void Kattintas(int n, Qt::KeyboardModifiers billentyuk);
    const CellaKep& GetCella(int n) const { return cellak_.at(static_cast<std::size_t>(n - 1)); }
    void SetRiport(const QString& szoveg);

    QLabel* RiportCimke() const { return riportCimke_; }
    QFrame* RiportPanel() const { return riportPanel_; }
    QPushButton* TorlesGomb() const { return torlesGomb_; }
    QPushButton* KilepesGomb() const { return kilepesGomb_; }
    TCellaTer* CellaTer() const { return cellaTer_; }
    // Client point of the centre of a cell (for tests and the right-button painting).
    QPoint CellaKozep(int n) const;

    static constexpr int RiportSugoKontextus = 20;

signals:
    void CellaKattintas(int n);
    void JobbGombMozgas(int n);
    void JobbGombFelengedes(int n);
    void SugoValtozas(const QString& sugo);
    void MiEz(int kontextus);

protected:
    void closeEvent(QCloseEvent* e) override; // refused: the owner decides
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class TCellaTer;
    std::int32_t Bejegyzes(SzelvBejegyzes b) const;

    SzelvFajta fajta_;
    int jatek_;
    QString felirat_;
    const SzelvSzinTabla* szinek_;
    int szinsema_;
    SzelvenyMeretek meretek_{};
    std::vector<CellaKep> cellak_;
    int jelolesFajta_ = 0;
    bool buborek_ = true;
    bool cellaBuborek_ = false;
    TCellaTer* cellaTer_;
    QFrame* riportPanel_ = nullptr;
    QLabel* riportCimke_ = nullptr;
    QWidget* gombPanel_ = nullptr;
    QPushButton* torlesGomb_ = nullptr;
    QPushButton* kilepesGomb_ = nullptr;

public:
    // The main ticket keeps the mark kind when its window loses activation.
    bool DeaktivalasNullaz = true;
    // "Mi ez?" is offered only while the help files exist.
    bool MiEzLathato = true;
    // What a mark looks like: a raised box on most tickets, a lowered one where the
    // player picks numbers out of a raised set (the check ticket).
    bool JelolesEmelt = true;
    // Whether number n carries a mark, as the player reads the ticket.
    bool Jelolt(int n) const {
        const CellaKep& c = GetCella(n);
        return c.Valaszthato && c.Emelt == JelolesEmelt;
    }
};

} // namespace varion::ui
