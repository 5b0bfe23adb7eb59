#pragma once

#include <string>

namespace targello {
class ShopPage;
struct ShopSettings;
} // namespace targello

namespace targello::fuzz {

// The folder the pages are made for; nothing is written there: each page is
// made in memory, as the exports make it before they put it on the disk.
inline constexpr const char* PageFolderPath = "/sklepy";

// The classic page (ISO-8859-2) of `page` with the pictures the export plans.
std::string ClassicPage(const ShopPage& page, const ShopSettings& edited);

// The modern page (UTF-8) of `page` with the pictures the export plans; none is made.
std::string ModernPage(const ShopPage& page, const ShopSettings& edited);

} // namespace targello::fuzz
