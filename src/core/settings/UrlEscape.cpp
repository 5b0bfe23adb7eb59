#include "core/settings/UrlEscape.h"

#include <cctype>

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
        // Browsers drop tab, CR and LF from an address, and no control
        // character may stand in one.
        return byte >= 127 || byte < 32;
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

namespace {

bool IsUnreserved(unsigned char byte) {
    return std::isalnum(byte) != 0 || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

template <typename Keep> std::string EscapeAllBut(std::string_view text, Keep keep) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 128 && keep(byte)) {
            result += c;
        } else {
            result += '%';
            result += Hex[byte >> 4];
            result += Hex[byte & 15];
        }
    }
    return result;
}

} // namespace

std::string UrlPathStep(std::string_view name) {
    return EscapeAllBut(name, IsUnreserved);
}

std::string MailtoAddressPart(std::string_view address) {
    return EscapeAllBut(address,
                        [](unsigned char byte) { return IsUnreserved(byte) || byte == '@' || byte == '+'; });
}

} // namespace targello
