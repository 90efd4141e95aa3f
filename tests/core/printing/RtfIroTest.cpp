#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>

#include "printing/HuzRiport.h"
#include "printing/RtfIro.h"
#include "support/IdeiglenesMappa.h"

namespace varion {
namespace {

TEST(RtfIro, EscapesAndMarks) {
    const Riport r{{"Ő {a}\\b", true, true}, {"é\x01x"}};
    const std::string rtf = RtfSzoveg(r, 8);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi"));
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fmodern\\fcharset238 Courier New;}}"), std::string::npos);
    EXPECT_NE(
        rtf.find("\\fs16\r\n{\\b \\u336\\'d5 \\{a\\}\\\\b}\\par\\page\r\n\\u233\\'e9x\\par\r\n}"),
        std::string::npos);
    EXPECT_NE(RtfSzoveg({{"€"}}, 10).find("\\fs20\r\n\\u8364?\\par"), std::string::npos);
}

// unrtf's HTML form keeps every letter (its text form drops the Unicode ones); it folds runs
// of blanks, so the lines are compared with their blanks folded the same way.
std::string HtmlSzoveg(std::string s) {
    static const std::map<std::string, std::string> nevek{
        {"Aacute", "Á"}, {"aacute", "á"}, {"Eacute", "É"}, {"eacute", "é"}, {"Iacute", "Í"},
        {"iacute", "í"}, {"Oacute", "Ó"}, {"oacute", "ó"}, {"Ouml", "Ö"},   {"ouml", "ö"},
        {"Uacute", "Ú"}, {"uacute", "ú"}, {"Uuml", "Ü"},   {"uuml", "ü"},   {"amp", "&"},
        {"lt", "<"},     {"gt", ">"},     {"quot", "\""},  {"nbsp", " "}};
    std::string ki;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '&') {
            const auto v = s.find(';', i);
            const std::string e = s.substr(i + 1, v - i - 1);
            if (e.starts_with("#")) {
                const auto k = static_cast<char32_t>(std::stoul(e.substr(1)));
                ki += k == 0x150   ? "Ő"
                      : k == 0x151 ? "ő"
                      : k == 0x170 ? "Ű"
                      : k == 0x171 ? "ű"
                                   : "?";
            } else {
                ki += nevek.contains(e) ? nevek.at(e) : "?";
            }
            i = v + 1;
        } else {
            ki += s[i++];
        }
    }
    return ki;
}

std::string Osszevont(const std::string& s) {
    std::string ki = std::regex_replace(s, std::regex(" +"), " ");
    while (!ki.empty() && ki.front() == ' ') ki.erase(0, 1);
    while (!ki.empty() && ki.back() == ' ') ki.pop_back();
    return ki;
}

TEST(RtfIro, ARealReaderReadsTheDrawReportBack) {
    if (std::system("command -v unrtf >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "unrtf is not installed (scripts/install-deps installs it)";
    HuzasAdatbazis db(6);
    std::vector<Huzas> h(130);
    for (int i = 0; i < 130; ++i) {
        h[std::size_t(i)].Ev = 2001;
        h[std::size_t(i)].Het = i % 52 + 1;
        for (std::uint8_t k = 0; k < 7; ++k) h[std::size_t(i)].Szamok[k] = std::uint8_t(k * 6 + 1);
    }
    db.Hozzaadas(h);
    const Riport r = HuzRiport(db, {"Varion", "1.6.0.2", "2024.05.17."});
    teszt::IdeiglenesMappa m;
    {
        std::ofstream f(m / "huzlist.rtf", std::ios::binary);
        f << RtfSzoveg(r, 8);
    }
    const std::string parancs = "unrtf --html '" + (m / "huzlist.rtf").string() + "' 2>/dev/null";
    FILE* p = ::popen(parancs.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string html;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) html.append(buf, n);
    ASSERT_EQ(::pclose(p), 0);
    // The body: lines end in <br>, the page break is a rule.
    const auto torzs = html.find("<body>");
    ASSERT_NE(torzs, std::string::npos);
    std::string t = std::regex_replace(html.substr(torzs), std::regex("[\r\n]"), "");
    t = std::regex_replace(t, std::regex("<p><hr><p>"), "\f<br>");
    t = std::regex_replace(t, std::regex("<br>"), "\n");
    t = std::regex_replace(t, std::regex("<[^>]*>"), "");
    std::vector<std::string> olvasott;
    for (std::size_t i = 0; i < t.size();) {
        const auto v = t.find('\n', i);
        olvasott.push_back(Osszevont(HtmlSzoveg(t.substr(i, v - i))));
        if (v == std::string::npos) break;
        i = v + 1;
    }
    while (!olvasott.empty() && olvasott.back().empty()) olvasott.pop_back();
    std::vector<std::string> vart;
    for (const auto& s : r) {
        vart.push_back(Osszevont(s.Szoveg));
        if (s.OldalVege) vart.push_back("\f");
    }
    EXPECT_EQ(olvasott, vart);
}

} // namespace
} // namespace varion
