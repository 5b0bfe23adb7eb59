#pragma once

#include "core/modern/ModernPictures.h"

#include <string>

namespace targello {

// The copies of a product picture a browser may choose from to fill its
// card: "small 266w, medium 800w, large 1600w", the other copies' widths
// found from the large one's as the copies are made (fitted, never
// enlarged); "" where the large copy's size is unknown or there is one copy only.
std::string PictureSrcset(const WebPictureAddress& address, int smallBoxWidth, int smallBoxHeight);

// How wide a card's picture is shown, for the `sizes` attribute: the grid's
// share of the screen on computers (beside the menu where `menuBeside`),
// two columns on tablets and the whole width on phones, less the gaps.
std::string PictureSizes(int columns, bool menuBeside);

} // namespace targello
