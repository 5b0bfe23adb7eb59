#pragma once

#include "core/settings/PathRules.h"

#include <string>
#include <string_view>

namespace targello {

// Whether a menu target is already an address ("https://…", "mailto:…",
// "ftp:…"): a scheme of two or more letters, digits, "+", "-" or "." that
// begins with a letter, followed by a colon. "C:" is a Windows drive.
bool IsAddress(std::string_view target);

// The address under which a page written as `base` reaches the file
// `target`: relative to the page's folder where both are on one drive
// ("pages/a.htm", "../other/x.htm"), "file:///" and the whole path where the
// drives differ, escaped for an address. Targets that are already addresses
// are given back unchanged; an empty base gives an empty address.
std::string RelativeLink(std::string_view base, std::string_view target, PathStyle style);

} // namespace targello
