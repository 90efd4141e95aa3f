// The condition record: eleven on/off conditions with their limits, the error points and
// the aggregates of the marked numbers. Number-row and breakdown files keep it as 212
// bytes, so the layout below is a stored format: every field sits at a fixed offset, the
// padding bytes and the two unused words are kept as they were read.
#pragma once

#include <cstddef>
#include <cstdint>

#include "io/KisVeg.h"

namespace varion {

struct FeltetelAdatok {
    std::uint8_t Hibapont = 0; // error points of the breakdown, 0..3
    std::uint8_t Tolt0[3]{};
    std::uint8_t FavBe = 0; // favourite numbers
    std::uint8_t Tolt4[3]{};
    std::int32_t FavSzamai = 0;    // first position of the range, 1-based
    std::int32_t FavSzamaiMax = 0; // last position of the range, 1-based, inclusive
    std::int32_t FavTalalat = 0;
    std::int32_t FavTalalatMax = 0;
    std::uint8_t MobBe = 0; // mobile groups
    std::uint8_t Tolt24[3]{};
    std::int32_t MobSzamai = 0;
    std::int32_t MobTalalatMax = 0;
    std::uint8_t FixBe = 0; // fixed groups
    std::uint8_t Tolt36[3]{};
    std::int32_t FixSzamai = 0;
    std::int32_t FixTalalatMax = 0;
    std::uint8_t SzcsParosBe = 0;  // even/odd decades
    std::uint8_t SzcsParosFix = 0; // 1 "Fix", 0 "Több"
    std::uint8_t Tolt50[2]{};
    std::int32_t SzcsParos = 0;
    std::int32_t SzcsParosMax = 0;
    std::uint8_t SzcsParosTipus = 0; // 1 "páros", 0 "páratlan"
    std::uint8_t Tolt61[3]{};
    std::int32_t SzcsParosDb = 0;    // aggregate
    std::int32_t SzcsParatlanDb = 0; // aggregate
    std::uint8_t SzcsIsmetBe = 0;    // decade repetition
    std::uint8_t SzcsIsmetEgy = 0;   // 1 "Egy", 0 "Több"
    std::uint8_t Tolt74[2]{};
    std::int32_t SzcsIsmet = 0;
    std::int32_t SzcsIsmetMax = 0;
    std::int32_t SzcsIsmetLehet = 0; // aggregate
    std::int32_t SzcsTobbszor = 0;   // aggregate
    std::uint8_t TalArBe = 0;        // hit ratio against past draws
    std::uint8_t TalArKeresett = 0;  // 1 "Keresett", 0 "Kizárt"
    std::uint8_t Tolt94[2]{};
    std::int32_t TalArTalalat = 0;
    std::int32_t TalArTalalatMax = 0;
    std::uint8_t TalArHuzasok = 0; // 1 the draws themselves are stored, 0 the variations
    std::uint8_t Tolt105[3]{};
    std::uint8_t SzvParosBe = 0; // even/odd numbers
    std::uint8_t SzvParosFix = 0;
    std::uint8_t Tolt110[2]{};
    std::int32_t SzvParos = 0;
    std::int32_t SzvParosMax = 0;
    std::uint8_t SzvParosTipus = 0;
    std::uint8_t Tolt121[3]{};
    std::int32_t ParosDb = 0;    // aggregate
    std::int32_t ParatlanDb = 0; // aggregate
    std::uint8_t SzvIsmetBe = 0; // ending repetition
    std::uint8_t SzvIsmetEgy = 0;
    std::uint8_t Tolt134[2]{};
    std::int32_t SzvIsmet = 0;
    std::int32_t SzvIsmetMax = 0;
    std::int32_t SzvIsmetLehet = 0; // aggregate
    std::int32_t SzvTobbszor = 0;   // aggregate
    std::uint8_t EsemOsszegBe = 0;  // sum of the row
    std::uint8_t EsemOsszegFix = 0; // 1 "Fix", 0 "Mobil"
    std::uint8_t Tolt154[2]{};
    std::int32_t EsemOsszFix = 0;
    std::int32_t EsemOsszMax = 0;
    std::int32_t OsszegMin = 0;  // aggregate
    std::int32_t OsszegMax = 0;  // aggregate
    std::uint8_t IkerszamBe = 0; // twin numbers
    std::uint8_t Tolt173[3]{};
    std::int32_t Ikerszam = 0;
    std::int32_t IkerszamMax = 0;
    std::int32_t Nemhasznalt184 = 0;
    std::int32_t IkerszamDb = 0;  // aggregate
    std::uint8_t TukorszamBe = 0; // mirror pairs
    std::uint8_t Tolt193[3]{};
    std::int32_t Tukorszam = 0;
    std::int32_t TukorszamMax = 0;
    std::int32_t Nemhasznalt204 = 0;
    std::int32_t TukorParDb = 0; // aggregate

