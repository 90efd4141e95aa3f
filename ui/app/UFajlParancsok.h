// The file commands of the main window: "Megnyitás", "Visszatöltés", "Mentés másként...",
// "Számsor" → "Mentés" and "Bontás" → "Mentés", the file named on the command line, the
// last-breakdown backup and the save step of the close query. The dialogs are here; what
// is loaded, asked and saved is decided by the core flow.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "base/Uzenetek.h"
#include "files/AllomanyFolyamat.h"

class QFileDialog;

namespace varion::ui {

class TFoablak;

class TFajlParancsok final : public QObject {
    Q_OBJECT
public:
    TFajlParancsok(TFoablak& foablak, Uzenetek& u);

    // Shows loaded conditions through the conditions window (its hidden-window handlers);
    // the main window sets it.
    std::function<void()> FeltetelekMutatasa;
    // Sees every file dialog just before it runs (tests fill and accept it from here).
    std::function<void(QFileDialog&)> ParbeszedFigyelo;

    bool Megnyitas();
    // The save dialog: no preset ("Mentés másként..."), rows or a breakdown.
    bool Mentes(MentesTipus elore);
    // The breakdown window's "Mentés" button.
    bool BontasMentese() { return Mentes(MentesTipus::Top); }
    void Visszatoltes();
    // The file named on the command line, once every window exists; false when nothing
    // was loaded.
    bool Betoltes(const QString& fajl);

    // The backup step of clearing the conditions.
    void BackMentese();
    // The breakdown engine's discard question; the backup is written only when the
    // breakdown actually goes.
    bool BontasEldobhato();
    // The close query's save step: the ticket the player keeps goes through the save
    // dialog; false when the player cancelled it (the program then keeps running).
    bool KilepesElottiMentes();

private:
    struct Valasztas {
        std::filesystem::path Fajl;
        int SzuroIndex;
    };
    std::optional<Valasztas> Parbeszed(const varion::Parbeszed& p, bool mentes);
    AllomanyKornyezet Kornyezet();
    void BetoltesUtan(FajlTipus t);
    // "Visszatöltés" comes on when a kept row waits for it.
    void VisszatoltesKinalasa();

    TFoablak& f_;
    Uzenetek& u_;
};

} // namespace varion::ui
