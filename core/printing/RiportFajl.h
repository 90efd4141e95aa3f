// Handing a report file over: the check that no other program holds the file open, and its
// message.
#pragma once

#include <filesystem>
#include <string>

#include "base/Uzenetek.h"
#include "printing/Riport.h"

namespace varion {

std::string FoglaltAllomanySzoveg(const std::filesystem::path& fajl);

// True when the file exists and cannot be opened for writing.
bool FoglaltAllomany(const std::filesystem::path& fajl);

// Writes the report as rich text in `betumeret` points, safely (the old file stays whole on
// a failure). False after the message when the file is busy or cannot be written.
bool RiportMentes(const Riport& r, int betumeret, const std::filesystem::path& fajl, Uzenetek& u);

// The waiting notice while a report is made.
inline constexpr std::string_view NyomtatasiAllomanySzoveg = "Nyomtatási állomány elkészítése.";
inline constexpr std::string_view RiportIrasHibaSzoveg =
    "Hiba történt a nyomtatási állomány írása során!";

} // namespace varion
