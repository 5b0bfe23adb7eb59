#pragma once

#include "core/modern/ShopWebAddress.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace targello {

// The files beside a page whose web address is known, which tell search
// engines where the shop is: a sitemap naming the page and a robots.txt
// that lets them in and names the sitemap. Each begins with its mark, so a
// later export knows the file as its own.
inline constexpr const char* SitemapFileName = "sitemap.xml";
inline constexpr const char* RobotsFileName = "robots.txt";
inline constexpr std::string_view SitemapMark =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Targello -->";
inline constexpr std::string_view RobotsMark = "# Targello";

std::string SitemapXml(const ShopWebAddress& web);
std::string RobotsTxt(const ShopWebAddress& web);

// Whether the export may write `file`: nothing stands there yet, or a file
// that begins with `mark`, which an earlier export wrote. A file the trader
// wrote is never replaced.
bool MayWriteOwnFile(const std::filesystem::path& file, std::string_view mark);

} // namespace targello
