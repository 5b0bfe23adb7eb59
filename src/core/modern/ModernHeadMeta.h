#pragma once

#include "core/modern/ShopWebAddress.h"

#include <optional>
#include <string>

namespace targello {

class ShopPage;
struct ShopSettings;
struct ModernPictures;

// What search engines and link previews show of the shop: the trader's
// description with its blanks and line breaks as single spaces, or, without
// one, the title and the names of the first products.
std::string ShopDescription(const ShopPage& page);

// The HEAD lines after the title: the description, the canonical address
// (where the web address is known), Open Graph for link previews (the banner
// or the first product's picture), the theme colour and the icons.
std::string ModernHeadMeta(const ShopPage& page, const ShopSettings& edited, const ModernPictures& pictures,
                           const std::optional<ShopWebAddress>& web);

} // namespace targello
