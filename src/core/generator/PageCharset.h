#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace targello {

// The generated page is ISO-8859-2, as its META tag declares.

// The ISO-8859-2 byte of a character, or nothing when that code page has none.
std::optional<unsigned char> PageCharsetByte(char32_t codePoint);

// Whether ConvertToPageCharset writes the character as a character reference
// ("&oacute;", "&#8364;") instead of a byte. References are decoded in text
// and attribute values but not inside a SCRIPT element, so script text must
// escape these characters itself.
bool BecomesReference(char32_t codePoint);

// Turns the UTF-8 page text into the bytes of the page: ó and Ó as
// "&oacute;" and "&Oacute;", every other character as its ISO-8859-2 byte, and
// a character that code page cannot hold as a numeric reference ("&#8364;").
std::string ConvertToPageCharset(std::string_view utf8);

} // namespace targello
