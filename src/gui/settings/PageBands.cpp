#include "gui/settings/PageBands.h"

#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/PageView.h"

#include <QImage>

namespace targello {

void ShowPageSettings(AppContext& app, const QImage& textureStrip) {
    const ShopPage* page = app.workspace().Current();
    PageView* window = app.currentPageWindow();
    if (page == nullptr || window == nullptr)
        return;
    if (page->Settings.UseTexture)
        window->setBandTexture(textureStrip);
    else
        window->clearBandTexture();
    window->relayout();
}

} // namespace targello
