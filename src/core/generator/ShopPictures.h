#pragma once

#include "core/settings/PathRules.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace targello {

class ShopPage;

// One picture file to copy into the shop's picture folder.
struct PictureCopy {
    std::string Source;
    std::string Target;

    friend bool operator==(const PictureCopy&, const PictureCopy&) = default;
};

// The pictures of one generation run: the address the page gives each item's
// picture, the texture and the banner, and the copies that put the files
// there. Each source file is copied once, and files of the same name from
// different folders get names of their own ("a.jpg", "a-2.jpg"), so that
// every product shows its own picture.
struct ShopPictures {
    std::vector<std::string> PictureUrls; // one per item, in item order
    std::string TextureUrl;
    std::string BannerUrl;
    std::vector<PictureCopy> Copies;
};

// Whether the picture folder holds a file named `name` that the copy of
// `source` must not replace (one the user put there).
using PictureNameTaken = std::function<bool(const std::string& name, const std::string& source)>;

// Plans the pictures of `page` for a page written into `outputFolder` whose
// pictures go to the folder `baseName` beside it, addressed as
// baseName + "/" + file name (the bare file name when baseName is empty).
// Names for which `taken` says so are passed over like names already used.
ShopPictures PlanShopPictures(const ShopPage& page, std::string_view baseName, std::string_view outputFolder,
                              PathStyle style, const PictureNameTaken& taken = {});

} // namespace targello
