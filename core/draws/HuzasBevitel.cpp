#include "draws/HuzasBevitel.h"

#include <algorithm>

#include "game/Jatek.h"

namespace varion {

namespace {

EvHet SorEvHet(const HuzasAdatbazis& db, int sor) {
    return {db.Ertek(sor - 1, 1), db.Ertek(sor - 1, 2)};
}

EvHetKeret Keret(int evMin, int evMax, int hetMin, int hetMax, int ev, int het) {
    EvHetKeret k;
    k.EvMin = evMin;
    k.EvMax = evMax;
    k.HetMin = std::clamp(hetMin, 1, 53);
    k.HetMax = std::clamp(hetMax, k.HetMin, 53);
    k.Ev = std::clamp(ev, evMin, evMax);
    k.Het = std::clamp(het, k.HetMin, k.HetMax);
    return k;
}

} // namespace

BevitelKornyezet Kornyezet(const HuzasAdatbazis& db, HuzasMuvelet m, int muvRekord, EvHet ma) {
    BevitelKornyezet k;
    k.Muvelet = m;
    k.Ma = ma;
    const int n = db.HuzasDb();
    if (m == HuzasMuvelet::Modositas) {
        if (muvRekord >= 1 && muvRekord <= n) k.Sajat = SorEvHet(db, muvRekord);
        if (n > 0) k.ElsoHuzas = SorEvHet(db, 1);
        return k;
    }
    // The blank row sits at muvRekord: its neighbours are the draws around it.
    k.VanElozo = muvRekord - 1 >= 1 && muvRekord - 1 <= n;
    if (k.VanElozo) k.Elozo = SorEvHet(db, muvRekord - 1);
    k.VanKovetkezo = muvRekord + 1 >= 1 && muvRekord + 1 <= n;
    if (k.VanKovetkezo) k.Kovetkezo = SorEvHet(db, muvRekord + 1);
    return k;
}

EvHetKeret KezdoKeret(const BevitelKornyezet& k) {
    return EvValtas(k, {}, 0);
}

EvHetKeret EvValtas(const BevitelKornyezet& k, const EvHetKeret& most, int ev) {
    const bool valasztott = ev != 0;
    switch (k.Muvelet) {
    case HuzasMuvelet::Bovites: {
        if (!k.VanElozo) {
            // Nothing to follow: today's week, any year the reader accepts.
            const int e = valasztott ? ev : k.Ma.Ev;
            return Keret(ElsoHuzasEv, std::max(k.Ma.Ev + 1, ElsoHuzasEv), 1, 53, e,
                         valasztott ? most.Het : k.Ma.Het);
        }
        const EvHet p = k.Elozo;
        if (p.Het < 52) return Keret(p.Ev, p.Ev, p.Het, p.Het + 1, p.Ev, p.Het + 1);
        if (!valasztott) return Keret(p.Ev, p.Ev + 1, 1, 1, p.Ev + 1, 1);
        // A year up to the previous one keeps the previous week's range (week 53 of a
        // long year); a later one starts with week 1.
        if (ev <= p.Ev) return Keret(p.Ev, p.Ev + 1, p.Het, p.Het + 1, ev, p.Het + 1);
        return Keret(p.Ev, p.Ev + 1, 1, 1, ev, 1);
    }
    case HuzasMuvelet::Modositas: {
        const int hetMin = k.Sajat.Ev == k.ElsoHuzas.Ev ? k.ElsoHuzas.Het : 1;
        return Keret(k.Sajat.Ev, k.Sajat.Ev, std::min(hetMin, k.Sajat.Het), 53, k.Sajat.Ev,
                     k.Sajat.Het);
    }
    case HuzasMuvelet::Beszuras: {
        if (!k.VanKovetkezo) // an insert always has the draw it goes before; guard anyway
            return Keret(ElsoHuzasEv, UtolsoHuzasEv, 1, 53, k.Ma.Ev, k.Ma.Het);
        const EvHet nx = k.Kovetkezo;
        if (nx.Het != 1) return Keret(nx.Ev, nx.Ev, nx.Het - 1, nx.Het, nx.Ev, nx.Het - 1);
        const int e = valasztott ? ev : nx.Ev - 1;
        if (e == nx.Ev) return Keret(nx.Ev - 1, nx.Ev, 1, 1, e, 1);
        // Before the first draw there is no previous week: the whole year is open.
        const int elozoHet = k.VanElozo ? k.Elozo.Het : 1;
        return Keret(nx.Ev - 1, nx.Ev, elozoHet, 53, e, elozoHet);
    }
    default:
        return Keret(ElsoHuzasEv, UtolsoHuzasEv, 1, 53, k.Ma.Ev, k.Ma.Het);
    }
}

std::string HetSugo(const EvHetKeret& k) {
    if (k.HetMin != k.HetMax) return {};
    return " A beállítható érték minimuma-maximuma = " + std::to_string(k.HetMin) + ".  ";
}

std::string_view BevitelFelirat(HuzasMuvelet m) {
    switch (m) {
    case HuzasMuvelet::Modositas:
        return "  Kijelölt húzás módosítása";
    case HuzasMuvelet::Beszuras:
        return "  Új húzás beszúrása";
    default:
        return "  Új húzás beolvasása";
    }
}

BevitelHelye BevitelElhelyezes(Teglalap lista, Teglalap kep, int dSz, int dM, int sSz, int sM) {
    constexpr int Koz = 4;
    const int szeles = std::max(dSz, sSz);
    const int magas = dM + Koz + sM;
    const int kepJobb = kep.Bal + kep.Szelesseg;
    const int jobbra = lista.Bal + lista.Szelesseg + Koz;
    const int balra = lista.Bal - Koz - szeles;
    int x = jobbra + szeles <= kepJobb ? jobbra : balra >= kep.Bal ? balra : kepJobb - szeles;
    x = std::max(x, kep.Bal);
    // As high as the list, lifted when the ticket would fall off the bottom.
    int y = std::min(lista.Felso, kep.Felso + kep.Magassag - magas);
    y = std::max(y, kep.Felso);
    return {{x, y, dSz, dM}, {x, y + dM + Koz, sSz, sM}};
}

void SzamsorBevitel::Kezdes(int jatek, bool pluszSzam) {
    jatek_ = jatek;
    plusz_ = jatek == 6 && pluszSzam;
    cellaDb_ = jatek + (plusz_ ? 1 : 0);
    sorszam_ = 1;
    masodikElkezdve_ = false;
    utolsoKattintott_ = 0;
    jelolt_.clear();
    cellak_[0].assign(static_cast<std::size_t>(cellaDb_), 0);
    cellak_[1].assign(jatek == 7 ? static_cast<std::size_t>(cellaDb_) : 0, 0);
}

void SzamsorBevitel::Betoltes(const Huzas& h) {
    for (int r = 0; r < (jatek_ == 7 ? 2 : 1); ++r)
        for (int i = 0; i < cellaDb_; ++i)
            cellak_[r][static_cast<std::size_t>(i)] = h.Szamok[static_cast<std::size_t>(r * 7 + i)];
    masodikElkezdve_ = jatek_ == 7;
    SorValtas(1);
}

bool SzamsorBevitel::Jelolt(int szam) const {
    return std::find(jelolt_.begin(), jelolt_.end(), szam) != jelolt_.end();
}

bool SzamsorBevitel::Kattintas(int n) {
    if (n < 1 || n > MaxSzamJatek(jatek_)) return false;
    if (const auto it = std::find(jelolt_.begin(), jelolt_.end(), n); it != jelolt_.end()) {
        jelolt_.erase(it);
    } else {
        if (static_cast<int>(jelolt_.size()) >= cellaDb_) return false; // the row is full
        jelolt_.push_back(n);
        utolsoKattintott_ = n;
    }
    if (sorszam_ == 2) masodikElkezdve_ = true;
    CellakFrissites();
    // Game 7: a full first row moves on to the second one, once.
    if (jatek_ == 7 && sorszam_ == 1 && static_cast<int>(jelolt_.size()) == cellaDb_ &&
        !masodikElkezdve_) {
        masodikElkezdve_ = true;
        SorValtas(2);
    }
    return true;
}

void SzamsorBevitel::CellakFrissites() {
    auto& c = cellak_[static_cast<std::size_t>(sorszam_ - 1)];
    const int db = static_cast<int>(jelolt_.size());
    if (plusz_ && db == cellaDb_) {
        // The plus number is the last one clicked; the six stay where they were.
        if (c.back() == 0) c.back() = utolsoKattintott_;
        return;
    }
    std::vector<int> rendezett = jelolt_;
    std::sort(rendezett.begin(), rendezett.end());
    std::fill(c.begin(), c.end(), 0);
    std::copy(rendezett.begin(), rendezett.end(), c.begin());
}

void SzamsorBevitel::SorValtas(int sor) {
    if (sor == 2 && jatek_ != 7) return;
    sorszam_ = sor;
    jelolt_.clear();
    for (int v : cellak_[static_cast<std::size_t>(sor - 1)])
        if (v != 0) jelolt_.push_back(v);
}

bool SzamsorBevitel::RendbenLehet() const {
    for (int r = 0; r < (jatek_ == 7 ? 2 : 1); ++r)
        if (std::count(cellak_[r].begin(), cellak_[r].end(), 0) > 0) return false;
    return true;
}

Huzas SzamsorBevitel::Rekord(int ev, int het) const {
    Huzas h;
    h.Ev = ev;
    h.Het = het;
    for (int r = 0; r < (jatek_ == 7 ? 2 : 1); ++r)
        for (std::size_t i = 0; i < cellak_[r].size(); ++i)
            h.Szamok[static_cast<std::size_t>(r * 7) + i] =
                static_cast<std::uint8_t>(cellak_[r][i]);
    return h; // game 6 without a plus number: the seventh byte stays 0
}

} // namespace varion
