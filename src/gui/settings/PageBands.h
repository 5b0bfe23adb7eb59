#pragma once

class QImage;

namespace targello {

class AppContext;

// Shows the current page's stored settings on its window: every row band
// gets the texture strip or the page's row colours, and the items are placed
// again on the page's grid.
void ShowPageSettings(AppContext& app, const QImage& textureStrip);

} // namespace targello
