#include "core/modern/ModernIcons.h"

#include "core/modern/ModernText.h"
#include "core/settings/Utf8Text.h"

namespace targello {
namespace {

char32_t upper(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // Latin-1: ó, é, ü …
        return c - 0x20;
    switch (c) {
    case 0x105: // ą
    case 0x107: // ć
    case 0x119: // ę
    case 0x15B: // ś
    case 0x142: // ł
    case 0x144: // ń
    case 0x17A: // ź
    case 0x17C: // ż
        return c - 1;
    default:
        return c;
    }
}

bool shownInIcon(char32_t c) {
    if (c < 0x80)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return c != 0xA0 && c != 0xFFFD && !(c >= 0x2000 && c <= 0x206F); // spaces, dashes, quotes
}

} // namespace

std::string IconLetter(std::string_view title) {
    for (std::size_t at = 0; at < title.size();) {
        const char32_t c = NextCodePoint(title, at);
        if (shownInIcon(c)) {
            std::string letter;
            AppendUtf8(letter, upper(c));
            return letter;
        }
    }
    return "S";
}

std::string IconSvg(std::string_view title, const RgbColor& background) {
    return std::string(IconMark) +
           "\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 64 64\">"
           "<rect width=\"64\" height=\"64\" rx=\"12\" fill=\"" +
           CssColor(background) +
           "\"/><text x=\"32\" y=\"32\" dy=\".35em\" text-anchor=\"middle\" "
           "font-family=\"Arial,Helvetica,sans-serif\" font-size=\"40\" font-weight=\"bold\" fill=\"" +
           CssColor(ReadableTextOn(background)) + "\">" + EscapeHtml(IconLetter(title)) + "</text></svg>\n";
}

} // namespace targello
