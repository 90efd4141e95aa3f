// Whole-file reading and the safe save every writer of the program uses: the new content
// goes to a temporary file in the target's folder, is flushed to disk and then renamed
// over the target, so a failure at any point leaves the previous file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace varion::io {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> FajlBeolvasas(const std::filesystem::path& utvonal);

// Replaces `utvonal` with `adat`. False when anything failed; the old file is then intact
// and no temporary file is left behind. `hibaUtan` makes the write fail after that many
// bytes; it exists for tests of the failure path.
bool BiztosMentes(const std::filesystem::path& utvonal, std::span<const std::uint8_t> adat,
                  std::size_t hibaUtan = SIZE_MAX);

} // namespace varion::io
