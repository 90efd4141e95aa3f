#include "conditions/FeltetelAdatok.h"

#include <span>

namespace varion {
namespace {

// Visits every field in file order; `bajt`, `bajtok` and `egesz` do the actual transfer,
// so reading and writing cannot drift apart.
template <class R, class B, class BB, class E> void Mezok(R& f, B bajt, BB bajtok, E egesz) {
    bajt(f.Hibapont);
    bajtok(f.Tolt0);
    bajt(f.FavBe);
    bajtok(f.Tolt4);
    egesz(f.FavSzamai);
    egesz(f.FavSzamaiMax);
    egesz(f.FavTalalat);
    egesz(f.FavTalalatMax);
    bajt(f.MobBe);
    bajtok(f.Tolt24);
    egesz(f.MobSzamai);
    egesz(f.MobTalalatMax);
    bajt(f.FixBe);
    bajtok(f.Tolt36);
    egesz(f.FixSzamai);
    egesz(f.FixTalalatMax);
    bajt(f.SzcsParosBe);
    bajt(f.SzcsParosFix);
    bajtok(f.Tolt50);
    egesz(f.SzcsParos);
    egesz(f.SzcsParosMax);
    bajt(f.SzcsParosTipus);
    bajtok(f.Tolt61);
    egesz(f.SzcsParosDb);
    egesz(f.SzcsParatlanDb);
    bajt(f.SzcsIsmetBe);
    bajt(f.SzcsIsmetEgy);
    bajtok(f.Tolt74);
    egesz(f.SzcsIsmet);
    egesz(f.SzcsIsmetMax);
    egesz(f.SzcsIsmetLehet);
    egesz(f.SzcsTobbszor);
    bajt(f.TalArBe);
    bajt(f.TalArKeresett);
    bajtok(f.Tolt94);
    egesz(f.TalArTalalat);
    egesz(f.TalArTalalatMax);
    bajt(f.TalArHuzasok);
    bajtok(f.Tolt105);
    bajt(f.SzvParosBe);
    bajt(f.SzvParosFix);
    bajtok(f.Tolt110);
    egesz(f.SzvParos);
    egesz(f.SzvParosMax);
    bajt(f.SzvParosTipus);
    bajtok(f.Tolt121);
    egesz(f.ParosDb);
    egesz(f.ParatlanDb);
    bajt(f.SzvIsmetBe);
    bajt(f.SzvIsmetEgy);
    bajtok(f.Tolt134);
    egesz(f.SzvIsmet);
    egesz(f.SzvIsmetMax);
    egesz(f.SzvIsmetLehet);
    egesz(f.SzvTobbszor);
    bajt(f.EsemOsszegBe);
    bajt(f.EsemOsszegFix);
    bajtok(f.Tolt154);
    egesz(f.EsemOsszFix);
    egesz(f.EsemOsszMax);
    egesz(f.OsszegMin);
    egesz(f.OsszegMax);
    bajt(f.IkerszamBe);
    bajtok(f.Tolt173);
    egesz(f.Ikerszam);
    egesz(f.IkerszamMax);
    egesz(f.Nemhasznalt184);
    egesz(f.IkerszamDb);
    bajt(f.TukorszamBe);
    bajtok(f.Tolt193);
    egesz(f.Tukorszam);
    egesz(f.TukorszamMax);
    egesz(f.Nemhasznalt204);
    egesz(f.TukorParDb);
}

} // namespace

void FeltetelAdatokIras(const FeltetelAdatok& f, io::Iro& iro) {
    Mezok(
        f, [&](std::uint8_t v) { iro.Byte(v); },
        [&](const auto& t) { iro.Bajtok(std::span<const std::uint8_t>(t, std::size(t))); },
        [&](std::int32_t v) { iro.Int32(v); });
}

bool FeltetelAdatokOlvasas(io::Olvaso& olvaso, FeltetelAdatok& f) {
    if (olvaso.Hibas() || olvaso.Maradek() < FeltetelAdatokMerete) {
        olvaso.Atugras(FeltetelAdatokMerete); // marks the reader failed
        return false;
    }
    FeltetelAdatok uj;
    Mezok(
        uj, [&](std::uint8_t& v) { olvaso.Byte(v); },
        [&](auto& t) { olvaso.Bajtok(std::span<std::uint8_t>(t, std::size(t))); },
        [&](std::int32_t& v) { olvaso.Int32(v); });
    if (olvaso.Hibas()) return false;
    f = uj;
    return true;
}

} // namespace varion
