#include "files/BontasFajl.h"

#include <bit>
#include <cstring>

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

void Double(io::Iro& iro, double d) {
    const auto b = std::bit_cast<std::uint64_t>(d);
    iro.Int32(static_cast<std::int32_t>(static_cast<std::uint32_t>(b)));
    iro.Int32(static_cast<std::int32_t>(static_cast<std::uint32_t>(b >> 32)));
}

bool Double(io::Olvaso& o, double& d) {
    std::int32_t lo = 0, hi = 0;
    if (!o.Int32(lo) || !o.Int32(hi)) return false;
    const std::uint64_t b = static_cast<std::uint32_t>(lo) |
                            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(hi)) << 32);
    d = std::bit_cast<double>(b);
    return true;
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

// Rows of width `w` read from `adat`, checked and widened to `szelesseg` bytes.
bool Sorok(std::span<const std::uint8_t> adat, std::int32_t r, int w, int szelesseg,
           const SzamsorAdatok& sor, std::vector<std::uint8_t>& ki) {
    const bool huzasMod = HuzasMod(sor.Feltetelek);
    const int n = static_cast<int>(sor.Jelolt.size());
    const int maxSzam = MaxSzamJatek(sor.Jatek);
    ki.assign(static_cast<std::size_t>(r) * static_cast<std::size_t>(szelesseg), 0);
    for (std::int32_t i = 0; i < r; ++i) {
        const std::uint8_t* p =
            adat.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(w);
        if (huzasMod ? !HuzasSor(p, w, sor.ValtozoSzamDb, maxSzam) : !IndexSor(p, w, n))
            return false;
        std::memcpy(ki.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(szelesseg),
                    p, static_cast<std::size_t>(w));
    }
    return true;
}

// The rows per marked number must be those of the rows: the list, the check and the
// information window trust the counts. Rows of past draws are not counted by the engine.
// Every byte of a checked row is an index below N.
bool SzamonkentEgyezik(const std::vector<std::uint8_t>& matrix, const SzamsorAdatok& sor,
                       const std::vector<std::int32_t>& stat) {
    if (HuzasMod(sor.Feltetelek)) return true;
    std::vector<std::int32_t> db(sor.Jelolt.size(), 0);
    for (const std::uint8_t i : matrix) ++db[i];
    return db == stat;
}

} // namespace

void BontasMentese(io::Iro& iro, const SzamsorAdatok& sor, const BontasAdatok& b,
                   const ProgramVerzio& verzio) {
    iro.Int32(verzio.Fo);
    iro.Int32(verzio.Al);
    iro.Int32(verzio.Kiadas);
    iro.Int32(verzio.Forditas);
    iro.Int32(b.Sorok());
    Double(iro, b.Datum);
    iro.Bajtok(std::span(b.Matrix).first(static_cast<std::size_t>(b.Sorok()) *
                                         static_cast<std::size_t>(b.Szelesseg)));
    if (sor.Feltetelek.TalArHuzasok) {
        iro.Int32(static_cast<std::int32_t>(b.TaroltHuzasok.size()));
        for (auto h : b.TaroltHuzasok) iro.Int32(h);
    }
    for (std::size_t i = 0; i < sor.Jelolt.size(); ++i)
        iro.Int32(i < b.BontMutStat.size() ? b.BontMutStat[i] : 0);
}

