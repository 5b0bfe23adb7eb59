#pragma once

#include "core/settings/RgbColor.h"

#include <string>
#include <string_view>

namespace targello {

// The modern page shows every text exactly as typed: these escape a UTF-8
// text for one context each, so that no name can become markup or code.

// For element content and double- or single-quoted attribute values:
// "&", "<", ">", '"' and "'" as character references.
std::string EscapeHtml(std::string_view text);

// A JSON string literal (with its quotes) that may stand inside a SCRIPT
// element: besides JSON's own escapes, "<", ">" and "&" as \u escapes, so that
// neither "</script>" nor "<!--" can occur, and U+2028/U+2029 escaped as well.
// Bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

// True where a text has nothing but blanks and line ends: the page treats such
// a field as not filled in.
bool IsBlank(std::string_view text);

// "#RRGGBB" in lower case, for a style sheet.
std::string CssColor(const RgbColor& color);

// Black or white, whichever reads better on `background` (WCAG contrast).
RgbColor ReadableTextOn(const RgbColor& background);

// The WCAG contrast ratio of two colours, from 1 to 21.
double ContrastRatio(const RgbColor& a, const RgbColor& b);

} // namespace targello
