#include "draws/Nyeremenyek.h"

#include <algorithm>
#include <iterator>
#include <system_error>

#include "draws/HuzasAdatbazis.h"
#include "game/Jatek.h"
#include "io/FajlMentes.h"
#include "io/KisVeg.h"

namespace varion {

namespace {

long long Kulcs(int ev, int het) {
    return static_cast<long long>(ev) * 100 + het;
}
long long Kulcs(const HuzasNyeremeny& h) {
    return Kulcs(h.Ev, h.Het);
}
bool KorabbiHet(const HuzasNyeremeny& a, const HuzasNyeremeny& b) {
    return Kulcs(a) < Kulcs(b);
}
// The first stored week not before key k (the week itself when it is stored).
template <class Lista> auto HetHelye(Lista& huzasok, long long k) {
    return std::lower_bound(huzasok.begin(), huzasok.end(), k,
                            [](const HuzasNyeremeny& h, long long k) { return Kulcs(h) < k; });
}

} // namespace

int NyeremenyOsztaly(int jatek, int talalat, bool plusz) {
    if (!ErvenyesJatek(jatek) || talalat > jatek) return -1;
    if (jatek == 6) {
        if (talalat == 5 && plusz) return 1;
        if (talalat == 6) return 0;
        return talalat >= 3 ? 2 + (5 - talalat) : -1;
    }
    return talalat >= jatek - 3 ? jatek - talalat : -1;
}

std::string OsztalyNev(int jatek, int osztaly) {
    if (jatek == 6 && osztaly == 1) return "5+1 találat";
    const int talalat = jatek == 6 && osztaly >= 1 ? 6 - (osztaly - 1) : jatek - osztaly;
    return std::to_string(talalat) + " találat";
}

std::filesystem::path NyeremenyFajl(const std::filesystem::path& huzasFajl) {
    auto p = huzasFajl;
    p.replace_extension(".nyr");
    return p;
}

std::string_view NyeremenyHiba(int jatek, const HuzasNyeremeny& h) {
    if (h.Ev < ElsoHuzasEv || h.Ev > UtolsoHuzasEv) return "érvénytelen év";
    if (h.Het < 1 || h.Het > 53) return "érvénytelen hét";
    const int db = NyeremenyOsztalyDb(jatek);
    for (int i = 0; i < MaxNyeremenyOsztaly; ++i) {
        const auto& o = h.Osztaly[static_cast<std::size_t>(i)];
        if (o.Nyertes < 0 || o.Nyeremeny < IsmeretlenNyeremeny) return "negatív érték";
        if (i >= db && (o.Nyertes != 0 || o.Ismert())) return "fölös osztály";
        // Nobody won the class: nobody was paid, whatever the source wrote.
        if (o.Ismert() && o.Nyertes == 0) return "nyeremény nyertes nélkül";
    }
    return {};
}

std::int64_t ForintErtek(std::string_view s) {
    if (s.ends_with(" Ft")) s.remove_suffix(3);
    std::int64_t v = 0;
    int jegy = 0;
    for (const char c : s) {
        if (c == ' ') continue;
        if (c < '0' || c > '9' || jegy >= 15) return -1;
        v = v * 10 + (c - '0');
        ++jegy;
    }
    return jegy > 0 ? v : -1;
}

NyeremenyTar::NyeremenyTar(int jatek) : jatek_(JatekAdat(jatek).Jatek) {}

const HuzasNyeremeny* NyeremenyTar::Keres(int ev, int het) const {
    const long long k = Kulcs(ev, het);
    const auto it = HetHelye(huzasok_, k);
    return it != huzasok_.end() && Kulcs(*it) == k ? &*it : nullptr;
}

int NyeremenyTar::Osszefesules(std::span<const HuzasNyeremeny> uj) {
    int valtozott = 0;
    std::vector<HuzasNyeremeny> hozza;
    for (const auto& h : uj) {
        if (!NyeremenyHiba(jatek_, h).empty()) continue;
        const long long k = Kulcs(h);
        const auto it = HetHelye(huzasok_, k);
        if (it == huzasok_.end() || Kulcs(*it) != k) {
            hozza.push_back(h);
            continue;
        }
        // What the store knows stays unless the import knows better.
        HuzasNyeremeny kesz = *it;
        for (std::size_t i = 0; i < kesz.Osztaly.size(); ++i)
            if (h.Osztaly[i].Ismert()) kesz.Osztaly[i] = h.Osztaly[i];
        if (kesz != *it) {
            *it = kesz;
            ++valtozott;
        }
    }
    if (!hozza.empty()) {
        std::sort(hozza.begin(), hozza.end(), KorabbiHet);
        hozza.erase(std::unique(hozza.begin(), hozza.end(),
                                [](const auto& a, const auto& b) { return Kulcs(a) == Kulcs(b); }),
                    hozza.end());
        valtozott += static_cast<int>(hozza.size());
        // A merge into a new list: the standard library's in-place merge goes through a
        // deprecated buffer routine that warns under clang.
        std::vector<HuzasNyeremeny> osszes;
        osszes.reserve(huzasok_.size() + hozza.size());
        std::merge(huzasok_.begin(), huzasok_.end(), hozza.begin(), hozza.end(),
                   std::back_inserter(osszes), KorabbiHet);
        huzasok_ = std::move(osszes);
    }
    return valtozott;
}

std::expected<NyeremenyTar, std::string> NyeremenyTar::Beolvasas(std::span<const std::uint8_t> adat,
                                                                 int jatek) {
    const auto hiba = [](std::string_view mi, std::size_t rekord) {
        return std::unexpected(std::string(NyeremenyOlvasasHibaSzoveg) + "\r" +
                               (rekord > 0 ? std::to_string(rekord) + ". rekord: " : "") +
                               std::string(mi));
    };
    if (!ErvenyesJatek(jatek)) return hiba("érvénytelen játék", 0);
    if (adat.size() < HuzasFejlecMeret ||
        (adat.size() - HuzasFejlecMeret) % NyeremenyRekordMeret != 0)
        return hiba("csonka állomány", 0);
    NyeremenyTar t(jatek);
    const std::size_t db = (adat.size() - HuzasFejlecMeret) / NyeremenyRekordMeret;
    t.huzasok_.reserve(db);
    io::Olvaso o(adat);
    o.Atugras(HuzasFejlecMeret);
    for (std::size_t r = 0; r < db; ++r) {
        HuzasNyeremeny h;
        std::int16_t ev = 0;
        std::uint8_t het = 0, nulla = 0;
        o.Int16(ev);
        o.Byte(het);
        o.Byte(nulla);
        h.Ev = static_cast<std::uint16_t>(ev);
        h.Het = het;
        for (auto& oszt : h.Osztaly) {
            std::int32_t also = 0, felso = 0;
            o.Int32(oszt.Nyertes);
            o.Int32(also);
            o.Int32(felso);
            oszt.Nyeremeny = static_cast<std::int64_t>(
                (static_cast<std::uint64_t>(static_cast<std::uint32_t>(felso)) << 32) |
                static_cast<std::uint32_t>(also));
        }
        if (o.Hibas()) return hiba("csonka állomány", r + 1);
        // The byte after the week is always written as 0: anything else is not our record.
        if (nulla != 0) return hiba("hibás rekord", r + 1);
        if (const auto e = NyeremenyHiba(jatek, h); !e.empty()) return hiba(e, r + 1);
        if (!t.huzasok_.empty() && Kulcs(t.huzasok_.back()) >= Kulcs(h))
            return hiba("rossz sorrend", r + 1);
        t.huzasok_.push_back(h);
    }
    return t;
}

std::vector<std::uint8_t> NyeremenyTar::Kodolas(const ProgramVerzio& verzio) const {
    io::Iro iro;
    iro.Bajtok(VerzioFejlec(verzio));
    for (const auto& h : huzasok_) {
        iro.Int16(static_cast<std::int16_t>(static_cast<std::uint16_t>(h.Ev)));
        iro.Byte(static_cast<std::uint8_t>(h.Het));
        iro.Byte(0);
        for (const auto& o : h.Osztaly) {
            const auto v = static_cast<std::uint64_t>(o.Nyeremeny);
            iro.Int32(o.Nyertes);
            iro.Int32(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
            iro.Int32(static_cast<std::int32_t>(static_cast<std::uint32_t>(v >> 32)));
        }
    }
    return std::move(iro.Adat());
}

std::expected<NyeremenyTar, std::string> NyeremenyTar::Betoltes(const std::filesystem::path& fajl,
                                                                int jatek) {
    std::error_code ec;
    if (!std::filesystem::exists(fajl, ec)) return NyeremenyTar(jatek);
    const auto adat = io::FajlBeolvasas(fajl);
    if (!adat) return std::unexpected(std::string(NyeremenyOlvasasHibaSzoveg));
    return Beolvasas(*adat, jatek);
}

bool NyeremenyTar::Mentes(const std::filesystem::path& fajl, const ProgramVerzio& verzio,
                          std::size_t hibaUtan) const {
    return io::BiztosMentes(fajl, Kodolas(verzio), hibaUtan);
}

} // namespace varion
