// The checks the main window runs at start, in their order, with their messages: free
// memory, a pointing device, a writable program folder, the draw folder, the help files,
// and the settings file that is read and written anew.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "app/Beallitasok.h"
#include "base/Uzenetek.h"

namespace varion {

inline constexpr std::uint64_t MinSzabadMemoria = 10485760; // 10 MiB
inline constexpr std::string_view KevesMemoriaSzoveg =
    "Nem elegendő a szabad (RAM) memória!\rJavaslat: állítsa le azt az alkalmazást "
    "(programot), ami feleslegesen fut.\r\rMégis elindítja a Varion programot?";
inline constexpr std::string_view NincsEgerSzoveg =
    "Nincs egér csatlakoztatva a számítógéphez!\r\rA Varion program befejezi futását.";
inline constexpr std::string_view NemIrhatoSzoveg =
    "Nem írható adathordozóról indította a Varion programot!\r\rA Varion program befejezi "
    "futását.";
inline constexpr std::string_view NincsSugoSzoveg =
    "Hiányzik a Varion program Súgó állománya!\r\rJavaslat: telepítse újra a programot.";
inline constexpr std::string_view IrhatosagProbaNev = "VarTeszt"; // 8 characters

// What the operating system tells about the machine.
class InditasPlatform {
public:
    virtual ~InditasPlatform() = default;
    // Free physical memory in bytes; nothing when the system does not tell.
    virtual std::optional<std::uint64_t> SzabadMemoria() = 0;
    virtual bool VanEger() = 0;
};

// "MemAvailable" of a meminfo file, in bytes.
std::optional<std::uint64_t> MeminfoSzabad(const std::filesystem::path& meminfo = "/proc/meminfo");

// Creates a fresh, uniquely named scratch folder in `konyvtar` and removes it again;
// false when none can be created. Nothing else in `konyvtar` is touched.
bool IrhatoKonyvtar(const std::filesystem::path& konyvtar);

bool SugoFajlokMegvannak(const std::filesystem::path& programKonyvtar);
std::filesystem::path SugoFajl(const std::filesystem::path& programKonyvtar);
std::filesystem::path SugoTartalomFajl(const std::filesystem::path& programKonyvtar);

// Removes what a save killed half-way left in the program folder, "Dat" and the game
// folders: hidden temporary files of the program's own file types. Returns the count.
int RegiIdeiglenesekTorlese(const std::filesystem::path& programKonyvtar);

struct InditasEredmeny {
    bool Folytat = true; // false: the program ends
    bool VanSugo = true;
};

// Memory, mouse, writability, "Dat" (and the temporaries above), help, in that order; a "no" or a
// fatal check ends the run at once.
InditasEredmeny InditasiEllenorzesek(const std::filesystem::path& programKonyvtar,
                                     InditasPlatform& platform, Uzenetek& u);

// The settings file at start: read when present (it is replaced, never deleted, by the
// write at the end), then delete the scratch ".tip" files; without a file, the
// remembered folders are the game folders. Ends by writing the file.
void InditasiBeallitasok(const std::filesystem::path& programKonyvtar, Beallitasok& b, Uzenetek& u);

} // namespace varion
