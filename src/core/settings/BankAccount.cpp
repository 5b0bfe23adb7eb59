#include "core/settings/BankAccount.h"

#include <cctype>

namespace targello {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '-';
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A no-break space (UTF-8 C2 A0) is as blank as a space.
        if (text[i] == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        if (!isBlank(text[i]))
            kept += text[i];
    }
    return kept;
}

// The IBAN rule: the country and check digits moved to the end, letters as
// numbers (P = 25, L = 21), the whole number modulo 97 is 1.
bool checkDigitsHold(const std::string& digits) {
    const std::string rearranged = digits.substr(2) + "2521" + digits.substr(0, 2);
    int remainder = 0;
    for (char c : rearranged)
        remainder = (remainder * 10 + (c - '0')) % 97;
    return remainder == 1;
}

} // namespace

BankAccount ReadBankAccount(std::string_view text) {
    std::string digits = withoutBlanks(text);
    if (digits.size() >= 2 && std::toupper(static_cast<unsigned char>(digits[0])) == 'P' &&
        std::toupper(static_cast<unsigned char>(digits[1])) == 'L')
        digits.erase(0, 2);
    for (char c : digits)
        if (c < '0' || c > '9')
            return {{}, "Numer konta może zawierać tylko cyfry, odstępy i „PL” na początku."};
    if (digits.size() != 26)
        return {{}, "Numer konta ma 26 cyfr, a wpisany ma " + std::to_string(digits.size()) + "."};
    if (!checkDigitsHold(digits))
        return {{},
                "Numer konta jest błędny: cyfry kontrolne się nie zgadzają. Sprawdź, czy żadna cyfra "
                "nie jest pomylona ani przestawiona."};
    return {digits, {}};
}

std::string GroupedAccount(std::string_view digits) {
    std::string text(digits.substr(0, 2));
    for (std::size_t i = 2; i < digits.size(); i += 4)
        text += " " + std::string(digits.substr(i, 4));
    return text;
}

} // namespace targello
