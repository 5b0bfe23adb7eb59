#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace targello::fuzz {

// The shape of a page as a browser reads it: every tag with the names of its
// attributes, and every script (SCRIPT elements and ON… handlers) reduced to
// its skeleton, the code with the contents of its string literals left out.
// Two pages made from the same shop with different texts have the same shape
// unless a text ended its attribute, its string or its element early.
struct PageShape {
    std::vector<std::string> Tags;    // "input type value onclick", "/b", …
    std::vector<std::string> Scripts; // skeletons, in page order

    friend bool operator==(const PageShape&, const PageShape&) = default;
};

PageShape ShapeOf(std::string_view page);

// The script `code` with every string literal's contents left out ('' and
// ""), or "unterminated string" when a literal runs into a line end or the
// end of the code.
std::string ScriptSkeleton(std::string_view code);

// An attribute value with its character references decoded as far as a
// script can tell them apart: quotes, backslashes and line ends exactly,
// other characters as "x".
std::string DecodedAttribute(std::string_view value);

// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view bytes);

// The first byte of an ISO-8859-2 page that no character the user typed can
// stand for: C1 control bytes (0x80–0x9F), which the code page leaves to
// controls while Windows texts keep „ ” € … there. npos when there is none.
std::size_t StrayIso88592Byte(std::string_view bytes);

} // namespace targello::fuzz
