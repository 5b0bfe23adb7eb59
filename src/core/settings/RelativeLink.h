#pragma once

#include "core/settings/PathRules.h"

#include <string>
#include <string_view>

namespace targello {

// Whether a menu target is already an address ("https://…", "mailto:…",
// "ftp:…"): a scheme of two or more letters, digits, "+", "-" or "." that
// begins with a letter, followed by a colon. "C:" is a Windows drive.
bool IsAddress(std::string_view target);

// The scheme of a target that a browser would run as code ("javascript",
// "vbscript" or "data", in lower case), or "" for any other target. It is read
// as browsers read addresses: blanks and control characters before the scheme
// or inside it do not hide it, nor does any mix of upper and lower case.
std::string CodeRunningScheme(std::string_view target);

// The address written for a link that must not run anything.
inline constexpr std::string_view InertLink = "#";

// Whether a target names a file from the page's folder as it stands
// ("regulamin.html", "strony/o-nas.html"): no drive, no leading separator and
// no scheme. An empty target is none.
bool IsRelativeTarget(std::string_view target, PathStyle style);

// The address under which a page written as `base` reaches the file
// `target`: relative to the page's folder where both are on one drive
// ("pages/a.htm", "../other/x.htm"), "file:///" and the whole path where the
// drives differ, escaped for an address. Targets that are already addresses
// are given back unchanged, and relative targets escaped as they stand; a
// target that would run code gives InertLink. Otherwise an empty base gives
// an empty address.
std::string RelativeLink(std::string_view base, std::string_view target, PathStyle style);

} // namespace targello
