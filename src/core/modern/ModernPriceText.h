#pragma once

#include <cstdint>
#include <string>

namespace targello {

// An amount in ten-thousandths of a zloty as the basket shows it: grosze
// rounded half up, thousands apart by a non-breaking space, a decimal comma
// and " zł" ("1 299,99 zł"). The page's script writes the same text.
std::string ShownPrice(std::int64_t tenThousandths);

// The same amount as a decimal number for machines ("1299.99", "12.5", "-5"):
// a dot, no thousands, no trailing zeros.
std::string DecimalPrice(std::int64_t tenThousandths);

} // namespace targello
