#include "files/BontasFajl.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <utility>

#include "game/Jatek.h"
#include "io/FajlMentes.h"

namespace varion {

bool HuzasMod(const FeltetelAdatok& f) {
    return f.TalArBe != 0 && f.TalArHuzasok != 0;
}

int MatrixSzelesseg(const SzamsorAdatok& sor) {
    return HuzasMod(sor.Feltetelek) ? sor.Jatek : sor.ValtozoSzamDb;
}

namespace {

// Rows are read in pieces of this many bytes at most (a whole number of rows).
constexpr std::size_t DarabBajt = std::size_t{1} << 20;
constexpr std::size_t FejlecBajt = 28;

void Double(io::Iro& iro, double d) {
    const auto b = std::bit_cast<std::uint64_t>(d);
    iro.Int32(static_cast<std::int32_t>(static_cast<std::uint32_t>(b)));
    iro.Int32(static_cast<std::int32_t>(static_cast<std::uint32_t>(b >> 32)));
}

double DoubleErtek(const std::uint8_t* p) {
    const std::uint64_t b =
        static_cast<std::uint32_t>(io::Int32Ertek(p)) |
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(io::Int32Ertek(p + 4))) << 32);
    return std::bit_cast<double>(b);
}

// The day count of the making date, from 1 January of year 1 to the end of 9999: anything
// else (a NaN, an infinity, 1e300) is a damaged file and would overflow the conversion to
// a calendar date.
bool ErvenyesDatum(double d) {
    return d >= -693593.0 && d < 2958466.0;
}

// A row of a past draw: numbers of the game. A row an older file held only the first K
// numbers of ends in zeros once widened, and is saved so.
bool HuzasSor(const std::uint8_t* p, int w, int k, int maxSzam) {
    int j = 0;
    while (j < w && p[j] >= 1 && p[j] <= maxSzam) ++j;
    if (j < k) return false;
    for (; j < w; ++j)
        if (p[j] != 0) return false;
    return true;
}

// A row of a variation: ascending indices below the marked count `n`.
bool IndexSor(const std::uint8_t* p, int w, int n) {
    for (int j = 0; j < w; ++j)
        if (p[j] >= n || (j > 0 && p[j] <= p[j - 1])) return false;
    return true;
}

// Checks `db` rows of width `w` from `be` and writes them `szelesseg` wide to `ki`, counting
// how many rows hold each index.
bool SorokAtvetele(const std::uint8_t* be, std::size_t db, int w, int szelesseg,
                   const SzamsorAdatok& sor, std::uint8_t* ki,
                   std::vector<std::int32_t>& szamlalo) {
    const bool huzasMod = HuzasMod(sor.Feltetelek);
    const int n = static_cast<int>(sor.Jelolt.size());
    const int maxSzam = MaxSzamJatek(sor.Jatek);
    for (std::size_t i = 0; i < db; ++i, be += w, ki += szelesseg) {
        if (huzasMod ? !HuzasSor(be, w, sor.ValtozoSzamDb, maxSzam) : !IndexSor(be, w, n))
            return false;
        std::memcpy(ki, be, static_cast<std::size_t>(w));
        if (w < szelesseg) std::memset(ki + w, 0, static_cast<std::size_t>(szelesseg - w));
        // Rows of past draws are not counted by the engine.
        if (!huzasMod)
            for (int j = 0; j < w; ++j) ++szamlalo[be[j]];
    }
    return true;
}

std::vector<std::int32_t> Int32Sor(const std::vector<std::uint8_t>& b) {
    std::vector<std::int32_t> ki(b.size() / 4);
    for (std::size_t i = 0; i < ki.size(); ++i) ki[i] = io::Int32Ertek(b.data() + 4 * i);
    return ki;
}

// The rows of `r` × `w` bytes at `poz`, read in pieces into `cel` (`szelesseg` wide). The
// rows per marked number must be those of the rows: the list, the check and the
// information window trust the counts.
bool SorokOlvasasa(io::Forras& f, std::uint64_t poz, std::int32_t r, int w, int szelesseg,
                   const SzamsorAdatok& sor, const std::vector<std::int32_t>& stat,
                   std::span<std::uint8_t> cel) {
    const std::size_t darabSor = DarabBajt / static_cast<std::size_t>(w);
    std::vector<std::uint8_t> darab(std::min(darabSor, static_cast<std::size_t>(r)) *
                                    static_cast<std::size_t>(w));
    std::vector<std::int32_t> szamlalo(sor.Jelolt.size(), 0);
    for (std::size_t kesz = 0; kesz < static_cast<std::size_t>(r);) {
        const std::size_t db = std::min(darabSor, static_cast<std::size_t>(r) - kesz);
        const auto be = std::span(darab).first(db * static_cast<std::size_t>(w));
        if (!f.Olvas(poz, be) ||
            !SorokAtvetele(be.data(), db, w, szelesseg, sor,
                           cel.data() + kesz * static_cast<std::size_t>(szelesseg), szamlalo))
            return false;
        poz += be.size();
        kesz += db;
    }
    return HuzasMod(sor.Feltetelek) || szamlalo == stat;
}

