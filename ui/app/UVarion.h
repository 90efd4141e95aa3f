// The main window: the menu bar and toolbar of every command, the game switch, the start-up
// sequence and the close query. It owns the current game, the settings and the main ticket.
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/Beallitasok.h"
#include "app/FoablakParancsok.h"
#include "app/Inditas.h"
#include "app/Sugo.h"
#include "breakdown/UBontas.h"
#include "conditions/Feltetelek.h"
#include "draws/HuzasAdatbazis.h"
#include "game/Foszelveny.h"

class QToolBar;

namespace varion::ui {

class TFoszelvenyAblak;
class TVelSzam;
class TSugoAblak;
class TListaParancsok;
class TNyomtatasParancsok;
class TUzenetAblak;
class BontasParancsok;
class UAdatbazisParancsok;
class TFajlParancsok;
class TPeldaParancsok;
class TNevjegy;

class TFoablak final : public QMainWindow, public FoszelvenyKornyezet {
    Q_OBJECT
public:
    TFoablak(std::filesystem::path programKonyvtar, Uzenetek& u, InditasPlatform& platform,
             Veletlen& veletlen, QWidget* szulo = nullptr);
    ~TFoablak() override;

    // The start-up sequence; false when the program must end.
    bool Inditas(const QStringList& argumentumok = {});

    int Jatek() const { return beall_.Jatek; }
    int MaxSzam() const;
    const Beallitasok& GetBeallitasok() const { return beall_; }
    Beallitasok& BeallitasokIr() { return beall_; }
    const std::filesystem::path& ProgramKonyvtar() const { return programKonyvtar_; }
    std::filesystem::path JatekKonyvtar() const;
    bool VanAdatbazis() const { return vanAdatbazis_; }
    const HuzasAdatbazis& Huzasok() const { return huzasDb_; }
    // The three draw ranges (the ticket's statistics first), owned by the range dialog.
    HuzasTartomanyok& Tartomanyok();
    UAdatbazisParancsok& Adatbazis() { return *adb_; }
    TBontas& Bontas() { return bontas_; }
    FeltetelKeszlet& Feltetelek() { return feltetelek_; }
    // The last-breakdown backup, run before the conditions are cleared.
    void BackMentese();
    bool& BackupEngedve() { return backupEngedve_; }
    // The number order mode belongs to the main window and survives a game switch.
    void SzamsorrendKijelzes(Szamsorrend mod);
    TFajlParancsok& FajlParancsok() { return *fajlParancsok_; }
    const QString& BetoltendoFajl() const { return betoltendo_; }

    FoablakAllapot& Allapot() { return allapot_; }
    QAction* Akcio(Parancs p) const { return akciok_[static_cast<std::size_t>(p)]; }
    QMenu* MenuObj(Menu m) const { return menuk_[static_cast<std::size_t>(m)]; }
    QToolBar* Eszkoztar() const { return eszkoztar_; }
    TFoszelvenyAblak* Foszelveny() const { return foszelveny_.get(); }
    TVelSzam* VelSzam() const { return velSzam_; }
    TSugoAblak* SugoAblak() const { return sugoAblak_; }
    TListaParancsok* ListaParancsok() const { return listaParancsok_; }
    TNyomtatasParancsok* Nyomtatas() const { return nyomtatas_; }
    TPeldaParancsok* PeldaParancsok() const { return pelda_; }
    TNevjegy* Nevjegy() const { return nevjegy_; }

    // Shows the live state of every command on its menu item and tool button.
    void ParancsokSzinkron();

    void JatekValtas(int jatek);
    void VarionIni();
    // Clears the condition set (after the backup step) and refreshes what depends on it.
    void FeltetelekTorlese() override;
    TUzenetAblak& UzenetAblak() const { return *uzenetAblak_; }
    BontasParancsok& BontasParancsai() const { return *bontasParancsok_; }
    // The list, check and information windows let go of the engine's matrix: the engine
    // calls it before anything deletes, replaces or trims its rows.
    void BontasElengedese();
    // Loads the file named on the command line, once every window exists.
    void Betoltes();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void MenukEpitese();
    void Vegrehajt(Parancs p);
    void FoszelvenyEpitese();
    void AdatbazisBetoltes();

    // What the main ticket asks of the rest of the program.
    bool VanKeszBontas() const override { return bontas_.GetBontStatus() != 0; }
    bool VanFeltetel() const override { return feltetelek_.FeltetelJelzo; }
    bool BontasEldobhato() override;
    void VisszatoltesAjanlasa() override;
    std::optional<std::vector<int>> HuzasStatisztika(NezetMod m) override;

    std::filesystem::path programKonyvtar_;
    Uzenetek& u_;
    InditasPlatform& platform_;
    Veletlen& veletlen_;
    HuzasAdatbazis huzasDb_;
    TBontas bontas_;
    FeltetelKeszlet feltetelek_;
    Beallitasok beall_;
    FoablakAllapot allapot_;
    std::array<QAction*, ParancsDb> akciok_{};
    std::array<QMenu*, MenuDb> menuk_{};
    QToolBar* eszkoztar_ = nullptr;
    std::unique_ptr<TFoszelvenyAblak> foszelveny_;
    TVelSzam* velSzam_ = nullptr;
    TSugoAblak* sugoAblak_ = nullptr;
    TListaParancsok* listaParancsok_ = nullptr;
    TNyomtatasParancsok* nyomtatas_ = nullptr;
    TUzenetAblak* uzenetAblak_ = nullptr;
    BontasParancsok* bontasParancsok_ = nullptr;
    UAdatbazisParancsok* adb_ = nullptr;
    TFajlParancsok* fajlParancsok_ = nullptr;
    TPeldaParancsok* pelda_ = nullptr;
    TNevjegy* nevjegy_ = nullptr;
    QString betoltendo_;
    bool vanAdatbazis_ = false;
    bool vanSugo_ = false;
    bool sugoKiemelt_ = false;
    bool backupEngedve_ = true;
    bool parancssorOlvasva_ = false;
};

inline constexpr std::string_view KilepesKerdes = "Biztos kilép a programból?";
inline constexpr std::string_view HianyzoSugoTipp = " Hiányzik a Súgó állománya! ";

} // namespace varion::ui
