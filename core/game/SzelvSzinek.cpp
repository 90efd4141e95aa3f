#include "game/SzelvSzinek.h"

namespace varion {

namespace {

constexpr std::size_t Idx(int nezet) {
    return static_cast<std::size_t>(nezet);
}

} // namespace

std::int32_t SzelvSzinTabla::Alapertek(SzelvFajta nezet, SzelvBejegyzes b) {
    using enum SzelvFajta;
    switch (b) {
    case SzelvBejegyzes::Hatter:
        return nezet == HuzasLista ? Rgb(0, 100, 100) : Rgb(0, 0, 128);
    case SzelvBejegyzes::Box:
        return 30;
    case SzelvBejegyzes::Jeloletlen:
        switch (nezet) {
        case BontasLista:
            return TemaSugoHatter;
        case BontasEllenorzes:
            return Rgb(245, 245, 255);
        case HuzasLista:
            return Rgb(235, 240, 220);
        case UjHuzas:
            return Rgb(255, 251, 240);
        case SzamsorKereses:
            return Rgb(240, 250, 250);
        default:
            return Rgb(255, 255, 255);
        }
    case SzelvBejegyzes::Kijelolt:
        switch (nezet) {
        case BontasLista:
        case HuzasLista:
            return Rgb(220, 215, 200);
        case BontasEllenorzes:
        case UjHuzas:
        case SzamsorKereses:
            return TemaGorgetosav;
        default:
            return TemaGombFelulet;
        }
    case SzelvBejegyzes::SzamMeret:
        return 8;
    case SzelvBejegyzes::SzamSzin:
        return nezet == UjHuzas || nezet == SzamsorKereses ? Rgb(0, 0, 128) : TemaAblakSzoveg;
    case SzelvBejegyzes::Tartalek:
        return nezet == Foszelveny ? 5 : 9;
    case SzelvBejegyzes::RiportPanel:
        switch (nezet) {
        case BontasLista:
        case HuzasLista:
            return Rgb(255, 255, 255);
        case BontasEllenorzes:
        case SzamsorKereses:
            return TemaSugoHatter;
        default:
            return Rgb(255, 251, 240);
        }
    case SzelvBejegyzes::RiportSzoveg:
    case SzelvBejegyzes::KijeloltSzam:
        return TemaAblakSzoveg;
    case SzelvBejegyzes::FixSzam:
        return Rgb(0, 128, 128);
    case SzelvBejegyzes::AllandoSzam:
        return Rgb(255, 0, 0);
    case SzelvBejegyzes::PluszSzam:
        return Rgb(0, 120, 180);
    case SzelvBejegyzes::VeletlenSzam:
        return Rgb(128, 0, 128);
    }
    return 0;
}

bool SzelvSzinTabla::Hasznalhato(SzelvBejegyzes b, std::int32_t ertek) {
    if (b == SzelvBejegyzes::Box) return ertek >= MinBox && ertek <= MaxBox;
    if (b == SzelvBejegyzes::SzamMeret) return ertek >= MinSzamMeret && ertek <= MaxSzamMeret;
    return true;
}

SzelvSzinTabla::SzelvSzinTabla() {
    for (int n = 0; n < SzelvNezetDb; ++n)
        for (int s = 0; s < SemaDb; ++s)
            for (int k = 0; k < SemaMeret; ++k)
                t_[Idx(n)][Idx(s * SemaMeret + k)] =
                    Alapertek(static_cast<SzelvFajta>(n), static_cast<SzelvBejegyzes>(k));
}

std::int32_t SzelvSzinTabla::Ertek(SzelvFajta nezet, int sema, SzelvBejegyzes b) const {
    return Ertek(static_cast<int>(nezet), sema * SemaMeret + static_cast<int>(b));
}

void SzelvSzinTabla::Beallit(SzelvFajta nezet, int sema, SzelvBejegyzes b, std::int32_t ertek) {
    Beallit(static_cast<int>(nezet), sema * SemaMeret + static_cast<int>(b), ertek);
}

std::int32_t SzelvSzinTabla::Ertek(int nezet, int index) const {
    if (nezet < 0 || nezet >= SzelvNezetDb || index < 0 || index >= SemaDb * SemaMeret) return 0;
    return t_[Idx(nezet)][Idx(index)];
}

void SzelvSzinTabla::Beallit(int nezet, int index, std::int32_t ertek) {
    if (nezet < 0 || nezet >= SzelvNezetDb || index < 0 || index >= SemaDb * SemaMeret) return;
    t_[Idx(nezet)][Idx(index)] = ertek;
}

} // namespace varion
