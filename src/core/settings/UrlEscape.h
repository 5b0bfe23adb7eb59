#pragma once

#include <string>
#include <string_view>

namespace targello {

// Writes the bytes of a UTF-8 text that cannot stand in a page address as
// "%" and two upper-case hexadecimal digits: a blank, "*", "#", "%", "<", ">"
// and every byte of a non-ASCII character ("ł" gives "%C5%82", which is how
// browsers and servers read addresses). Every other byte passes unchanged.
std::string UrlEscape(std::string_view text);

} // namespace targello
