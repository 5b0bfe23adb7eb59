#pragma once

#include <string>
#include <string_view>

namespace targello {

// A Polish bank account number (NRB) as a trader types it: 26 digits, with
// any blanks and an optional leading "PL". Its first two digits are the IBAN
// check digits, which catch one wrong digit and two digits swapped.
struct BankAccount {
    std::string Digits;  // the 26 digits, or "" when the text is no account number
    std::string Problem; // in Polish; "" for a good number

    bool Good() const { return Problem.empty(); }
};

BankAccount ReadBankAccount(std::string_view text);

// "61 1090 1014 0000 0712 1981 2874": two digits, then groups of four.
std::string GroupedAccount(std::string_view digits);

} // namespace targello
