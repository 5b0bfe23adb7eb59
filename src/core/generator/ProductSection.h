#pragma once

#include <cstddef>
#include <string>

namespace targello {

class ShopPage;
struct ShopSettings;
struct ShopPictures;

// The basket script, the end of the head, the body and the table of
// products: the page's items in its ProductColumns (1 to 4) columns, with
// the page's row colours or its texture. `edited` gives the picture size.
std::string ProductSection(const ShopPage& page, const ShopSettings& edited, const ShopPictures& pictures);

// About how long the product section of `page` is, so that the page text
// can be given its room at once instead of growing step by step.
std::size_t ApproximateSize(const ShopPage& page);

// The cell of item `index`: its name, picture, price, add-to-basket button
// and description. One column gives left-aligned cells, more give centred ones.
std::string ItemCell(const ShopPage& page, int index, const ShopSettings& edited,
                     const ShopPictures& pictures);

} // namespace targello
