#pragma once

#include <string>
#include <vector>

namespace targello {

// One way the goods reach the buyer, with its price as the trader typed it
// ("Kurier", "15,00").
struct DeliveryMethod {
    std::string Name;
    std::string Price;

    friend bool operator==(const DeliveryMethod&, const DeliveryMethod&) = default;
};

// Who sells, on what terms, how the goods travel and how the buyer pays: what
// the modern page needs to take an order a buyer may rely on. Every text is
// optional; an empty payment text means that way of paying is not offered.
struct SellingSettings {
    std::string SellerName;
    std::string SellerAddress;
    std::string SellerNip; // a NIP, or "osoba fizyczna"
    std::string SellerEmail;
    std::string SellerPhone;

    // The legal texts as the trader edited them; paragraphs end with "\n".
    std::string Terms;
    std::string Privacy;
    std::string Withdrawal;

    std::vector<DeliveryMethod> Delivery;
    std::string FreeDeliveryFrom; // a basket value; "" means delivery is never free

    std::string TransferRecipient;
    std::string TransferAccount; // 26 digits, blanks and a leading "PL" allowed
    std::string TransferNip;
    std::string CashOnDeliveryCost; // "" when cash on delivery is not offered
    std::string BlikPhone;

    bool OffersTransfer() const { return !TransferAccount.empty(); }
    bool OffersCashOnDelivery() const { return !CashOnDeliveryCost.empty(); }
    bool OffersBlik() const { return !BlikPhone.empty(); }
    bool OffersPayment() const { return OffersTransfer() || OffersCashOnDelivery() || OffersBlik(); }
    bool NamesSeller() const { return !SellerName.empty(); }
    bool HasTerms() const { return !Terms.empty() && !Privacy.empty(); }

    friend bool operator==(const SellingSettings&, const SellingSettings&) = default;
};

} // namespace targello
