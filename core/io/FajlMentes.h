// Whole-file reading and the safe save every writer of the program uses: the new content
// goes to a temporary file in the target's folder, is flushed to disk and then renamed
// over the target, so a failure at any point leaves the previous file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "io/KisVeg.h"

namespace varion::io {

// The whole file, or nothing when it cannot be opened or read or is not a regular file.
std::optional<std::vector<std::uint8_t>> FajlBeolvasas(const std::filesystem::path& utvonal);

// Replaces `utvonal` with `adat`. False when anything failed; the old file is then intact
// and no temporary file is left behind. `hibaUtan` makes the write fail after that many
// bytes; it exists for tests of the failure path.
//
// Where the file system allows it the content is written into an unnamed file (O_TMPFILE)
// that gets a name only when it is complete, so even a process killed half-way (a signal,
// the file-size limit) leaves nothing. Elsewhere the temporary file is named
// "." + target name + "." + six characters, and a killed writer may leave it behind.
bool BiztosMentes(const std::filesystem::path& utvonal, std::span<const std::uint8_t> adat,
                  std::size_t hibaUtan = SIZE_MAX);

// The same safe save for content too big to build in memory first: `tartalom` writes it
// through the output it is given, in as many pieces as it likes, and returns false to
// abandon the save (the old file then stays). It may be called a second time when the
// first way of saving turns out to be unavailable half-way.
using MentesTartalom = std::function<bool(Kimenet&)>;
bool BiztosMentesDarabonkent(const std::filesystem::path& utvonal, const MentesTartalom& tartalom,
                             std::size_t hibaUtan = SIZE_MAX);

// Whether `nev` is the name of a temporary file of the safe save: "." + a name with one
// of the program's extensions (`kiterjesztesek`, without the point) + "." + six
// characters.
bool BiztosMentesIdeiglenes(std::string_view nev, std::span<const std::string_view> kiterjesztesek);

// Removes the temporary files of the safe save left in `mappa` by a writer that was killed.
// Returns how many were removed.
int RegiIdeiglenesekTorlese(const std::filesystem::path& mappa,
                            std::span<const std::string_view> kiterjesztesek);

} // namespace varion::io