// Room for the rows in a vector.
SorHely VektorHely(std::vector<std::uint8_t>& matrix) {
    return [&matrix](std::size_t bajt) -> std::optional<std::span<std::uint8_t>> {
        try {
            matrix.assign(bajt, 0);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
        return std::span(matrix);
    };
}

BontasAdatok Osszerakas(BontasFejlec fej, std::vector<std::uint8_t> matrix) {
    BontasAdatok b;
    b.Verzio = fej.Verzio;
    b.Datum = fej.Datum;
    b.Szelesseg = fej.Szelesseg;
    b.Matrix = std::move(matrix);
    b.TaroltHuzasok = std::move(fej.TaroltHuzasok);
    b.BontMutStat = std::move(fej.BontMutStat);
    return b;
}

} // namespace

bool BontasMentese(io::Kimenet& ki, const SzamsorAdatok& sor, const BontasNezet& b,
                   const ProgramVerzio& verzio) {
    io::Iro fej;
    fej.Int32(verzio.Fo);
    fej.Int32(verzio.Al);
    fej.Int32(verzio.Kiadas);
    fej.Int32(verzio.Forditas);
    fej.Int32(b.Sorok());
    Double(fej, b.Datum);
    if (!ki.Ir(fej.Adat())) return false;
    // Straight from where the rows lie, in pieces the file system takes comfortably.
    const auto sorok =
        b.Matrix.first(static_cast<std::size_t>(b.Sorok()) * static_cast<std::size_t>(b.Szelesseg));
    for (std::size_t i = 0; i < sorok.size(); i += DarabBajt)
        if (!ki.Ir(sorok.subspan(i, std::min(DarabBajt, sorok.size() - i)))) return false;
    io::Iro vege;
    if (sor.Feltetelek.TalArHuzasok) {
        vege.Int32(static_cast<std::int32_t>(b.TaroltHuzasok.size()));
        for (auto h : b.TaroltHuzasok) vege.Int32(h);
    }
    for (std::size_t i = 0; i < sor.Jelolt.size(); ++i)
        vege.Int32(i < b.BontMutStat.size() ? b.BontMutStat[i] : 0);
    return ki.Ir(vege.Adat());
}

std::optional<BontasFejlec> BontasBetoltese(io::Forras& f, std::uint64_t kezdet,
                                            const SzamsorAdatok& sor, bool vanAdatbazis,
                                            const SorHely& hely, Uzenetek& u) {
    if (HuzasMod(sor.Feltetelek) && !vanAdatbazis) {
        u.HibaUzenet(AdatbazisHianyzikSzoveg);
        return std::nullopt;
    }
    auto hiba = [&u](std::string_view szoveg = BontasBetoltesHiba) -> std::optional<BontasFejlec> {
        u.HibaUzenet(szoveg);
        return std::nullopt;
    };
    std::uint8_t fejBajt[FejlecBajt];
    if (kezdet > f.Meret() || f.Meret() - kezdet < FejlecBajt || !f.Olvas(kezdet, fejBajt))
        return hiba();
    BontasFejlec b;
    b.Verzio = {io::Int32Ertek(fejBajt), io::Int32Ertek(fejBajt + 4), io::Int32Ertek(fejBajt + 8),
                io::Int32Ertek(fejBajt + 12)};
    const std::int32_t r = io::Int32Ertek(fejBajt + 16);
    b.Datum = DoubleErtek(fejBajt + 20);
    if (r < 0 || !ErvenyesDatum(b.Datum)) return hiba();
    b.Sorok = r;
    b.Szelesseg = MatrixSzelesseg(sor);
    const std::uint64_t eleje = kezdet + FejlecBajt;
    const std::uint64_t maradek = f.Meret() - eleje;
    const std::uint64_t n = sor.Jelolt.size();

    // Widths to try: the whole row first, then the first K bytes of older draws-mode files.
    // The lengths decide before anything big is allocated: the rows must fit in the file.
    std::vector<int> szelessegek{b.Szelesseg};
    if (sor.ValtozoSzamDb != b.Szelesseg) szelessegek.push_back(sor.ValtozoSzamDb);
    std::optional<std::span<std::uint8_t>> cel;
    for (const int w : szelessegek) {
        if (w <= 0 || b.Szelesseg <= 0) continue;
        const std::uint64_t matrixHossz =
            static_cast<std::uint64_t>(r) * static_cast<std::uint64_t>(w);
        if (matrixHossz > maradek) continue;
        std::uint64_t poz = matrixHossz;
        std::vector<std::uint8_t> huzasok;
        if (sor.Feltetelek.TalArHuzasok) {
            std::uint8_t db[4];
            if (maradek - poz < 4 || !f.Olvas(eleje + poz, db)) continue;
            const std::int32_t d = io::Int32Ertek(db);
            poz += 4;
            if (d < 0 || static_cast<std::uint64_t>(d) * 4 > maradek - poz) continue;
            huzasok.resize(static_cast<std::size_t>(d) * 4);
            if (!f.Olvas(eleje + poz, huzasok)) continue;
            poz += huzasok.size();
        }
        if (maradek - poz != 4 * n) continue;
        std::vector<std::uint8_t> statBajt(static_cast<std::size_t>(4 * n));
        if (!f.Olvas(eleje + poz, statBajt)) continue;
        std::vector<std::int32_t> stat = Int32Sor(statBajt);
        if (!cel) {
            cel = hely(static_cast<std::size_t>(r) * static_cast<std::size_t>(b.Szelesseg));
            if (!cel) return hiba(NincsMemoriaSzoveg);
        }
        if (!SorokOlvasasa(f, eleje, r, w, b.Szelesseg, sor, stat, *cel)) continue;
        b.TaroltHuzasok = Int32Sor(huzasok);
        b.BontMutStat = std::move(stat);
        return b;
    }
    return hiba();
}

