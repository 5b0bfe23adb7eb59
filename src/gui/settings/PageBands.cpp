#include "gui/settings/PageBands.h"

#include "core/workspace/ShopWorkspace.h"
#include "gui/app/AppContext.h"
#include "gui/workspace/PageWindow.h"

#include <QImage>

namespace targello {

void ShowPageSettings(AppContext& app, const QImage& textureStrip) {
    const ShopPage* page = app.workspace().Current();
    PageWindow* window = app.currentPageWindow();
    if (page == nullptr || window == nullptr)
        return;
    if (page->Settings.UseTexture)
        window->setBandTexture(textureStrip);
    else
        window->clearBandTexture();
    window->relayout();
}

} // namespace targello
