#pragma once

#include <string>

namespace targello {

struct ShopSettings;

// The page's style sheet: the shared rules and the trader's colours, texture
// and column count as custom properties. `textureUrl` is the texture's
// address, empty when the page has none.
std::string ModernStyle(const ShopSettings& page, const ShopSettings& edited, const std::string& textureUrl);

} // namespace targello
