#pragma once

#include <string>

namespace targello {

struct SellingSettings;

// Starting texts of the shop's terms, privacy rules and the withdrawal
// notice with its model form, in Polish, with the seller's data, delivery
// and payment methods filled in. They are templates for the trader to check,
// not legal advice; the program says so wherever it offers them.
std::string TermsTemplate(const SellingSettings& selling, const std::string& shopTitle);
std::string PrivacyTemplate(const SellingSettings& selling);
std::string WithdrawalTemplate(const SellingSettings& selling);

// What an export of a modern shop lacks to sell lawfully, as one Polish
// message, or "" when the seller is named and the terms are written.
std::string SellingGapsWarning(const SellingSettings& selling);

} // namespace targello
