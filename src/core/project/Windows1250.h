#pragma once

#include <string>
#include <string_view>

namespace targello {

// The code page of project files. Bytes 0 to 127 are ASCII; the upper half
// comes from our own table. The five bytes the code page leaves unassigned
// (81, 83, 88, 90, 98) stand for the C1 controls of the same number, as
// Windows reads them, so that any byte read from a file can be written back.

// A UTF-8 text converted to Windows-1250, or the first character that the
// code page cannot hold.
struct Windows1250Text {
    std::string Bytes;
    // Set when the conversion failed: the character's code point, or
    // InvalidUtf8 when the text is not UTF-8 at that point.
    bool Failed = false;
    char32_t Unencodable = 0;
    static constexpr char32_t InvalidUtf8 = 0xFFFFFFFF;
};

// NUL is refused as well: a project file ends every text with it.
Windows1250Text EncodeWindows1250(std::string_view utf8);

// Every byte has a character, so decoding never fails.
std::string DecodeWindows1250(std::string_view bytes);

// The character as UTF-8 (for messages); empty for InvalidUtf8.
std::string CodePointToUtf8(char32_t codePoint);

} // namespace targello
