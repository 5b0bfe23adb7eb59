#pragma once

#include <string>

namespace targello {

class ShopPage;
struct ShopSettings;
struct ShopPictures;

// The basket script, the end of the head, the body and the table of
// products: the page's items in its ProductColumns (1 to 4) columns, with
// the page's row colours or its texture. `edited` gives the picture size.
std::string ProductSection(const ShopPage& page, const ShopSettings& edited, const ShopPictures& pictures);

// The cell of item `index`: its name, picture, price, add-to-basket button
// and description. One column gives left-aligned cells, more give centred ones.
std::string ItemCell(const ShopPage& page, int index, const ShopSettings& edited,
                     const ShopPictures& pictures);

} // namespace targello
