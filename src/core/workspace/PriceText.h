#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace targello {

// Prices are kept as the user typed them, with a decimal comma ("12,50").
// A price text is an amount when it has optional blanks, an optional sign,
// digits with at most one decimal comma, an optional exponent ("e" or "E",
// optional sign, digits) and optional blanks; the amount times 10 000 must fit
// a signed 64-bit integer.

// The amount in ten-thousandths, or nothing when the text is not an amount.
std::optional<std::int64_t> PriceInTenThousandths(std::string_view text);

// The check run on every change of a price box: "" and "-" are accepted as
// states on the way to an amount.
bool IsAcceptablePriceText(std::string_view text);

// The text a price box is reset to when its text is not an amount.
inline constexpr const char* DefaultPriceText = "0,00";

// The price as a JavaScript number literal ("12,50" gives "12.5"); texts that
// are not amounts, "" and "-" give "0".
std::string PriceAsScriptNumber(std::string_view text);

} // namespace targello
