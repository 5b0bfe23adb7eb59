#pragma once

#include <string>
#include <vector>

namespace targello {

struct ShopSettings;

// One Polish line for each named menu link of `edited` whose target would run
// code: the page writes such a link without an address, and the export says
// so, naming the link and the scheme (never the rest of the target, which may
// be long or hold anything).
std::vector<std::string> MenuLinkWarnings(const ShopSettings& edited);

} // namespace targello
