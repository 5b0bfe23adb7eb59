#pragma once

#include "core/modern/WebPictureJob.h"
#include "core/settings/PathRules.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace targello {

class ShopPage;
struct ShopSettings;

// Where one picture of the modern page is found on the page.
struct WebPictureAddress {
    std::string Large; // empty: the item shows no picture
    std::string Small;
    int Job = -1;  // index into ModernPictures::Jobs
    int Width = 0; // of the large copy once made, 0 while unknown
    int Height = 0;
    std::string Medium{}; // empty where the picture has no middle copy
};

// The pictures of one modern page: the addresses the page uses and the jobs
// that make the copies. Each source is made once; pictures of the same file
// name from different folders get names of their own.
struct ModernPictures {
    std::vector<WebPictureAddress> Items; // one per item, in item order
    WebPictureAddress Texture;
    WebPictureAddress Banner;
    std::string Icon; // the shop's icon in the picture folder, "" where it is not written
    std::vector<WebPictureJob> Jobs;
};

// How the copies are made: re-encoded as JPEG (the large copy "stem.jpg",
// the small "stem-WxH.jpg", the size in the name so a new size is a new
// file, and for product pictures the middle "stem-800w.jpg"), or copied
// unchanged where no picture library is built in.
enum class WebPictureKind { Encoded, Unchanged };

// The shown size of a product picture on the page: the page's picture size,
// or the usual 133 x 94 where a size is not positive.
int ShownPictureWidth(const ShopSettings& settings);
int ShownPictureHeight(const ShopSettings& settings);

// Plans the pictures of `page` (shown at the size of `edited`) for a page
// written into `outputFolder` whose pictures go to the folder `baseName`
// beside it. Items whose picture was never chosen, a texture that is off and
// a banner that is not shown get no job and no address. A copy never takes a
// name for which `taken` says true (a file the export must not replace
// stands there): the picture gets the next free name instead.
using PictureNameTaken = std::function<bool(const std::string& name)>;
ModernPictures PlanModernPictures(const ShopPage& page, const ShopSettings& edited, std::string_view baseName,
                                  std::string_view outputFolder, PathStyle style, WebPictureKind kind,
                                  const PictureNameTaken& taken = {});

} // namespace targello
