#include "core/generator/HtmlText.h"

#include "core/generator/PageCharset.h"
#include "core/settings/Utf8Text.h"

namespace targello {
namespace {

constexpr char Hex[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, int value) {
    out += Hex[(value >> 4) & 15];
    out += Hex[value & 15];
}

void AppendUnicodeEscape(std::string& out, char32_t unit) {
    out += "\\u";
    AppendHexByte(out, static_cast<int>(unit >> 8));
    AppendHexByte(out, static_cast<int>(unit & 0xFF));
}

void AppendScriptCharacter(std::string& out, char32_t c) {
    if (c >= 0x10000) { // as a surrogate pair, the way JavaScript strings hold it
        const char32_t v = c - 0x10000;
        AppendUnicodeEscape(out, 0xD800 + (v >> 10));
        AppendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
    } else {
        AppendUnicodeEscape(out, c);
    }
}

} // namespace

std::string HtmlColor(const RgbColor& color) {
    std::string text = "#";
    AppendHexByte(text, color.Red);
    AppendHexByte(text, color.Green);
    AppendHexByte(text, color.Blue);
    return text;
}

std::string AttributeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string ScriptStringText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = at;
        const char32_t c = NextCodePoint(text, at);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\'':
        case '"':
        case '&':
        case '<':
        case '>':
            out += "\\x";
            AppendHexByte(out, static_cast<int>(c));
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                AppendHexByte(out, static_cast<int>(c));
            } else if (c >= 0x80 && BecomesReference(c)) {
                AppendScriptCharacter(out, c);
            } else {
                out.append(text.substr(start, at - start));
            }
        }
    }
    return out;
}

std::string AddressStepText(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        // Browsers drop tab, CR and LF from an address and read "\" as "/".
        if (c == '%' || c == '#' || c == '?' || c == '\\' || byte < 0x20 || byte == 0x7F) {
            out += '%';
            AppendHexByte(out, byte);
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace targello
