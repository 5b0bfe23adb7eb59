#pragma once

#include "core/modern/ModernPageText.h"
#include "core/modern/ModernPictures.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <string>

namespace targello::testing {

// A page as the program makes it, with `items` items "Produkt 1", … and the
// options dialog's working copy loaded from it.
struct ModernShop {
    explicit ModernShop(int items = 0, int columns = 2)
        : page(0, NewPageSettings(EditedSettings::initial().Values)) {
        page.Settings.ProductColumns = columns;
        page.Settings.ModernPage = true;
        for (int i = 0; i < items; ++i)
            page.InsertItem();
        edited = EditedSettings::initial();
        LoadPageIntoOptions(page.Settings, edited);
    }

    std::string Text() const {
        const ModernPictures pictures = PlanModernPictures(page, edited.Values, "sklep", "/www",
                                                           PathStyle::Posix, WebPictureKind::Encoded);
        return ModernPageText(page, edited.Values, pictures, {"/www", PathStyle::Posix}, "sklep.html");
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

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace targello::testing
