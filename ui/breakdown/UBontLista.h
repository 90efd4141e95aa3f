// The breakdown list: every stored variation one row, the fixed numbers appended, the
// auxiliary ticket with the selected variation, paging, and after a check the search panel
// that steps through the variations reaching a chosen class.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "app/FoablakParancsok.h"
#include "breakdown/BontListaModell.h"
#include "breakdown/BontListaRacs.h"
#include "breakdown/TalalatKereses.h"
#include "breakdown/UBontSzelveny.h"

namespace varion::ui {

// What the list shows of the main ticket besides the breakdown.
struct ListaTicket {
    Szamsor Fix, Allando, Veletlen;
};

class TBontLista final : public QWidget {
    Q_OBJECT
public:
    explicit TBontLista(QWidget* foablak);
    ~TBontLista() override;

    // Builds the list of the breakdown and shows it with the first row selected.
    void BontListaStart(const TBontas& b, const ListaTicket& t, bool pelda, SzelvenySzinek szinek);
    // The breakdown is gone: the list forgets the matrix and closes.
    void BontTablaTorles();

    void Kivalaszt(std::int32_t sor); // 0-based variation, kept in view
    std::int32_t Kivalasztott() const { return static_cast<std::int32_t>(racs_->Kivalasztott()); }

    // The search panel after a check with hits, and its removal.
    void KeresPanelBe(TalalatKereses kereses);
    void KeresPanelKi();
    bool KeresPanelLathato() const { return keresPanel_->isVisible(); }
    void KeresBoxSelect(int elem);
    void Keres(KeresGomb g);

    // The numbers of the selected variation, fixed numbers included (for the draw search).
    std::vector<int> KivalasztottSzamsor() const;
    static constexpr std::string_view BontSzamsorKeresSugo =
        " A kijelölt számsor keresése a lottóhúzások adatbázisában. ";

    // Tool buttons that run the main window's commands: enabled state and hint.
    void ParancsAllapot(Parancs p, bool engedve, const QString& sugo);

    const TBontListaModell& Modell() const { return modell_; }
    TBontRacs* Tabla() const { return racs_; }
    TBontSzelveny* Seged() const { return seged_.get(); }
    QToolButton* LapozoGomb(int i) const { return lapozok_[static_cast<std::size_t>(i)]; }
    QToolButton* KeresGombja(KeresGomb g) const {
        return keresGombok_[static_cast<std::size_t>(g)];
    }
    QComboBox* KeresBox() const { return keresBox_; }
    QLabel* KeresCimke() const { return keresCimke_; }
    QToolButton* SegedGomb() const { return segedGomb_; }
    QToolButton* ParancsGomb(Parancs p) const;
    bool SegedSzelvenyLathato() const { return segedLathato_; }
    void SegedValtas(); // the show/hide button

signals:
    void ParancsKeres(varion::Parancs p);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void BontTablaSelectCell(std::int32_t sor);
    void Lapozas(ListaLepes l); // the paging buttons
    void LapozoAllapot();
    void TovabbVisszaAllapot();
    void KeresCimkeFrissites();
    void Meretezes();
    void Igazitas(); // the window fits its contents

    TBontListaModell modell_;
    TBontRacs* racs_;
    std::array<QToolButton*, 4> lapozok_{};
    QFrame* keresPanel_;
    QLabel* keresCimke_;
    QComboBox* keresBox_;
    std::array<QToolButton*, 4> keresGombok_{};
    QToolButton* segedGomb_;
    std::vector<std::pair<Parancs, QToolButton*>> parancsGombok_;
    std::unique_ptr<TBontSzelveny> seged_;
    TalalatKereses kereses_;
    std::int32_t keresKurzor_ = -1;
    bool segedLathato_ = true;
    bool pelda_ = false;
    ListaTicket ticket_;
    SzelvenySzinek szinek_;
};

} // namespace varion::ui