    bool operator==(const FeltetelAdatok&) const = default;
};

inline constexpr std::size_t FeltetelAdatokMerete = 212;

static_assert(sizeof(FeltetelAdatok) == FeltetelAdatokMerete);
static_assert(offsetof(FeltetelAdatok, Hibapont) == 0);
static_assert(offsetof(FeltetelAdatok, FavBe) == 4);
static_assert(offsetof(FeltetelAdatok, FavSzamai) == 8);
static_assert(offsetof(FeltetelAdatok, FavSzamaiMax) == 12);
static_assert(offsetof(FeltetelAdatok, FavTalalat) == 16);
static_assert(offsetof(FeltetelAdatok, FavTalalatMax) == 20);
static_assert(offsetof(FeltetelAdatok, MobBe) == 24);
static_assert(offsetof(FeltetelAdatok, MobSzamai) == 28);
static_assert(offsetof(FeltetelAdatok, MobTalalatMax) == 32);
static_assert(offsetof(FeltetelAdatok, FixBe) == 36);
static_assert(offsetof(FeltetelAdatok, FixSzamai) == 40);
static_assert(offsetof(FeltetelAdatok, FixTalalatMax) == 44);
static_assert(offsetof(FeltetelAdatok, SzcsParosBe) == 48);
static_assert(offsetof(FeltetelAdatok, SzcsParosFix) == 49);
static_assert(offsetof(FeltetelAdatok, SzcsParos) == 52);
static_assert(offsetof(FeltetelAdatok, SzcsParosMax) == 56);
static_assert(offsetof(FeltetelAdatok, SzcsParosTipus) == 60);
static_assert(offsetof(FeltetelAdatok, SzcsParosDb) == 64);
static_assert(offsetof(FeltetelAdatok, SzcsParatlanDb) == 68);
static_assert(offsetof(FeltetelAdatok, SzcsIsmetBe) == 72);
static_assert(offsetof(FeltetelAdatok, SzcsIsmetEgy) == 73);
static_assert(offsetof(FeltetelAdatok, SzcsIsmet) == 76);
static_assert(offsetof(FeltetelAdatok, SzcsIsmetMax) == 80);
static_assert(offsetof(FeltetelAdatok, SzcsIsmetLehet) == 84);
static_assert(offsetof(FeltetelAdatok, SzcsTobbszor) == 88);
static_assert(offsetof(FeltetelAdatok, TalArBe) == 92);
static_assert(offsetof(FeltetelAdatok, TalArKeresett) == 93);
static_assert(offsetof(FeltetelAdatok, TalArTalalat) == 96);
static_assert(offsetof(FeltetelAdatok, TalArTalalatMax) == 100);
static_assert(offsetof(FeltetelAdatok, TalArHuzasok) == 104);
static_assert(offsetof(FeltetelAdatok, SzvParosBe) == 108);
static_assert(offsetof(FeltetelAdatok, SzvParosFix) == 109);
static_assert(offsetof(FeltetelAdatok, SzvParos) == 112);
static_assert(offsetof(FeltetelAdatok, SzvParosMax) == 116);
static_assert(offsetof(FeltetelAdatok, SzvParosTipus) == 120);
static_assert(offsetof(FeltetelAdatok, ParosDb) == 124);
static_assert(offsetof(FeltetelAdatok, ParatlanDb) == 128);
static_assert(offsetof(FeltetelAdatok, SzvIsmetBe) == 132);
static_assert(offsetof(FeltetelAdatok, SzvIsmetEgy) == 133);
static_assert(offsetof(FeltetelAdatok, SzvIsmet) == 136);
static_assert(offsetof(FeltetelAdatok, SzvIsmetMax) == 140);
static_assert(offsetof(FeltetelAdatok, SzvIsmetLehet) == 144);
static_assert(offsetof(FeltetelAdatok, SzvTobbszor) == 148);
static_assert(offsetof(FeltetelAdatok, EsemOsszegBe) == 152);
static_assert(offsetof(FeltetelAdatok, EsemOsszegFix) == 153);
static_assert(offsetof(FeltetelAdatok, EsemOsszFix) == 156);
static_assert(offsetof(FeltetelAdatok, EsemOsszMax) == 160);
static_assert(offsetof(FeltetelAdatok, OsszegMin) == 164);
static_assert(offsetof(FeltetelAdatok, OsszegMax) == 168);
static_assert(offsetof(FeltetelAdatok, IkerszamBe) == 172);
static_assert(offsetof(FeltetelAdatok, Ikerszam) == 176);
static_assert(offsetof(FeltetelAdatok, IkerszamMax) == 180);
static_assert(offsetof(FeltetelAdatok, Nemhasznalt184) == 184);
static_assert(offsetof(FeltetelAdatok, IkerszamDb) == 188);
static_assert(offsetof(FeltetelAdatok, TukorszamBe) == 192);
static_assert(offsetof(FeltetelAdatok, Tukorszam) == 196);
static_assert(offsetof(FeltetelAdatok, TukorszamMax) == 200);
static_assert(offsetof(FeltetelAdatok, Nemhasznalt204) == 204);
static_assert(offsetof(FeltetelAdatok, TukorParDb) == 208);

// The 212 bytes, field by field, little-endian.
void FeltetelAdatokIras(const FeltetelAdatok& f, io::Iro& iro);
// Reads 212 bytes into `f`. False (and `f` unchanged) when the reader runs short.
bool FeltetelAdatokOlvasas(io::Olvaso& olvaso, FeltetelAdatok& f);

} // namespace varion
