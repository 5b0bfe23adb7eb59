#include "core/settings/ColorSchemes.h"

#include <algorithm>

namespace targello {

const std::array<ColorScheme, ColorSchemeCount>& ColorSchemes() {
    static const std::array<ColorScheme, ColorSchemeCount> schemes{{
        {RgbColor::fromHex("#7986AA"), RgbColor::fromHex("#D9E0F7")},
        {RgbColor::fromHex("#D9E0F7"), RgbColor::fromHex("#002499")},
        {RgbColor::fromHex("#FFFDCF"), RgbColor::fromHex("#FFF6E0")},
        {RgbColor::fromHex("#8AFFC5"), RgbColor::fromHex("#D9FFEC")},
        {RgbColor::fromHex("#6750A3"), RgbColor::fromHex("#DACCFF")},
        {RgbColor::fromHex("#C20000"), RgbColor::fromHex("#FFA100")},
        {RgbColor::fromHex("#F0FAFF"), RgbColor::fromHex("#FFFEF0")},
    }};
    return schemes;
}

void ApplyColorScheme(int scheme, ShopSettings& settings, MenuColorRule rule) {
    const int index = std::clamp(scheme, 0, ColorSchemeCount - 1);
    const ColorScheme& chosen = ColorSchemes()[static_cast<std::size_t>(index)];
    settings.ColorScheme = index;
    settings.HeaderColor = chosen.HeaderAndFooter;
    settings.FooterColor = chosen.HeaderAndFooter;
    settings.MenuBackColor = chosen.MenuBack;
    if (rule == MenuColorRule::FollowHeader)
        settings.MenuColor = chosen.HeaderAndFooter;
}

} // namespace targello
