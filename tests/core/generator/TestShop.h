#pragma once

#include "core/generator/ShopPictures.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <string>

namespace targello::testing {

// A page as the program makes it, with `items` items "Produkt 1", … priced
// "0,00", and the options dialog's working copy loaded from it.
struct TestShop {
    explicit TestShop(int items = 0, int columns = 2)
        : page(0, NewPageSettings(EditedSettings::initial().Values)) {
        page.Settings.ProductColumns = columns;
        for (int i = 0; i < items; ++i)
            page.InsertItem();
        edited = EditedSettings::initial();
        LoadPageIntoOptions(page.Settings, edited);
    }

    ShopPictures Pictures(const std::string& baseName = "temp") const {
        return PlanShopPictures(page, baseName, "/sklep", PathStyle::Posix);
    }

    ShopPage page;
    EditedSettings edited;
};

inline std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

} // namespace targello::testing
