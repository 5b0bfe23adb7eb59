#pragma once

#include "core/settings/PathRules.h"

#include <string>

namespace targello {

struct ShopSettings;

// Where the page is written: its menu links are made relative to this folder.
struct PageFolder {
    std::string Folder;
    PathStyle Style = NativePathStyle();
};

// One row per named menu link of `edited` (the 29 the options dialog shows),
// its address relative to the page's folder.
std::string MenuLinkRows(const ShopSettings& edited, const PageFolder& page);

// Opens an outer table whose first cell is the menu column; the products that
// follow land in its second cell, and the order form closes the table.
std::string LeftMenuSection(const ShopSettings& edited, const PageFolder& page);

// A whole outer table: the products in its first cell, the menu column in its
// second.
std::string RightMenuSection(const std::string& productSection, const ShopSettings& edited,
                             const PageFolder& page);

} // namespace targello
