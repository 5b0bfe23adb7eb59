#pragma once

#include <string>

namespace targello {

// From this many products on, a search box above the grid narrows the
// products to those whose name or description holds what the buyer types.
inline constexpr int SearchFromProducts = 13;

// The box and the line that says how many products were found (read out by
// screen readers), or "" for fewer products.
std::string ModernSearchBox(int productCount);

// The rules of the box, for the page's style sheet.
const char* ModernSearchStyle();

// The script that filters as the buyer types: neither case nor Polish
// letters matter ("zolw" finds "Żółw").
const char* ModernSearchScript();

} // namespace targello
