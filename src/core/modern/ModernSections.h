#pragma once

#include "core/generator/MenuSection.h"

#include <string>

namespace targello {

class ShopPage;
struct ShopSettings;
struct ModernPictures;

// The parts of the modern page, as UTF-8 markup. Every text of the trader
// is escaped: the page shows it as typed.

// The banner (its alternative text the shop's title) or the title as the
// page's heading.
std::string ModernHeader(const ShopPage& page, const ModernPictures& pictures);

// The menu: the named links among the 29 shown, relative to the page's folder.
std::string ModernMenu(const ShopSettings& edited, const PageFolder& folder);

// One article per product: name, picture (opens enlarged), the price as
// typed, the basket button and the description.
std::string ModernProducts(const ShopPage& page, const ShopSettings& edited, const ModernPictures& pictures);

// The basket panel and the order form with its three ways to send.
std::string ModernBasket();
std::string ModernOrderForm(const ShopSettings& edited);

// The enlarged view, the status line and the link to the basket.
std::string ModernOverlays();

} // namespace targello
