#include "printing/RtfIro.h"

#include <cstdint>

namespace varion {

namespace {

// Decodes one UTF-8 sequence at `i`; a broken sequence gives U+FFFD and one byte.
char32_t KovetkezoKarakter(const std::string& s, std::size_t& i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    int hossz = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (hossz == 0 || i + static_cast<std::size_t>(hossz) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t k = hossz == 1 ? c : c & (0x7F >> hossz);
    for (int j = 1; j < hossz; ++j) {
        if ((b(i + static_cast<std::size_t>(j)) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        k = (k << 6) | (b(i + static_cast<std::size_t>(j)) & 0x3F);
    }
    i += static_cast<std::size_t>(hossz);
    return k;
}

void Escape(std::string& ki, const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const char32_t k = KovetkezoKarakter(s, i);
        if (k == '\\' || k == '{' || k == '}') {
            ki += '\\';
            ki += static_cast<char>(k);
        } else if (k >= 0x20 && k < 0x80) {
            ki += static_cast<char>(k);
        } else if (k == '\t') {
            ki += "\\tab ";
        } else if (k < 0x20) {
            // control characters have no place in a line
        } else if (k <= 0xFFFF) {
            // RTF takes a signed 16-bit value, followed by the fallback character.
            ki += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(k))) +
                  "?";
        } else {
            const char32_t v = k - 0x10000;
            for (char32_t h : {0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF)})
                ki += "\\u" +
                      std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(h))) +
                      "?";
        }
    }
}

} // namespace

std::string RtfSzoveg(const Riport& r, int betumeret) {
    std::string ki = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fmodern\\fcharset238 Courier New;}}"
                     "\\paperw11906\\paperh16838\\margl850\\margr567\\margt567\\margb567"
                     "\\pard\\plain\\f0\\fs" +
                     std::to_string(betumeret * 2) + "\r\n";
    for (const auto& s : r) {
        if (s.Felkover) ki += "{\\b ";
        Escape(ki, s.Szoveg);
        if (s.Felkover) ki += "}";
        ki += s.OldalVege ? "\\par\\page\r\n" : "\\par\r\n";
    }
    ki += "}\r\n";
    return ki;
}

} // namespace varion
