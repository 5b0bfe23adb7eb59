#include "core/project/Windows1250.h"

#include "core/settings/Utf8Text.h"

#include <array>
#include <cstdint>

namespace targello {
namespace {

// Code points of the bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> UpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// The reverse of UpperHalf, indexed by code point; 0 where the code page has
// no byte. The highest code point of the table is U+2122.
constexpr std::size_t ReverseSize = 0x2123;

constexpr std::array<unsigned char, ReverseSize> makeReverse() {
    std::array<unsigned char, ReverseSize> reverse{};
    for (std::size_t k = 0; k < UpperHalf.size(); ++k)
        reverse[UpperHalf[k]] = static_cast<unsigned char>(0x80 + k);
    return reverse;
}

constexpr std::array<unsigned char, ReverseSize> Reverse = makeReverse();

int byteFor(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<int>(codePoint);
    if (codePoint >= ReverseSize || Reverse[codePoint] == 0)
        return -1;
    return Reverse[codePoint];
}

// Reads one UTF-8 character at `pos` and moves past it; InvalidUtf8 for a
// malformed, overlong or surrogate sequence.
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        value = lead & 0x07;
    } else {
        return Windows1250Text::InvalidUtf8;
    }
    for (int k = 0; k < length; ++k) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
            return Windows1250Text::InvalidUtf8;
        value = (value << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return Windows1250Text::InvalidUtf8;
    return value;
}

} // namespace

Windows1250Text EncodeWindows1250(std::string_view utf8) {
    Windows1250Text result;
    result.Bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = nextCodePoint(utf8, pos);
        const int byte = c == Windows1250Text::InvalidUtf8 || c == 0 ? -1 : byteFor(c);
        if (byte < 0) {
            result.Bytes.clear();
            result.Failed = true;
            result.Unencodable = c;
            return result;
        }
        result.Bytes += static_cast<char>(byte);
    }
    return result;
}

std::string DecodeWindows1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        AppendUtf8(out, byte < 0x80 ? byte : UpperHalf[byte - 0x80u]);
    }
    return out;
}

std::string CodePointToUtf8(char32_t codePoint) {
    std::string out;
    if (codePoint <= 0x10FFFF)
        AppendUtf8(out, codePoint);
    return out;
}

} // namespace targello
