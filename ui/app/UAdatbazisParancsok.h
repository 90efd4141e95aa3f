// The "Adatbázis" commands of the main window and the windows of the draw database: the
// draw list, the entry dialog, the range dialog and the search ticket; the import of the
// operator's export from a file or from the internet.
#pragma once

#include <QAction>
#include <QObject>
#include <QPoint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/Beallitasok.h"
#include "app/FoablakParancsok.h"
#include "draws/HuzasAdatbazis.h"

class QMainWindow;
class QProgressDialog;

namespace varion::ui {

class THuzLista;
class THuzBe;
class THuzSzama;
class THuzKeresSzelveny;
class THuzasLetoltes;
class TUzenetAblak;

class UAdatbazisParancsok final : public QObject {
    Q_OBJECT
public:
    // `frissites` runs after every change the frame must show (commands, statistics).
    UAdatbazisParancsok(QMainWindow* foablak, HuzasAdatbazis& db, FoablakAllapot& allapot,
                        Beallitasok& beall, Uzenetek& u, std::filesystem::path programKonyvtar,
                        std::function<void()> frissites);
    ~UAdatbazisParancsok() override;

    // The main window's commands this class does; false for the others.
    bool Vegrehajt(Parancs p);
    // After a load of the draw file (start, game switch).
    void Betoltve();
    // Before a game switch: hides the windows of the old game and ends the search.
    void JatekValtasElott();
    // Offers to save unsaved draws; false when the save was asked for and failed.
    bool HuzTorlesEng();
    bool Mentes();

    void Importalas(const QString& fajl);
    void InternetesFrissites();
    // The text of an export, added to the database as one undoable step, with the toast
    // shown meanwhile. A downloaded text that is refused is named as such.
    void ImportSzoveg(const QByteArray& adat, bool letoltott = false);

    THuzSzama& HuzSzama() { return *huzSzama_; }
    THuzLista& Lista() { return *lista_; }
    THuzBe& HuzBe() { return *huzBe_; }
    THuzKeresSzelveny* Kereses() { return kereses_.get(); }
    QAction* ImportAkcio() const { return import_; }
    QAction* FrissitesAkcio() const { return frissites_; }
    THuzasLetoltes& Letoltes() { return *letoltes_; }
    QProgressDialog* Folyamat() const { return folyamat_; }
    TUzenetAblak& Toast() { return *toast_; }
    // The time allowed for a download (tests shorten it).
    int LetoltesIdokorlat = 30000;

    void KeresesNyitas(const std::vector<int>& szamok);
    void KeresesBezaras();

private:
    void Allapot();
    // Closes the search ticket, remembering where it stood.
    void KeresesMegszuntetes();
    std::filesystem::path Fajl() const;

    QMainWindow* foablak_;
    HuzasAdatbazis& db_;
    FoablakAllapot& allapot_;
    Beallitasok& beall_;
    Uzenetek& u_;
    std::filesystem::path programKonyvtar_;
    std::function<void()> frissites_fv_;
    THuzSzama* huzSzama_;
    THuzBe* huzBe_;
    THuzLista* lista_;
    std::unique_ptr<THuzKeresSzelveny> kereses_;
    // Where the player left the search ticket, kept while the program runs.
    std::optional<QPoint> keresesHely_;
    THuzasLetoltes* letoltes_;
    std::unique_ptr<TUzenetAblak> toast_;
    QProgressDialog* folyamat_ = nullptr;
    QAction* import_;
    QAction* frissites_;
};

} // namespace varion::ui
