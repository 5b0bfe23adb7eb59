#include "core/modern/ModernText.h"

#include "core/settings/Utf8Text.h"

#include <cmath>
#include <cstdio>

namespace targello {
namespace {

void appendEscape(std::string& out, unsigned code) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\u%04x", code);
    out += hex;
}

double linear(int component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const RgbColor& color) {
    return 0.2126 * linear(color.Red) + 0.7152 * linear(color.Green) + 0.0722 * linear(color.Blue);
}

} // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = NextCodePoint(text, at);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            // Control characters other than tab and line ends are not allowed in a page.
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c < 0xA0))
                out += ' ';
            else
                AppendUtf8(out, c);
        }
    }
    return out;
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = NextCodePoint(text, at);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
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
        case '<':
        case '>':
        case '&':
        case 0x2028:
        case 0x2029:
            appendEscape(out, static_cast<unsigned>(c));
            break;
        default:
            if (c < 0x20)
                appendEscape(out, static_cast<unsigned>(c));
            else
                AppendUtf8(out, c);
        }
    }
    return out + "\"";
}

std::string CssColor(const RgbColor& color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.Red & 0xFF, color.Green & 0xFF,
                  color.Blue & 0xFF);
    return text;
}

double ContrastRatio(const RgbColor& a, const RgbColor& b) {
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

RgbColor ReadableTextOn(const RgbColor& background) {
    const RgbColor black{0, 0, 0};
    const RgbColor white{255, 255, 255};
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace targello
