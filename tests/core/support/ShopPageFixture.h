#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <string>

namespace targello::testing {

// A page as the program makes it, with `items` items "Produkt 1", … priced
// "0,00", and the options dialog's working copy loaded from it. The page of
// each exporter's tests builds on this one.
struct ShopPageFixture {
    ShopPageFixture(int items, int columns, bool modern)
        : page(0, NewPageSettings(EditedSettings::initial().Values)) {
        page.Settings.ProductColumns = columns;
        page.Settings.ModernPage = modern;
        for (int i = 0; i < items; ++i)
            page.InsertItem();
        edited = EditedSettings::initial();
        LoadPageIntoOptions(page.Settings, edited);
    }

    ShopPage page;
    EditedSettings edited;
};

// How many times `part` stands in `text`, counting from one end of it to the next.
inline std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace targello::testing
