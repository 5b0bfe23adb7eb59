#pragma once

#include <string>

namespace targello {

struct ShopSettings;

// The credit line on the footer colour of `edited`; it ends the page.
std::string FooterSection(const ShopSettings& edited);

} // namespace targello
