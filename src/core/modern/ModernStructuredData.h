#pragma once

#include "core/modern/ShopWebAddress.h"

#include <optional>
#include <string>

namespace targello {

class ShopPage;
struct ModernPictures;

// The anchor of product `index` (from 0) on the page: "produkt-1", …
std::string ProductAnchor(int index);

// The schema.org data search engines read from the page, as JSON that may
// stand in a SCRIPT element: one Product with its Offer in zloty for every
// product whose price is an amount of zero or more (name, description, the
// large picture, the price as a number, in stock, the product's own
// address). Addresses are absolute where the shop's web address is known.
std::string ModernProductData(const ShopPage& page, const ModernPictures& pictures,
                              const std::optional<ShopWebAddress>& web);

} // namespace targello
