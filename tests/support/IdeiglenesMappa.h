// A fresh folder under the system's temporary directory, removed with everything in it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace varion::teszt {

struct IdeiglenesMappa {
    std::filesystem::path Utvonal;
    IdeiglenesMappa() {
        static int sorszam = 0;
        Utvonal = std::filesystem::temp_directory_path() /
                  ("varion-adat-" + std::to_string(::getpid()) + "-" + std::to_string(++sorszam));
        std::filesystem::create_directories(Utvonal);
    }
    ~IdeiglenesMappa() {
        std::error_code ec;
        std::filesystem::remove_all(Utvonal, ec);
    }
    std::filesystem::path operator/(const std::string& nev) const { return Utvonal / nev; }
};

} // namespace varion::teszt
