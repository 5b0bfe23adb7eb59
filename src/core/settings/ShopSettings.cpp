#include "core/settings/ShopSettings.h"

namespace targello {

ShopSettings NewPageSettings(const ShopSettings& edited) {
    ShopSettings settings;
    settings.RowColor1 = edited.RowColor1;
    settings.RowColor2 = edited.RowColor2;
    settings.HeaderColor = edited.HeaderColor;
    settings.MenuBackColor = edited.MenuBackColor;
    settings.MenuColor = edited.MenuColor;
    settings.FooterColor = edited.FooterColor;
    return settings;
}

} // namespace targello
