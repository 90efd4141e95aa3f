#include "printing/RtfIro.h"

#include <cstdint>

namespace varion {

namespace {

// The code-page 1250 byte of the Hungarian letters, the fallback a reader without Unicode
// shows; 0 for any other character.
unsigned char Cp1250(char32_t k) {
    switch (k) {
    case U'Á':
        return 0xC1;
    case U'á':
        return 0xE1;
    case U'É':
        return 0xC9;
    case U'é':
        return 0xE9;
    case U'Í':
        return 0xCD;
    case U'í':
        return 0xED;
    case U'Ó':
        return 0xD3;
    case U'ó':
        return 0xF3;
    case U'Ö':
        return 0xD6;
    case U'ö':
        return 0xF6;
    case U'Ő':
        return 0xD5;
    case U'ő':
        return 0xF5;
    case U'Ú':
        return 0xDA;
    case U'ú':
        return 0xFA;
    case U'Ü':
        return 0xDC;
    case U'ü':
        return 0xFC;
    case U'Ű':
        return 0xDB;
    case U'ű':
        return 0xFB;
    default:
        return 0;
    }
}

std::string Tartalek(char32_t k) {
    const unsigned char c = Cp1250(k);
    if (c == 0) return "?";
    constexpr char hex[] = "0123456789abcdef";
    return std::string("\\'") + hex[c >> 4] + hex[c & 15];
}

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
                  Tartalek(k);
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
