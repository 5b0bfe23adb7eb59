#pragma once

#include "core/generator/MenuSection.h"

#include <string>

namespace targello {

class ShopPage;
struct ShopSettings;
struct ShopPictures;

// The page layout the generator uses: 0 to 3 as they stand; any other value,
// which the options dialog never offers, as the default layout 2.
int EffectivePageLayout(int pageLayout);

// Whether the page of these settings has a menu (layouts 2 and 3).
bool ShowsMenu(const ShopSettings& edited);

// The opening of the page: the head, the order form's opening tag addressed
// to the order address of `edited`, and the code page declaration.
std::string PageHead(const ShopSettings& edited);

// The whole page as UTF-8, before its conversion to the page's code page:
// the head and the sections in the order of the page layout of `edited`.
std::string ShopPageText(const ShopPage& page, const ShopSettings& edited, const ShopPictures& pictures,
                         const PageFolder& folder);

} // namespace targello
