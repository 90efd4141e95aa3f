#include "app/Sugo.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace varion {

namespace {

std::optional<int> Szam(std::string_view s) {
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::vector<std::string_view> Sorok(std::string_view szoveg) {
    std::vector<std::string_view> sorok;
    while (!szoveg.empty()) {
        const auto v = szoveg.find('\n');
        auto sor = szoveg.substr(0, v);
        if (!sor.empty() && sor.back() == '\r') sor.remove_suffix(1);
        sorok.push_back(sor);
        if (v == std::string_view::npos) break;
        szoveg.remove_prefix(v + 1);
    }
    return sorok;
}

std::optional<std::string> Olvas(const std::filesystem::path& p) {
    std::ifstream be(p, std::ios::binary);
    if (!be) return std::nullopt;
    std::ostringstream s;
    s << be.rdbuf();
    return s.str();
}

} // namespace

Sugo Sugo::Szovegbol(std::string_view hlp, std::string_view cnt) {
    Sugo s;
    SugoTema* aktualis = nullptr;
    for (auto sor : Sorok(hlp)) {
        if (sor.starts_with('#') && aktualis == nullptr) continue;
        if (sor.starts_with('@')) {
            const auto tab = sor.find('\t');
            const auto szam =
                Szam(sor.substr(1, tab == std::string_view::npos ? sor.npos : tab - 1));
            if (!szam) {
                aktualis = nullptr;
                continue;
            }
            auto& t = s.temak_[*szam];
            t = {*szam,
                 tab == std::string_view::npos ? std::string() : std::string(sor.substr(tab + 1)),
                 {}};
            aktualis = &t;
            continue;
        }
        if (aktualis) {
            if (!aktualis->Szoveg.empty()) aktualis->Szoveg += '\n';
            aktualis->Szoveg += sor;
        }
    }
    for (auto& [n, t] : s.temak_)
        while (!t.Szoveg.empty() && t.Szoveg.back() == '\n') t.Szoveg.pop_back();
    for (auto sor : Sorok(cnt)) {
        if (sor.empty() || sor.starts_with('#')) continue;
        const auto t1 = sor.find('\t');
        if (t1 == std::string_view::npos) continue;
        const auto t2 = sor.find('\t', t1 + 1);
        if (t2 == std::string_view::npos) continue;
        const auto szint = Szam(sor.substr(0, t1));
        const auto tema = Szam(sor.substr(t1 + 1, t2 - t1 - 1));
        if (!szint || !tema || *szint < 1) continue;
        s.tartalom_.push_back({*szint, *tema, std::string(sor.substr(t2 + 1))});
    }
    return s;
}

std::optional<Sugo> Sugo::Betoltes(const std::filesystem::path& hlp,
                                   const std::filesystem::path& cnt) {
    const auto h = Olvas(hlp);
    const auto c = Olvas(cnt);
    if (!h || !c) return std::nullopt;
    return Szovegbol(*h, *c);
}

const SugoTema* Sugo::Tema(int szam) const {
    const auto it = temak_.find(szam);
    return it == temak_.end() ? nullptr : &it->second;
}

} // namespace varion
