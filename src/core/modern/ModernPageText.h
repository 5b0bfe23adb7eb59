#pragma once

#include "core/generator/MenuSection.h"

#include <string>

namespace targello {

class ShopPage;
struct ShopSettings;
struct ModernPictures;

// The JSON the page's script reads: the basket's storage key (the page's file
// name and the shop's title, so two shops never share a basket), the order
// address and each product's name and price in ten-thousandths of a zloty
// (0 for a price that is no amount).
std::string ModernShopData(const ShopPage& page, const ShopSettings& edited, const std::string& pageFileName);

// The whole modern page (UTF-8): from the page its items, columns, texture,
// header, title, row colours and basket caption; from `edited` the layout,
// the other colours, the menu links, the picture size, the order form and
// its address, as the classic page takes them.
std::string ModernPageText(const ShopPage& page, const ShopSettings& edited, const ModernPictures& pictures,
                           const PageFolder& folder, const std::string& pageFileName);

} // namespace targello
