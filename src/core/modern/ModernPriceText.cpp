#include "core/modern/ModernPriceText.h"

namespace targello {
namespace {

constexpr const char* Nbsp = "\u00A0";

// |value| without overflow for the most negative amount.
std::uint64_t magnitude(std::int64_t value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

std::string groupedThousands(std::uint64_t whole) {
    std::string digits = std::to_string(whole);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), Nbsp);
    return digits;
}

} // namespace

std::string ShownPrice(std::int64_t tenThousandths) {
    const std::uint64_t grosze = (magnitude(tenThousandths) + 50) / 100;
    const bool minus = tenThousandths < 0 && grosze != 0;
    const std::uint64_t fraction = grosze % 100;
    return std::string(minus ? "-" : "") + groupedThousands(grosze / 100) + "," + (fraction < 10 ? "0" : "") +
           std::to_string(fraction) + Nbsp + "zł";
}

std::string DecimalPrice(std::int64_t tenThousandths) {
    const std::uint64_t value = magnitude(tenThousandths);
    std::string text = std::string(tenThousandths < 0 ? "-" : "") + std::to_string(value / 10000);
    std::string fraction = std::to_string(10000 + value % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? text : text + "." + fraction;
}

} // namespace targello
