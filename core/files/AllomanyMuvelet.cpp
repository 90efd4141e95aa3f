#include "files/AllomanyMuvelet.h"

#include <cstdio>
#include <system_error>

#include "files/FajlNevek.h"
#include "game/Jatek.h"
#include "io/KisVeg.h"

namespace varion {

std::optional<std::uint64_t> RendszerSzabadHely(const std::filesystem::path& p) {
    std::error_code ec;
    const auto mappa = p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
    const auto s = std::filesystem::space(mappa, ec);
    if (ec) return std::nullopt;
    return s.available;
}

std::string FoglaltSzoveg(const std::filesystem::path& fajl) {
    return "Foglalt állomány!\r\rAz alábbi néven és útvonalon lett megnyitva:\r      " +
           fajl.string() + "\r\rNevezze át és/vagy zárja be a már megnyitott állományt.      ";
}

bool AllomanyFoglalt(const std::filesystem::path& fajl, Uzenetek& u) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fajl, ec)) return false;
    // Opened for writing without truncating: the file itself stays as it is.
    std::FILE* f = std::fopen(fajl.c_str(), "r+b");
    if (f) {
        std::fclose(f);
        return false;
    }
    u.HibaUzenet(FoglaltSzoveg(fajl));
    return true;
}

namespace {

bool VanHely(const std::filesystem::path& p, std::uint64_t kell, const SzabadHelyLekerdezes& hely,
             Uzenetek& u) {
    const auto szabad = hely ? hely(p) : std::nullopt;
    if (szabad && *szabad < kell) {
        u.HibaUzenet(NincsHelySzoveg);
        return false;
    }
    return true;
}

} // namespace

bool AllomanyMentes(const std::filesystem::path& valasztott, const SzamsorAdatok& sor,
                    const BontasNezet* bontas, Uzenetek& u, const SzabadHelyLekerdezes& hely) {
    const MentesiNevek nevek = MentesiNevekBol(valasztott);
    if ((bontas && AllomanyFoglalt(nevek.Top, u)) || AllomanyFoglalt(nevek.Tip, u)) return false;
    if (bontas) {
        const std::uint64_t kell =
            static_cast<std::uint64_t>(bontas->Sorok()) * static_cast<std::uint64_t>(sor.Jatek) +
            1024;
        if (!VanHely(nevek.Top, kell, hely, u) || !TopMentes(nevek.Top, sor, *bontas, u))
            return false;
    } else {
        // "x.TIP" goes with "x.TOP" as much as with "x.top".
        std::error_code ec;
        for (const auto& top : TarsFajlok(nevek.Tip, "top")) std::filesystem::remove(top, ec);
    }
    return VanHely(nevek.Tip, sor.Jelolt.size() + 512, hely, u) && TipMentes(nevek.Tip, sor, u);
}

std::optional<MegnyitottAllomany> AllomanyBetoltes(const std::filesystem::path& fajl, int jatek,
                                                   bool vanAdatbazis, int huzasDb, Uzenetek& u) {
    switch (FajlTipusa(fajl.string())) {
    case FajlTipus::Tip: {
        auto sor = TipBetoltes(fajl, jatek, vanAdatbazis, huzasDb, u);
        if (!sor) return std::nullopt;
        return MegnyitottAllomany{FajlTipus::Tip, std::move(*sor), std::nullopt, {}};
    }
    case FajlTipus::Top: {
        auto t = TopBetoltesBlokkba(fajl, jatek, vanAdatbazis, huzasDb, u);
        if (!t) return std::nullopt;
        return MegnyitottAllomany{FajlTipus::Top, std::move(t->Sor), std::move(t->Fej),
                                  std::move(t->Matrix)};
    }
    case FajlTipus::Egyeb:
        break;
    }
    return std::nullopt;
}

std::optional<std::int32_t> AllomanyJatekMezo(const std::filesystem::path& fajl) {
    std::FILE* f = std::fopen(fajl.c_str(), "rb");
    if (!f) return std::nullopt;
    std::uint8_t b[20];
    const bool jo = std::fread(b, 1, sizeof b, f) == sizeof b;
    std::fclose(f);
    if (!jo) return std::nullopt;
    return io::Int32Ertek(b + 16);
}

std::optional<int> AllomanyJateka(const std::filesystem::path& fajl) {
    const auto jatek = AllomanyJatekMezo(fajl);
    if (!jatek) return std::nullopt;
    return ErvenyesJatek(*jatek) ? *jatek : 5;
}

} // namespace varion
