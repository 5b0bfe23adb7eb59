#pragma once

#include "../support/ShopPageFixture.h"
#include "core/generator/ShopPictures.h"

#include <string>

namespace targello::testing {

// A classic page (see ShopPageFixture) and where its pictures go.
struct TestShop : ShopPageFixture {
    explicit TestShop(int items = 0, int columns = 2) : ShopPageFixture(items, columns, false) {}

    ShopPictures Pictures(const std::string& baseName = "temp") const {
        return PlanShopPictures(page, baseName, "/sklep", PathStyle::Posix);
    }
};

} // namespace targello::testing
