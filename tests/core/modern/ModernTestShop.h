#pragma once

#include "../support/ShopPageFixture.h"
#include "core/modern/ModernPageText.h"
#include "core/modern/ModernPictures.h"

#include <string>

namespace targello::testing {

// A modern page (see ShopPageFixture) and the page text it makes.
struct ModernShop : ShopPageFixture {
    explicit ModernShop(int items = 0, int columns = 2) : ShopPageFixture(items, columns, true) {}

    std::string Text() const {
        const ModernPictures pictures = PlanModernPictures(page, edited.Values, "sklep", "/www",
                                                           PathStyle::Posix, WebPictureKind::Encoded);
        return ModernPageText(page, edited.Values, pictures, {"/www", PathStyle::Posix}, "sklep.html");
    }
};

} // namespace targello::testing
