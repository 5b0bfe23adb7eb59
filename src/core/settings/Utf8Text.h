#pragma once

#include <string>
#include <string_view>

namespace targello {

inline constexpr char32_t ReplacementCharacter = 0xFFFD;

// The code point that begins at `at`, moving `at` past it. A byte that does
// not begin a well-formed UTF-8 sequence reads as U+FFFD and is skipped alone.
char32_t NextCodePoint(std::string_view text, std::size_t& at);

// Appends the UTF-8 bytes of the code point `c`.
void AppendUtf8(std::string& out, char32_t c);

} // namespace targello
