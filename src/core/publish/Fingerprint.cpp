#include "core/publish/Fingerprint.h"

#include <cctype>

namespace targello {
namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int base64Value(char c) {
    for (int i = 0; i < 64; ++i)
        if (Alphabet[i] == c)
            return i;
    return -1;
}

std::optional<Sha256::Digest> digestOf(const std::string& bytes) {
    if (bytes.size() != 32)
        return std::nullopt;
    Sha256::Digest digest;
    for (std::size_t i = 0; i < digest.size(); ++i)
        digest[i] = static_cast<std::uint8_t>(bytes[i]);
    return digest;
}

std::optional<Sha256::Digest> parseHex(const std::string& text) {
    std::string hex;
    for (const char c : text)
        if (c != ':' && c != ' ')
            hex += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (hex.size() != 64 || hex.find_first_not_of("0123456789abcdef") != std::string::npos)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return digestOf(bytes);
}

} // namespace

std::string Base64Encode(std::string_view bytes, bool padded) {
    std::string text;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        text += {Alphabet[v >> 18], Alphabet[v >> 12 & 63], Alphabet[v >> 6 & 63], Alphabet[v & 63]};
    }
    if (const std::size_t left = bytes.size() - i; left > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (left == 2)
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        text += Alphabet[v >> 18];
        text += Alphabet[v >> 12 & 63];
        if (left == 2)
            text += Alphabet[v >> 6 & 63];
        if (padded)
            text += left == 2 ? "=" : "==";
    }
    return text;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    std::string bytes;
    unsigned bits = 0;
    int count = 0;
    bool ended = false;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)))
            continue;
        if (c == '=') {
            ended = true;
            continue;
        }
        const int value = base64Value(c);
        if (value < 0 || ended)
            return std::nullopt;
        bits = (bits << 6 | static_cast<unsigned>(value)) & 0xffffff;
        if (++count % 4 == 0)
            bytes += {static_cast<char>(bits >> 16), static_cast<char>(bits >> 8 & 255),
                      static_cast<char>(bits & 255)};
    }
    if (count % 4 == 1)
        return std::nullopt;
    if (count % 4 == 2)
        bytes += static_cast<char>(bits >> 4 & 255);
    if (count % 4 == 3)
        bytes += {static_cast<char>(bits >> 10 & 255), static_cast<char>(bits >> 2 & 255)};
    return bytes;
}

std::optional<Sha256::Digest> ParseFingerprint(const std::string& given) {
    std::string text = given;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.erase(0, 1);
    if (text.size() > 7 && (text.compare(0, 7, "SHA256:") == 0 || text.compare(0, 7, "sha256:") == 0)) {
        if (const std::optional<Sha256::Digest> hex = parseHex(text.substr(7)))
            return hex;
        const std::optional<std::string> bytes = Base64Decode(text.substr(7));
        return bytes ? digestOf(*bytes) : std::nullopt;
    }
    return parseHex(text);
}

std::string CertificateFingerprintText(const Sha256::Digest& digest) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : digest) {
        if (!text.empty())
            text += ':';
        text += Digits[byte >> 4];
        text += Digits[byte & 15];
    }
    return text;
}

std::string KeyFingerprintText(const Sha256::Digest& digest) {
    return "SHA256:" +
           Base64Encode(std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size()), false);
}

} // namespace targello
