#pragma once

#include <string>
#include <string_view>

namespace targello {

// The name of the order address field as the trader knows it, for messages.
inline constexpr const char* OrderAddressField = "adres e-mail na który będzie przesyłane zamówienie";

// Why `address` cannot take the shop's orders, in Polish ("brak znaku „@”"),
// or "" when it can. An empty address is allowed: the shop then takes no
// orders, which the export says. The order mail is built as
// "mailto:" + address + "?…", so a blank, "?", "&" or a line break in the
// address would cut it short or add fields of the mail's own.
std::string OrderAddressProblem(std::string_view address);

// The whole message for a refused address: the field and what is wrong.
std::string OrderAddressMessage(std::string_view address);

// Said once by an export of a shop with no order address.
inline constexpr const char* NoOrderAddressWarning =
    "Sklep nie ma adresu e-mail do zamówień: kupujący nie będą mogli wysłać zamówienia.";

} // namespace targello

namespace targello {

// What an export says about the order address: why a stored address cannot
// take orders, the warning for none, or "" for one that can.
std::string OrderAddressExportNote(std::string_view address);

} // namespace targello
