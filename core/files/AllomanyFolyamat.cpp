#include "files/AllomanyFolyamat.h"

#include <new>
#include <system_error>

#include "breakdown/UBontMegsz.h"
#include "files/BontasAtadas.h"

namespace varion {

namespace fs = std::filesystem;

namespace {

const Szuro TipSzuro{"Számsor állománya (*.tip)", "*.tip"};
const Szuro TopSzuro{"Bontás állománya (*.top)", "*.top"};

} // namespace

Parbeszed MegnyitasParbeszed() {
    return {"  Állomány betöltés", {TipSzuro, TopSzuro}, "", 1};
}

Parbeszed MentesParbeszed(MentesTipus elore, bool vanBontas) {
    if (elore == MentesTipus::Top && vanBontas) return {"  Bontás mentése", {TopSzuro}, "top", 1};
    if (!vanBontas || elore == MentesTipus::Tip) return {"  Számsor mentése", {TipSzuro}, "tip", 1};
    return {"  Állomány mentése", {TipSzuro, TopSzuro}, "top", 2};
}

bool BontasMentendo(MentesTipus elore, bool vanBontas, int valasztottSzuroIndex) {
    if (!vanBontas || elore == MentesTipus::Tip) return false;
    return elore == MentesTipus::Top || valasztottSzuroIndex == 2;
}

fs::path ElsoMappa(const std::string& iniDir, const fs::path& jatekKonyvtar) {
    return iniDir.empty() ? jatekKonyvtar : fs::path(iniDir);
}

std::string MappaUtana(const std::optional<fs::path>& valasztott, const fs::path& jatekKonyvtar) {
    return valasztott ? valasztott->parent_path().string() : jatekKonyvtar.string();
}

bool MegnyitasElottMentes(const TFoszelveny& t, Uzenetek& u) {
    return t.Szamok().Kijelolve() > t.Jatek() && u.FigyelmeztetoKerdes(MegnyitasMentesKerdes);
}

SzamsorAdatok AktualisSzamsor(const AllomanyKornyezet& k) {
    return SzamsorFelvetel(k.Foszelveny.Szamok(), k.Feltetelek.Adatok, k.Feltetelek.FeltetelJelzo,
                           k.Feltetelek.EloszlasOpt != 0,
                           k.Tartomanyok.Get(TartomanyFajta::Bontas));
}

void SzamsorTelepites(const SzamsorAdatok& a, AllomanyKornyezet& k) {
    auto& szamok = k.Foszelveny.Szamok();
    // The loaded order is shown as it was saved: no reordering while it is installed.
    szamok.AtrendezesEngedve = false;
    bool eloszlas = false;
    SzamsorBetoltes(
        a, {szamok, k.Feltetelek.Adatok, k.Feltetelek.FeltetelJelzo, eloszlas, k.Tartomanyok});
    k.Feltetelek.EloszlasOpt = eloszlas ? 1 : 0;
    SzamJelzoBeallitas(k.Feltetelek, a.Jelolt, a.Jatek);
    k.Foszelveny.SorokKijelzese();
    szamok.AtrendezesEngedve = true;
}

std::optional<FajlTipus> FajlBetoltese(const fs::path& fajl, AllomanyKornyezet& k, Uzenetek& u) {
    try {
        auto m = AllomanyBetoltes(fajl, k.Foszelveny.Jatek(), k.VanAdatbazis, k.HuzasDb, u);
        if (!m) return std::nullopt;
        // The engine takes the breakdown first: when it refuses, the ticket stays as it is.
        // Until here the engine kept its previous breakdown; the rows read need memory of
        // their own, and a machine without it got the memory message and keeps what it had.
        if (m->Tipus == FajlTipus::Top &&
            !BontasTelepites(k.Bontas, m->Sor, std::move(*m->Bontas), std::move(m->Matrix))) {
            u.HibaUzenet(BontasBetoltesHiba);
            return std::nullopt;
        }
        SzamsorTelepites(m->Sor, k);
        return m->Tipus;
    } catch (const std::bad_alloc&) {
        u.HibaUzenet(NincsMemoriaSzoveg);
        return std::nullopt;
    }
}

std::optional<FajlTipus> Megnyitas(const fs::path& fajl, AllomanyKornyezet& k, Uzenetek& u) {
    k.Foszelveny.MindTorles();
    // Reading into a ticket the player chose to keep would mix two rows.
    if (k.Foszelveny.Szamok().Kijelolve() != 0) return std::nullopt;
    const auto t = FajlBetoltese(fajl, k, u);
    if (t) k.Foszelveny.Szamok().SzamsorMentve = true;
    return t;
}

bool Mentes(const fs::path& fajl, bool bontassal, AllomanyKornyezet& k, Uzenetek& u,
            const SzabadHelyLekerdezes& hely) {
    try {
        const SzamsorAdatok sor = AktualisSzamsor(k);
        std::optional<BontasNezet> b;
        if (bontassal && k.Bontas.GetBontStatus() != 0) b = BontasNezetbol(k.Bontas);
        if (!AllomanyMentes(fajl, sor, b ? &*b : nullptr, u, hely)) return false;
    } catch (const std::bad_alloc&) {
        u.HibaUzenet(NincsMemoriaSzoveg);
        return false;
    }
    k.Foszelveny.Szamok().SzamsorMentve = true;
    return true;
}

bool VanElmentettUtolsoBontas(const fs::path& mappa, int jatek) {
    std::error_code ec;
    return fs::exists(mappa / BackNev(jatek), ec);
}

std::optional<SzamsorAdatok> BackFelvetel(const AllomanyKornyezet& k, bool backupEngedve) {
    if (k.Bontas.GetBontStatus() == 0 || !backupEngedve) return std::nullopt;
    return AktualisSzamsor(k);
}

void BackIras(const fs::path& mappa, const SzamsorAdatok& a, Uzenetek& u) {
    std::error_code ec;
    fs::remove(mappa / BackNev(a.Jatek, "1"), ec);
    TipMentes(mappa / BackNev(a.Jatek), a, u);
}

bool BontasEldobasa(AllomanyKornyezet& k, const fs::path& mappa, bool backupEngedve, Uzenetek& u) {
    const auto elotte = BackFelvetel(k, backupEngedve);
    const bool igen =
        BontTorlesEng2(k.Bontas, k.Feltetelek, k.Foszelveny.Szamok().SzamsorMentve, u);
    if (igen && elotte && k.Bontas.GetBontStatus() == 0) BackIras(mappa, *elotte, u);
    return igen;
}

VisszatoltesEredmeny Visszatoltes(const fs::path& mappa, AllomanyKornyezet& k, bool& backupEngedve,
                                  Uzenetek& u) {
    VisszatoltesEredmeny e;
    const int jatek = k.Foszelveny.Jatek();
    std::error_code ec;
    if (const auto most = BackFelvetel(k, backupEngedve)) {
        fs::remove(mappa / BackNev(jatek, "1"), ec);
        TipMentes(mappa / BackNev(jatek, "1"), *most, u);
    }
    if (!VanElmentettUtolsoBontas(mappa, jatek) || !k.Foszelveny.TorlesJovahagyas()) return e;
    backupEngedve = false;
    k.Foszelveny.Szamok().SzamsorMentve = true; // the question was just answered
    k.Foszelveny.MindTorles();
    const auto sor = TipBetoltes(mappa / BackNev(jatek), jatek, k.VanAdatbazis, k.HuzasDb, u);
    if (sor) {
        SzamsorTelepites(*sor, k);
        u.Informacio(VisszatoltveSzoveg);
        e.Betoltve = true;
        e.VanMasik = fs::exists(mappa / BackNev(jatek, "1"), ec) && BackCsere(mappa, jatek);
    } else {
        u.HibaUzenet(VisszatoltesHiba);
    }
    backupEngedve = true;
    return e;
}

} // namespace varion