std::optional<BontasAdatok> BontasBetoltese(io::Olvaso& o, const SzamsorAdatok& sor,
                                            bool vanAdatbazis, Uzenetek& u) {
    io::MemoriaForras f(o.Maradt());
    std::vector<std::uint8_t> matrix;
    auto fej = BontasBetoltese(f, 0, sor, vanAdatbazis, VektorHely(matrix), u);
    if (!fej) return std::nullopt;
    o.Atugras(o.Maradek());
    return Osszerakas(std::move(*fej), std::move(matrix));
}

std::vector<int> BontasValtozat(const SzamsorAdatok& sor, const BontasNezet& b, int index) {
    std::vector<int> ki;
    if (index < 0 || index >= b.Sorok()) return ki;
    const auto sorBajtok =
        b.Matrix.subspan(static_cast<std::size_t>(index) * static_cast<std::size_t>(b.Szelesseg),
                         static_cast<std::size_t>(b.Szelesseg));
    if (HuzasMod(sor.Feltetelek)) {
        for (auto s : sorBajtok)
            if (s != 0) ki.push_back(s);
    } else {
        for (int j = 0; j < sor.ValtozoSzamDb && j < b.Szelesseg; ++j) {
            const auto i = sorBajtok[static_cast<std::size_t>(j)];
            if (i < sor.Jelolt.size()) ki.push_back(sor.Jelolt[i]);
        }
        for (auto f : sor.Fix) ki.push_back(f);
    }
    return ki;
}

bool TopMentes(const std::filesystem::path& fajl, const SzamsorAdatok& sor, const BontasNezet& b,
               Uzenetek& u, std::size_t hibaUtan) {
    const bool jo = io::BiztosMentesDarabonkent(
        fajl,
        [&](io::Kimenet& ki) {
            io::Iro rekord;
            SzamsorIras(rekord, sor, SajatVerzio());
            return ki.Ir(rekord.Adat()) && BontasMentese(ki, sor, b, SajatVerzio());
        },
        hibaUtan);
    if (!jo) u.HibaUzenet(BontasMentesHiba);
    return jo;
}

namespace {

// The record, then the section with its rows where `hely` puts them.
std::optional<std::pair<SzamsorAdatok, BontasFejlec>> TopOlvasas(const std::filesystem::path& fajl,
                                                                 int jatek, bool vanAdatbazis,
                                                                 int huzasDb, const SorHely& hely,
                                                                 Uzenetek& u) {
    auto f = io::FajlForras::Megnyitas(fajl);
    if (!f) {
        u.HibaUzenet(AllomanyOlvasasHiba);
        return std::nullopt;
    }
    std::uint64_t vege = 0;
    auto sor = SzamsorOlvasas(*f, vege, jatek, vanAdatbazis, huzasDb, u);
    if (!sor) return std::nullopt;
    auto fej = BontasBetoltese(*f, vege, *sor, vanAdatbazis, hely, u);
    if (!fej) return std::nullopt;
    return std::pair(std::move(*sor), std::move(*fej));
}

} // namespace

std::optional<BontasFajlTartalom> TopBetoltes(const std::filesystem::path& fajl, int jatek,
                                              bool vanAdatbazis, int huzasDb, Uzenetek& u) {
    std::vector<std::uint8_t> matrix;
    auto t = TopOlvasas(fajl, jatek, vanAdatbazis, huzasDb, VektorHely(matrix), u);
    if (!t) return std::nullopt;
    return BontasFajlTartalom{std::move(t->first),
                              Osszerakas(std::move(t->second), std::move(matrix))};
}

std::optional<BontasBlokkban> TopBetoltesBlokkba(const std::filesystem::path& fajl, int jatek,
                                                 bool vanAdatbazis, int huzasDb, Uzenetek& u) {
    MatrixBlokk blokk;
    auto t = TopOlvasas(
        fajl, jatek, vanAdatbazis, huzasDb,
        [&blokk](std::size_t bajt) -> std::optional<std::span<std::uint8_t>> {
            blokk = MatrixBlokkFoglalas(bajt);
            if (!blokk.Adat) return std::nullopt;
            return std::span(blokk.Adat.get(), bajt);
        },
        u);
    if (!t) return std::nullopt;
    return BontasBlokkban{std::move(t->first), std::move(t->second), std::move(blokk)};
}

} // namespace varion
