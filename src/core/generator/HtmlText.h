#pragma once

#include "core/settings/RgbColor.h"

#include <string>
#include <string_view>

namespace targello {

// "#" and the red, green and blue components as two upper-case hexadecimal
// digits each: "#FFFBF0".
std::string HtmlColor(const RgbColor& color);

// A text for a double-quoted attribute value: "&" and '"' as references.
std::string AttributeText(std::string_view text);

// A text for the inside of a JavaScript string that itself stands in a
// double-quoted attribute value (an ONCLICK handler) or a SCRIPT element:
// quotes, apostrophes, "&", "<", ">", backslashes and control characters as
// escapes, so the text can neither end the string, the attribute nor the
// element, and every character that the page's code page would write as a
// character reference as "\uXXXX", because SCRIPT text decodes none.
std::string ScriptStringText(std::string_view text);

// A file or folder name as one step of a relative address: "%", "#", "?",
// "\" and control characters escaped so they name the file instead of
// starting an escape, a fragment or a query, or being dropped. Blanks stay
// blanks, as browsers read them.
std::string AddressStepText(std::string_view name);

} // namespace targello
