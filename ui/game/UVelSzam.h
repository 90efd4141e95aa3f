// The small dialog that marks several random numbers at once.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "base/Uzenetek.h"
#include "game/VelSzam.h"

namespace varion::ui {

class TFoszelvenyAblak;

class TVelSzam final : public QDialog {
    Q_OBJECT
public:
    TVelSzam(QWidget* szulo, Uzenetek& u);

    // Prepares the range for the ticket and shows the dialog modally. `eldobhato` asks
    // whether a finished breakdown may be thrown away.
    void Start(TFoszelvenyAblak& foszelveny, std::function<bool()> eldobhato);
    // The same without running the modal loop (tests drive the controls themselves).
    void Elokeszites(TFoszelvenyAblak& foszelveny, std::function<bool()> eldobhato);

    QLineEdit* VelszamBeEdit() const { return edit_; }
    QPushButton* KijelolesGomb() const { return kijeloles_; }
    QPushButton* MegsemGomb() const { return megse_; }
    QToolButton* Fel() const { return fel_; }
    QToolButton* Le() const { return le_; }
    const VelSzamTartomany& Tartomany() const { return t_; }
    int Pozicio() const { return pozicio_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Kijeloles();
    void Leptetes(int irany);
    void Elhagyas();

    Uzenetek& u_;
    QLineEdit* edit_;
    QToolButton* fel_;
    QToolButton* le_;
    QPushButton* kijeloles_;
    QPushButton* megse_;
    VelSzamTartomany t_{2, 90};
    int pozicio_ = 2;
    TFoszelvenyAblak* foszelveny_ = nullptr;
    std::function<bool()> eldobhato_;
};

} // namespace varion::ui
