#pragma once

#include <string>
#include <string_view>

namespace targello {

// `name` (UTF-8) as the modern export names its copies, in lowercase ASCII
// that every web and FTP server keeps and no address needs to escape:
// Polish letters become their base letters, ASCII letters lowercase, and
// every run of other characters one "-" ("Słoik pionowo" → "sloik-pionowo").
// A name with nothing left is "obrazek".
std::string WebFileStem(std::string_view name);

} // namespace targello
