#pragma once

#include "core/settings/RgbColor.h"
#include "core/settings/ShopSettings.h"

#include <array>

namespace targello {

// One of the ready-made colour schemes offered beside the page layouts.
struct ColorScheme {
    RgbColor HeaderAndFooter;
    RgbColor MenuBack;
};

inline constexpr int ColorSchemeCount = 7;

// The schemes by number, 0 to 6, as the scheme picker offers them.
const std::array<ColorScheme, ColorSchemeCount>& ColorSchemes();

// The options dialog gives the menu box the header's colour; the wizard lets
// the user keep the menu colour chosen there.
enum class MenuColorRule { FollowHeader, KeepMenuColor };

// Sets the header, footer and menu background colours of `scheme` (clamped to
// 0 to 6) and records it as the chosen scheme. Row colours stay as they are.
void ApplyColorScheme(int scheme, ShopSettings& settings, MenuColorRule rule);

} // namespace targello
