// A fresh folder under the system's temporary directory, removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace varion::teszt {

struct IdeiglenesMappa {
    std::filesystem::path Utvonal;
    IdeiglenesMappa() {
        // mkdtemp makes a folder nobody had: a name built from the process id met folders
        // that a killed earlier run had left behind with the same id.
        std::string minta =
            (std::filesystem::temp_directory_path() / "varion-adat-XXXXXX").string();
        if (!::mkdtemp(minta.data())) throw std::runtime_error("mkdtemp: " + minta);
        Utvonal = minta;
    }
    ~IdeiglenesMappa() {
        std::error_code ec;
        std::filesystem::remove_all(Utvonal, ec);
    }
    IdeiglenesMappa(const IdeiglenesMappa&) = delete;
    IdeiglenesMappa& operator=(const IdeiglenesMappa&) = delete;
    std::filesystem::path operator/(const std::string& nev) const { return Utvonal / nev; }
};

} // namespace varion::teszt
