#pragma once

#include "core/settings/RgbColor.h"

#include <string>
#include <string_view>

namespace targello {

// The shop's icon in its picture folder: the first letter or digit of the
// shop's title in the header colour, as SVG, which every current browser
// takes as a favicon and which needs no picture library.
inline constexpr const char* IconFileName = "favicon.svg";

// The icon's file (UTF-8 SVG), beginning with IconMark so a later export
// knows the file as its own.
std::string IconSvg(std::string_view title, const RgbColor& background);
inline constexpr std::string_view IconMark = "<!-- Targello: ikona sklepu -->";

// The letter the icon shows: the title's first letter or digit in upper case
// (Polish letters included), "S" for a title without one.
std::string IconLetter(std::string_view title);

} // namespace targello
