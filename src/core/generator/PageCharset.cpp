#include "core/generator/PageCharset.h"

#include "core/settings/Utf8Text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace targello {
namespace {

// The characters of the bytes A0 to FF.
constexpr std::array<char16_t, 96> UpperHalf = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164,
    0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102,
    0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170,
    0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The end of the run of ASCII bytes from `at`, eight bytes at a time.
std::size_t AsciiRunEnd(std::string_view text, std::size_t at) {
    constexpr std::uint64_t HighBits = 0x8080808080808080u;
    std::uint64_t word;
    while (at + sizeof word <= text.size()) {
        std::memcpy(&word, text.data() + at, sizeof word);
        if ((word & HighBits) != 0)
            break;
        at += sizeof word;
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        ++at;
    return at;
}

constexpr char32_t SmallOAcute = 0x00F3;
constexpr char32_t CapitalOAcute = 0x00D3;

} // namespace

std::optional<unsigned char> PageCharsetByte(char32_t codePoint) {
    if (codePoint < 0xA0)
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < UpperHalf.size(); ++i)
        if (UpperHalf[i] == codePoint)
            return static_cast<unsigned char>(0xA0 + i);
    return std::nullopt;
}

bool BecomesReference(char32_t codePoint) {
    return codePoint == SmallOAcute || codePoint == CapitalOAcute || !PageCharsetByte(codePoint);
}

std::string ConvertToPageCharset(std::string_view utf8) {
    std::string page;
    page.reserve(utf8.size() + utf8.size() / 8);
    std::size_t at = 0;
    while (at < utf8.size()) {
        // The bulk of a page is ASCII: copy it a run at a time.
        const std::size_t start = at;
        at = AsciiRunEnd(utf8, at);
        page.append(utf8, start, at - start);
        if (at == utf8.size())
            break;
        const char32_t c = NextCodePoint(utf8, at);
        if (c == SmallOAcute) {
            page += "&oacute;";
        } else if (c == CapitalOAcute) {
            page += "&Oacute;";
        } else if (const auto byte = PageCharsetByte(c)) {
            page += static_cast<char>(*byte);
        } else {
            page += "&#" + std::to_string(static_cast<unsigned long>(c)) + ';';
        }
    }
    return page;
}

} // namespace targello
