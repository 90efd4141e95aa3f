// The breakdown list's grid: a header row and the variations below it, drawn straight from
// the matrix for the rows on screen only. Nothing is kept per row, so opening a list of 44
// million variations costs no more than opening one of ten.
#pragma once

#include <QAbstractScrollArea>
#include <cstdint>

#include "breakdown/BontListaModell.h"
#include "breakdown/ListaNezet.h"

namespace varion::ui {

class TBontRacs final : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int SorMagassag = 20;

    explicit TBontRacs(QWidget* szulo = nullptr);

    // A new list of `m` (which outlives the grid's use of it): the top row first, nothing
    // selected.
    void SetModell(const TBontListaModell* m);

    std::int64_t Kivalasztott() const { return kivalasztott_; }
    // Selects a row and brings it into view; KivalasztasValtozott when it changes.
    void Kivalaszt(std::int64_t sor);
    std::int64_t ElsoSor() const { return nezet_.Elso; }
    void SetElsoSor(std::int64_t sor);
    // Whole variation rows on screen below the header.
    int LathatoSorok() const;
    // A row's cell in viewport coordinates (the grid line excluded); empty when off screen.
    QRect CellaTeglalap(std::int64_t sor, int oszlop) const;
    // The row under a viewport point, -1 for the header or past the last row.
    std::int64_t SorAPonton(QPoint p) const;
    int OszlopSzelesseg(int oszlop) const;
    int TeljesSzelesseg() const;
    const TBontListaModell* Modell() const { return m_; }

signals:
    void KivalasztasValtozott(std::int64_t sor);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Fejlec(QPainter& p);
    void GorgetoFrissites();
    std::int64_t Sorok() const { return m_ ? m_->Sorok() : 0; }

    const TBontListaModell* m_ = nullptr;
    ListaNezet nezet_;
    std::int64_t kivalasztott_ = -1;
    int gorgoMaradek_ = 0;       // wheel angle not yet turned into rows
    bool sajatGorgetes_ = false; // the bar follows the top row, not the other way
};

} // namespace varion::ui
