#include "breakdown/OptimalisFedes.h"

#include <algorithm>
#include <barrier>
#include <memory>
#include <new>
#include <queue>
#include <thread>

#include "breakdown/CsoportFedes.h"
#include "breakdown/FedesTablak.h"
#include "breakdown/FedesVeletlen.h"
#include "breakdown/FedoRendszer.h"
#include "breakdown/OptimalisSeta.h"
#include "breakdown/SulyozottFedes.h"

namespace varion {
namespace {

using Ora = std::chrono::steady_clock;

inline std::size_t I(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

std::string Tagolt(std::uint64_t x) {
    const std::string d = std::to_string(x);
    std::string s;
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (i > 0 && (d.size() - i) % 3 == 0) s += ' ';
        s += d[i];
    }
    return s;
}

// Max-gain greedy: the candidate that covers most uncovered candidates next, ties broken
// by the generator. Gains only fall, so a stale heap entry is pushed back with its gain.
std::vector<std::int32_t> MohoFedes(const FedesTablak& t, FedesVeletlen& g,
                                    const std::atomic<bool>& stop) {
    const std::int32_t n = t.Db();
    std::vector<std::int32_t> nyereseg(I(n));
    std::vector<char> fedett(I(n), 0);
    using Elem = std::pair<std::uint64_t, std::int32_t>;
    std::priority_queue<Elem> kupac;
    const auto kulcs = [&g](std::int32_t gain) {
        return (static_cast<std::uint64_t>(gain) << 32) | (g() >> 32);
    };
    for (std::int32_t c = 0; c < n; ++c) {
        std::int32_t db = 0;
        t.Bejar(c, [&db](std::int32_t) { ++db; });
        nyereseg[I(c)] = db;
        kupac.emplace(kulcs(db), c);
    }
    std::vector<std::int32_t> ki;
    std::int32_t fedetlen = n;
    while (fedetlen > 0 && !kupac.empty()) {
        if (stop.load(std::memory_order_relaxed)) return {};
        const auto [k, c] = kupac.top();
        kupac.pop();
        const std::int32_t most = nyereseg[I(c)];
        if (static_cast<std::int32_t>(k >> 32) != most) {
            if (most > 0) kupac.emplace(kulcs(most), c);
            continue;
        }
        ki.push_back(c);
        t.Bejar(c, [&](std::int32_t d) {
            if (fedett[I(d)]) return;
            fedett[I(d)] = 1;
            --fedetlen;
            t.Bejar(d, [&](std::int32_t x) { --nyereseg[I(x)]; });
        });
    }
    return ki;
}

// Without the greedy (too large for it) and without a given cover: every hole in a random
// order takes itself as a row.
std::vector<std::int32_t> EgyszeruFedes(const FedesTablak& t, FedesVeletlen& g) {
    std::vector<std::int32_t> sorrend(I(t.Db()));
    for (std::int32_t c = 0; c < t.Db(); ++c) sorrend[I(c)] = c;
    for (std::size_t i = sorrend.size(); i > 1; --i)
        std::swap(sorrend[i - 1], sorrend[g.Szam(static_cast<std::uint32_t>(i))]);
    std::vector<char> fedett(I(t.Db()), 0);
    std::vector<std::int32_t> ki;
    for (const std::int32_t c : sorrend) {
        if (fedett[I(c)]) continue;
        ki.push_back(c);
        t.Bejar(c, [&](std::int32_t d) { fedett[I(d)] = 1; });
    }
    return ki;
}

// The given cover as candidates, when it covers every one.
std::vector<std::int32_t> AdottFedes(const FedesTablak& t, std::span<const SorMaszk> kezdo) {
    std::vector<std::int32_t> ki;
    std::vector<char> fedett(I(t.Db()), 0), bent(I(t.Db()), 0);
    for (const SorMaszk& m : kezdo) {
        const std::int32_t j = t.Index(m);
        if (j < 0 || bent[I(j)]) continue;
        bent[I(j)] = 1;
        ki.push_back(j);
        t.Bejar(j, [&](std::int32_t c) { fedett[I(c)] = 1; });
    }
    if (std::find(fedett.begin(), fedett.end(), 0) != fedett.end()) return {};
    return ki;
}

std::vector<std::array<std::uint8_t, 8>> Rendezett(std::span<const SorMaszk> maszkok) {
    std::vector<std::array<std::uint8_t, 8>> ki;
    for (const SorMaszk& m : maszkok) ki.push_back(IndexekMaszkbol(m));
    std::sort(ki.begin(), ki.end());
    ki.erase(std::unique(ki.begin(), ki.end()), ki.end());
    return ki;
}

// One thread of the portfolio, whichever method it follows.
class Kereso {
public:
    virtual ~Kereso() = default;
    virtual FedesVeletlen& Generator() = 0;
    virtual void Kezdes(const std::vector<std::int32_t>& fedes) = 0;
    virtual void Kor(std::int64_t munkaHatar, std::int32_t alsoKorlat) = 0;
    virtual void Atvetel(const std::vector<std::int32_t>& fedes) = 0;
    virtual const std::vector<std::int32_t>& Legjobb() const = 0;
    virtual std::int64_t Munka() const = 0;
};

template <class T> class KeresoBurok final : public Kereso {
public:
    template <class... A> explicit KeresoBurok(A&&... a) : k_(std::forward<A>(a)...) {}
    FedesVeletlen& Generator() override { return k_.Generator(); }
    void Kezdes(const std::vector<std::int32_t>& f) override { k_.Kezdes(f); }
    void Kor(std::int64_t h, std::int32_t a) override { k_.Kor(h, a); }
    void Atvetel(const std::vector<std::int32_t>& f) override { k_.Atvetel(f); }
    const std::vector<std::int32_t>& Legjobb() const override { return k_.Legjobb(); }
    std::int64_t Munka() const override { return k_.Munka(); }

private:
    T k_;
};

// With one error point the weighted exchange wins clearly. On a small space both threads
// follow it, on two seeds: rounds are counted in work, and an annealing thread beside it
// spends a unit of work four times as slowly, so the weighted thread waited at every
// meeting for three quarters of its time (6 of 14 ended at 110-113 instead of 98-111). On
// a large space the annealing beside it gains more than the waiting costs, at a constant
// temperature of 0.3 (a rise of one hole taken about one step in thirty). With more error
// points a neighbourhood holds hundreds of candidates, and every row that enters or leaves
// updates the weights of hundreds of neighbourhoods: there the annealing takes far more
// steps in the same work and ends lower, so both threads anneal, on two schedules. A
// cooling from 0.6 that starts again when it freezes finds the large covers. The smallest
// ones (7 of 14 with two points) sit in narrow basins that a cold walk never enters; the
// restarts below find them. A constant 0.6 with two points (1.0 before the loss count came
// from the row's own list and the walk grew twice as fast) took 6 of 16 to 26 rows at all
// ten seeds, where 1.0 ended at 26-29; with three points 2.5.
std::unique_ptr<Kereso> Portfolio(const FedesTablak& t, const FedesBeallitas& b, int i) {
    const std::uint64_t mag = b.Mag * 0x2545F4914F6CDD1Dull + static_cast<std::uint64_t>(i);
    constexpr std::int32_t KisTer = 10'000;
    if (b.Hibapont == 1 && (i % 2 == 0 || t.Db() <= KisTer))
        return std::make_unique<KeresoBurok<SulyozottFedes>>(t, mag);
    if (b.Hibapont == 1)
        return std::make_unique<KeresoBurok<OptimalisSeta>>(t, b.K, b.Hibapont, mag, 0.3, false);
    const bool hul = i % 2 != 0;
    const double meleg = b.Hibapont == 2 ? 0.6 : 2.5;
    return std::make_unique<KeresoBurok<OptimalisSeta>>(t, b.K, b.Hibapont, mag, hul ? 0.6 : meleg,
                                                        hul);
}

// With more error points and a cover of a few rows, every row is a large part of it, and
// whether a walk ever reaches the smallest covers is decided early, by where it began: 7 of
// 14 with two points reached 14 rows at 3 seeds of 10, the others stayed at 16 or 17 for
// good. There the cooling thread does not take the shared best over: when it has found
// nothing smaller for a few rounds it starts again from a fresh greedy cover, and 7 of 14
// reaches 14 at every seed, 7 of 16 with three points 6. On larger covers a walk needs its
// whole budget to descend, and the restarts cost rows: 6 of 18 ended at 52 instead of 51,
// and 6 of 16 (a greedy start of 30 rows) at 28 instead of 26 in 120 s.
bool Ujrakezdo(const FedesBeallitas& b, int szal, bool moho, std::int32_t kezdoDb) {
    constexpr std::int32_t KisFedes = 24;
    return b.Hibapont >= 2 && szal % 2 != 0 && moho && kezdoDb <= KisFedes;
}
constexpr int UjrakezdesKor = 5; // rounds without a smaller cover before a fresh start

} // namespace

std::string OptimalisElutasitas(int N, int K, int hibapont) {
    if (hibapont < 1) return {}; // nothing to search: no reason to give either
    const FedesMeret m = FedesMeretSzamitas(N, K, hibapont);
    if (m.Jeloltek > OptimalisJeloltKorlat)
        return "a kijelölésnek " + Tagolt(m.Jeloltek) + " változata van, a keresés legfeljebb " +
               Tagolt(OptimalisJeloltKorlat) + " változatot kezel";
    if (m.Szomszedsag > OptimalisSzomszedKorlat)
        return "egy szelvény " + Tagolt(m.Szomszedsag) +
               " változatot fed le, a keresés legfeljebb " + Tagolt(OptimalisSzomszedKorlat) +
               "-et kezel";
    return {};
}

std::string OptimalisOpcioSugo(int N, int K, int hibapont) {
    if (const std::string ok = OptimalisElutasitas(N, K, hibapont); !ok.empty())
        return " Ennél a kijelölésnél nem használható: " + ok +
               ". \n A bontás a megadott csökkentést készíti el. ";
    return " Kevesebb szelvény ugyanazzal a garanciával: a bontás után a program legfeljebb \n "
           "10 másodpercig keresi a kisebb fedést. ";
}

FedesEredmeny OptimalisFedes(std::span<const SorMaszk> jeloltek, std::span<const SorMaszk> kezdo,
                             const FedesBeallitas& b, FedesAllapot& allapot) {
    const auto hatarido = Ora::now() + b.Idokeret;
    FedesEredmeny e;
    const auto adott = [&e, kezdo](std::string ok) {
        e.Sorok.clear();
        for (const SorMaszk& m : kezdo) e.Sorok.push_back(IndexekMaszkbol(m));
        e.KezdoDb = static_cast<std::int32_t>(e.Sorok.size());
        e.Elutasitas = std::move(ok);
        return e;
    };
    if (b.Hibapont < 1 || b.Hibapont > 3 || b.Hibapont >= b.K) return adott({});
    if (std::string ok = OptimalisElutasitas(b.N, b.K, b.Hibapont); !ok.empty())
        return adott(std::move(ok));
    if (jeloltek.empty() || allapot.Stop.load()) return adott({});

    const int szalak = std::max(1, b.Szalak);
    std::vector<std::unique_ptr<Kereso>> keresok(static_cast<std::size_t>(szalak));
    std::vector<std::int32_t> kezdoDb(static_cast<std::size_t>(szalak), 0);
    std::vector<std::int32_t> szalDb(static_cast<std::size_t>(szalak), 0);
    std::vector<int> elakadt(static_cast<std::size_t>(szalak), 0);
    std::vector<char> atvesz(static_cast<std::size_t>(szalak), 0);
    std::vector<char> ujra(static_cast<std::size_t>(szalak), 0);
    std::vector<std::int32_t> kozos; // the shared best cover
    std::atomic<bool> hiba{false};
    bool folytat = true;
    std::int64_t kor = 0;
    FedesTablak t;
    try {
        if (!t.Epites(jeloltek, b.N, b.K, b.Hibapont)) return adott({});
        const std::int32_t nb = t.Szomszedsag();
        e.AlsoKorlat = (t.Db() + nb - 1) / nb;
        allapot.AlsoKorlat.store(e.AlsoKorlat);
        const std::vector<std::int32_t> adottFedes = AdottFedes(t, kezdo);
        kozos.reserve(I(t.Db())); // no cover is larger
        // The greedy costs candidates x neighbourhood twice over.
        const bool moho = static_cast<std::uint64_t>(t.Db()) * static_cast<std::uint64_t>(nb) <=
                          (std::uint64_t{1} << 28);
        for (int i = 0; i < szalak; ++i) keresok[I(i)] = Portfolio(t, b, i);

        // The group cover needs every variation to be a candidate (no conditions). Its
        // designs are shared out among the threads before the first round; each depends on
        // the seed and its size alone, so how the work was shared does not change the rows.
        const bool teljes =
            static_cast<std::uint64_t>(t.Db()) == FedesMeretSzamitas(b.N, b.K, b.Hibapont).Jeloltek;
        const auto felosztasok =
            teljes ? CsoportFelosztasok(b.N, b.K, b.Hibapont) : std::vector<std::vector<int>>{};
        const std::vector<int> meretek = TervezendoMeretek(felosztasok, b.K);
        std::vector<std::vector<std::uint64_t>> tervek(I(b.N) + 1);
        std::atomic<std::size_t> kovetkezoTerv{0};
        std::vector<std::int32_t> csoportos;
        const auto csoportosValasztas = [&]() noexcept {
            try {
                const auto terv = [&tervek](int g) -> const std::vector<std::uint64_t>& {
                    return tervek[I(g)];
                };
                for (const auto& f : felosztasok)
                    if (auto c = AdottFedes(t, CsoportFedes(f, b.K, b.Hibapont, terv));
                        !c.empty() && (csoportos.empty() || c.size() < csoportos.size()))
                        csoportos = std::move(c);
            } catch (const std::bad_alloc&) {
                hiba.store(true);
            }
        };
        std::barrier tervezes(szalak, csoportosValasztas);

        // Between rounds, on the last thread to arrive: the shared best, whether to go on,
        // and which threads take the shared best over. It reads every thread's state, which
        // the barrier orders after the thread's round.
        const auto talalkozo = [&]() noexcept {
            ++kor;
            std::int32_t legjobb = kozos.empty() ? 0 : static_cast<std::int32_t>(kozos.size());
            for (int i = 0; i < szalak; ++i) {
                const auto& l = keresok[I(i)]->Legjobb();
                const auto db = static_cast<std::int32_t>(l.size());
                elakadt[I(i)] = db > 0 && db < szalDb[I(i)] ? 0 : elakadt[I(i)] + 1;
                szalDb[I(i)] = db;
                if (db > 0 && (legjobb == 0 || db < legjobb)) {
                    kozos.assign(l.begin(), l.end()); // capacity reserved: no allocation
                    legjobb = db;
                }
            }
            allapot.LegjobbDb.store(legjobb);
            allapot.Lepesek.store(kor);
            folytat = !hiba.load() && !allapot.Stop.load() && legjobb > std::max(1, e.AlsoKorlat) &&
                      (b.LepesKorlat != 0 ? static_cast<std::uint64_t>(kor) < b.LepesKorlat
                                          : Ora::now() < hatarido);
            for (int i = 0; i < szalak; ++i) {
                if (Ujrakezdo(b, i, moho, kezdoDb[I(i)])) {
                    atvesz[I(i)] = 0;
                    ujra[I(i)] = folytat && elakadt[I(i)] >= UjrakezdesKor;
                    if (ujra[I(i)]) elakadt[I(i)] = 0;
                    continue;
                }
                atvesz[I(i)] = folytat && b.Elakadas > 0 && szalDb[I(i)] > legjobb &&
                               elakadt[I(i)] >= b.Elakadas;
                if (atvesz[I(i)]) elakadt[I(i)] = 0;
            }
        };
        std::barrier talalkozas(szalak, talalkozo);

        const auto szal = [&](int i) {
            Kereso& k = *keresok[I(i)];
            try {
                for (std::size_t j; (j = kovetkezoTerv.fetch_add(1)) < meretek.size();) {
                    const int g = meretek[j];
                    const std::uint64_t mag = b.Mag * 0x9E3779B97F4A7C15ull + 0x100u + I(g);
                    tervek[I(g)] = FedoRendszer(g, b.K, b.K - b.Hibapont, mag, allapot.Stop);
                }
            } catch (const std::bad_alloc&) {
                hiba.store(true);
            }
            tervezes.arrive_and_wait();
            try {
                std::vector<std::int32_t> kezdes;
                if (moho) kezdes = MohoFedes(t, k.Generator(), allapot.Stop);
                for (const auto& masik : {std::cref(adottFedes), std::cref(csoportos)})
                    if (kezdes.empty() ||
                        (!masik.get().empty() && masik.get().size() <= kezdes.size()))
                        kezdes = masik.get();
                if (kezdes.empty()) kezdes = EgyszeruFedes(t, k.Generator());
                kezdoDb[I(i)] = static_cast<std::int32_t>(kezdes.size());
                k.Kezdes(kezdes);
                std::int64_t hatar = k.Munka();
                for (;;) {
                    if (b.Proba) b.Proba(i);
                    hatar += b.KorMunka;
                    k.Kor(hatar, e.AlsoKorlat);
                    talalkozas.arrive_and_wait();
                    if (!folytat) break;
                    if (atvesz[I(i)]) k.Atvetel(kozos);
                    if (ujra[I(i)])
                        if (const auto f = MohoFedes(t, k.Generator(), allapot.Stop); !f.empty())
                            k.Kezdes(f);
                }
            } catch (const std::bad_alloc&) {
                hiba.store(true);
                talalkozas.arrive_and_drop();
            }
        };
        std::vector<std::thread> futok;
        try {
            for (int i = 1; i < szalak; ++i) futok.emplace_back(szal, i);
        } catch (const std::system_error&) {
            hiba.store(true);
        }
        // A thread that could not be started still takes its place at the meetings.
        for (int i = static_cast<int>(futok.size()) + 1; i < szalak; ++i) {
            tervezes.arrive_and_drop();
            talalkozas.arrive_and_drop();
        }
        szal(0);
        for (auto& f : futok) f.join();
    } catch (const std::bad_alloc&) {
        hiba.store(true);
    }
    if (hiba.load()) return adott(std::string(OptimalisMemoriaHiba));

    e.Lepesek = kor;
    for (const std::int32_t d : kezdoDb)
        if (d > 0 && (e.KezdoDb == 0 || d < e.KezdoDb)) e.KezdoDb = d;
    if (kozos.empty()) {
        // Stopped before any cover was made: the given one, as it came.
        for (const SorMaszk& m : kezdo) e.Sorok.push_back(IndexekMaszkbol(m));
        return e;
    }
    std::vector<SorMaszk> m;
    for (const std::int32_t j : kozos) m.push_back(t.Maszk(j));
    e.Sorok = Rendezett(m);
    return e;
}

} // namespace varion
