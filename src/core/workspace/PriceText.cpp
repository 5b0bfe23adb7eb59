#include "core/workspace/PriceText.h"

#include <cctype>
#include <cstdlib>

namespace targello {
namespace {

using Wide = __int128;
constexpr Wide Int64Max = static_cast<Wide>(INT64_MAX);
constexpr Wide Limit = Int64Max + 1; // magnitudes up to this still fit with a minus sign

struct ParsedNumber {
    bool negative = false;
    std::string digits;  // mantissa digits without the comma, leading zeros dropped
    long exponent = 0;   // power of ten applied to the digits
};

bool isBlank(char c) { return c == ' '; }

std::optional<ParsedNumber> parse(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    ParsedNumber number;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    bool seenComma = false;
    bool seenDigitOrComma = false;
    long fractionDigits = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            if (!(number.digits.empty() && c == '0'))
                number.digits += c;
            if (seenComma)
                ++fractionDigits;
            seenDigitOrComma = true;
        } else if (c == ',' && !seenComma) {
            seenComma = true;
            seenDigitOrComma = true;
        } else {
            break;
        }
    }
    if (!seenDigitOrComma)
        return std::nullopt;
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t start = i;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == start)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    // Trailing zeros only make the number longer: fold them into the exponent.
    long trailing = 0;
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
        ++trailing;
    }
    number.exponent = exponent - fractionDigits + trailing;
    return number;
}

// The magnitude times 10 000, rounded half away from zero, or nothing when it
// exceeds what a signed 64-bit integer holds.
std::optional<Wide> scaledMagnitude(const ParsedNumber& number) {
    if (number.digits.empty())
        return Wide{0};
    const long power = number.exponent + 4;
    const long length = static_cast<long>(number.digits.size());
    if (length + power > 20) // at least 10^19 > limit
        return std::nullopt;
    Wide value = 0;
    if (power >= 0) {
        for (char c : number.digits)
            value = value * 10 + (c - '0');
        for (long p = 0; p < power; ++p)
            value *= 10;
    } else {
        const long kept = length + power; // digits before the rounding point
        for (long d = 0; d < kept; ++d)
            value = value * 10 + (number.digits[static_cast<std::size_t>(d)] - '0');
        if (kept >= 0 && number.digits[static_cast<std::size_t>(kept)] >= '5')
            value += 1;
    }
    if (value > Limit)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int64_t> PriceInTenThousandths(std::string_view text) {
    const auto number = parse(text);
    if (!number)
        return std::nullopt;
    const auto magnitude = scaledMagnitude(*number);
    if (!magnitude)
        return std::nullopt;
    if (!number->negative && *magnitude > Int64Max)
        return std::nullopt;
    const Wide signedValue = number->negative ? -*magnitude : *magnitude;
    return static_cast<std::int64_t>(signedValue);
}

bool IsAcceptablePriceText(std::string_view text) {
    return text.empty() || text == "-" || PriceInTenThousandths(text).has_value();
}

std::string PriceAsScriptNumber(std::string_view text) {
    const auto amount = PriceInTenThousandths(text);
    if (!amount || *amount == 0)
        return "0";
    const bool negative = *amount < 0;
    const unsigned long long magnitude =
        negative ? 0ull - static_cast<unsigned long long>(*amount) : static_cast<unsigned long long>(*amount);
    std::string result = negative ? "-" : "";
    result += std::to_string(magnitude / 10000);
    unsigned long long fraction = magnitude % 10000;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0')
            digits.pop_back();
        result += "." + digits;
    }
    return result;
}

} // namespace targello
