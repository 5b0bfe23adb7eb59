#pragma once

#include <string>

namespace targello {

struct SellingSettings;

// The parts of the modern page that make it a shop a buyer may order from:
// who sells, the legal texts, the choice of delivery and payment and the
// consent to the terms. Every text of the trader is escaped.

// The footer: the seller's identity, links to the legal texts and, when
// `credit` is set, one small line naming this program. "" when there is
// nothing to show.
std::string ModernSellerFooter(const SellingSettings& selling, bool credit);

// One section per legal text the trader wrote ("regulamin", "prywatnosc",
// "odstapienie" as anchors); blank lines part paragraphs.
std::string ModernLegalSections(const SellingSettings& selling);

// What the order form adds before its buttons: the delivery and payment
// choices with the totals, and the required consent to the terms.
std::string ModernCheckout(const SellingSettings& selling);

// The style of these parts, appended to the page's style sheet.
const char* ModernSellingStyle();

// The JSON member (",\"sprzedaz\":{…}") the page's script reads: delivery
// methods and the free-delivery threshold in ten-thousandths, the payment
// methods offered, the shop's title for the order's subject.
std::string ModernSellingData(const SellingSettings& selling, const std::string& shopTitle);

} // namespace targello
