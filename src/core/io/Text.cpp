// Leading-number rule, integer parsing and code page 1251 conversion.
#include "core/io/Text.h"

#include <array>
#include <limits>

namespace boltik::io {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads an optional sign and digits at text[pos]; returns the number of digits read.
std::size_t readSignedDigits(std::string_view text, std::size_t& pos, int64_t& value) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t magnitude = 0;
    std::size_t digits = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, ++digits) {
        const int d = text[pos] - '0';
        magnitude = magnitude > (kMax - d) / 10 ? kMax : magnitude * 10 + d;
    }
    value = negative ? -magnitude : magnitude;
    return digits;
}

// Unicode code points of bytes 0x80..0xFF in code page 1251 (0 where the byte is unused).
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char16_t highCodePoint(unsigned char byte) {
    if (byte >= 0xC0) return static_cast<char16_t>(0x0410 + (byte - 0xC0));
    return kHigh[byte - 0x80];
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos], advancing pos; malformed bytes give U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t cp = lead & (0x3F >> extra);
    for (; extra > 0; --extra) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return cp;
}

}  // namespace

int64_t leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    int64_t value = 0;
    return readSignedDigits(text, pos, value) > 0 ? value : 0;
}

bool parseInteger(std::string_view text, int64_t& value) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const std::size_t digits = readSignedDigits(text, pos, value);
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    // 19 digits always fit; more may have saturated, so refuse them.
    return digits > 0 && digits <= 18 && pos == text.size();
}

bool parseInteger(std::string_view text, int64_t low, int64_t high, int64_t& value) {
    int64_t v = 0;
    if (!parseInteger(text, v) || v < low || v > high) return false;
    value = v;
    return true;
}

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            const char16_t cp = highCodePoint(byte);
            appendUtf8(out, cp == 0 ? U'?' : cp);
        }
    }
    return out;
}

std::string utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t cp = nextCodePoint(text, pos);
        char byte = '?';
        if (cp < 0x80) {
            byte = static_cast<char>(cp);
        } else if (cp >= 0x0410 && cp <= 0x044F) {
            byte = static_cast<char>(0xC0 + (cp - 0x0410));
        } else {
            for (int i = 0; i < 64; ++i) {
                if (kHigh[i] != 0 && kHigh[i] == cp) byte = static_cast<char>(0x80 + i);
            }
        }
        out += byte;
    }
    return out;
}

}  // namespace boltik::io
