// The help file and its contents file: numbered topics with a title and a text, and the
// contents as an outline of topic numbers.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varion {

struct SugoTema {
    int Szam = 0;
    std::string Cim;
    std::string Szoveg;
};

struct SugoTartalomSor {
    int Szint = 1;
    int Tema = 0;
    std::string Cim;
};

inline constexpr int FoszelvenyRiportSugo = 20; // the main ticket's information panel

class Sugo {
public:
    // Reads both files; nothing when either cannot be read. Malformed lines are skipped.
    static std::optional<Sugo> Betoltes(const std::filesystem::path& hlp,
                                        const std::filesystem::path& cnt);
    static Sugo Szovegbol(std::string_view hlp, std::string_view cnt);

    const std::vector<SugoTartalomSor>& Tartalom() const { return tartalom_; }
    const SugoTema* Tema(int szam) const;
    std::size_t TemaDb() const { return temak_.size(); }

private:
    std::map<int, SugoTema> temak_;
    std::vector<SugoTartalomSor> tartalom_;
};

} // namespace varion
