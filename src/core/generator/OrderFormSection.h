#pragma once

#include <string>

namespace targello {

struct ShopSettings;

// The basket buttons, the customer's fields and the hidden field that carries
// the basket. `edited` gives OrderFormKind: with it the shipping address is
// asked for besides the invoice data.
std::string OrderFormSection(const ShopSettings& edited);

} // namespace targello
