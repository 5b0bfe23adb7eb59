#include "core/settings/UrlEscape.h"

namespace targello {
namespace {

bool NeedsEscape(unsigned char byte) {
    switch (byte) {
    case ' ':
    case '*':
    case '#':
    case '%':
    case '<':
    case '>':
        return true;
    default:
        return byte >= 128;
    }
}

} // namespace

std::string UrlEscape(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            result += '%';
            result += Hex[byte >> 4];
            result += Hex[byte & 15];
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace targello