std::optional<BontasAdatok> BontasBetoltese(io::Olvaso& o, const SzamsorAdatok& sor,
                                            bool vanAdatbazis, Uzenetek& u) {
    if (HuzasMod(sor.Feltetelek) && !vanAdatbazis) {
        u.HibaUzenet(AdatbazisHianyzikSzoveg);
        return std::nullopt;
    }
    auto hiba = [&u]() -> std::optional<BontasAdatok> {
        u.HibaUzenet(BontasBetoltesHiba);
        return std::nullopt;
    };
    BontasAdatok b;
    std::int32_t v[4]{}, r = 0;
    if (!o.Int32(v[0]) || !o.Int32(v[1]) || !o.Int32(v[2]) || !o.Int32(v[3]) || !o.Int32(r) ||
        !Double(o, b.Datum) || r < 0 || !ErvenyesDatum(b.Datum))
        return hiba();
    b.Verzio = {v[0], v[1], v[2], v[3]};
    b.Szelesseg = MatrixSzelesseg(sor);
    const std::size_t n = sor.Jelolt.size();
    const std::size_t maradek = o.Maradek();
    std::vector<std::uint8_t> sorBajtok(maradek);
    if (!o.Bajtok(sorBajtok)) return hiba();
    const std::span<const std::uint8_t> resz(sorBajtok);

    // Widths to try: the whole row first, then the first K bytes of older draws-mode files.
    std::vector<int> szelessegek{b.Szelesseg};
    if (sor.ValtozoSzamDb != b.Szelesseg) szelessegek.push_back(sor.ValtozoSzamDb);
    for (const int w : szelessegek) {
        if (w <= 0) continue;
        const std::uint64_t matrixHossz =
            static_cast<std::uint64_t>(r) * static_cast<std::uint64_t>(w);
        if (matrixHossz > maradek) continue;
        std::size_t poz = static_cast<std::size_t>(matrixHossz);
        std::vector<std::int32_t> huzasok;
        if (sor.Feltetelek.TalArHuzasok) {
            if (maradek - poz < 4) continue;
            const std::int32_t d = io::Int32Ertek(resz.data() + poz);
            poz += 4;
            if (d < 0 || static_cast<std::uint64_t>(d) * 4 > maradek - poz) continue;
            for (std::int32_t i = 0; i < d; ++i, poz += 4)
                huzasok.push_back(io::Int32Ertek(resz.data() + poz));
        }
        if (maradek - poz != 4 * n) continue;
        std::vector<std::int32_t> stat;
        for (std::size_t i = 0; i < n; ++i, poz += 4)
            stat.push_back(io::Int32Ertek(resz.data() + poz));
        if (!Sorok(resz, r, w, b.Szelesseg, sor, b.Matrix) ||
            !SzamonkentEgyezik(b.Matrix, sor, stat))
            continue;
        b.TaroltHuzasok = std::move(huzasok);
        b.BontMutStat = std::move(stat);
        return b;
    }
    return hiba();
}

std::vector<int> BontasValtozat(const SzamsorAdatok& sor, const BontasAdatok& b, int index) {
    std::vector<int> ki;
    if (index < 0 || index >= b.Sorok()) return ki;
    const auto sorBajtok = std::span(b.Matrix).subspan(static_cast<std::size_t>(index) *
                                                           static_cast<std::size_t>(b.Szelesseg),
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

bool TopMentes(const std::filesystem::path& fajl, const SzamsorAdatok& sor, const BontasAdatok& b,
               Uzenetek& u, std::size_t hibaUtan) {
    io::Iro iro;
    SzamsorIras(iro, sor, SajatVerzio());
    BontasMentese(iro, sor, b, SajatVerzio());
    if (!io::BiztosMentes(fajl, iro.Adat(), hibaUtan)) {
        u.HibaUzenet(BontasMentesHiba);
        return false;
    }
    return true;
}

std::optional<BontasFajlTartalom> TopBetoltes(const std::filesystem::path& fajl, int jatek,
                                              bool vanAdatbazis, int huzasDb, Uzenetek& u) {
    const auto adat = io::FajlBeolvasas(fajl);
    if (!adat) {
        u.HibaUzenet(AllomanyOlvasasHiba);
        return std::nullopt;
    }
    io::Olvaso o(*adat);
    auto sor = SzamsorOlvasas(o, jatek, vanAdatbazis, huzasDb, u);
    if (!sor) return std::nullopt;
    auto bontas = BontasBetoltese(o, *sor, vanAdatbazis, u);
    if (!bontas) return std::nullopt;
    return BontasFajlTartalom{std::move(*sor), std::move(*bontas)};
}

} // namespace varion
