#pragma once

#include <string>

namespace targello {

class ShopPage;
struct ShopSettings;
struct ShopPictures;

// The style sheet and the header: the banner picture or the shop's name
// (the page's HeaderKind and ShopTitle) on the header colour of `edited`.
std::string HeaderSection(const ShopPage& page, const ShopSettings& edited, const ShopPictures& pictures);

} // namespace targello
