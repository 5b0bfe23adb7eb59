#pragma once

#include <QPixmap>

namespace targello {

// The 50 × 70 pictures of the page layout and colour scheme pickers.
namespace Thumbnails {

inline constexpr int Width = 50;
inline constexpr int Height = 70;

// Outline drawings: 0 a plain page, 1 with a header band, 2 header, menu on
// the left and footer, 3 header, menu on the right and footer.
QPixmap layout(int pageLayout);
// A page with header and footer in the scheme's header colour and a menu
// column on the left in its menu background colour.
QPixmap scheme(int colorScheme);
// The 133 × 94 sample product picture beside the picture size.
QPixmap samplePicture();

} // namespace Thumbnails

} // namespace targello
