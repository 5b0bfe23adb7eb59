#pragma once

#include "core/settings/PathRules.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace targello {

class ShopPage;
struct ShopSettings;

// A picture the modern page could not use, and why (in Polish).
struct PictureProblem {
    std::string Path;
    std::string Reason;

    friend bool operator==(const PictureProblem&, const PictureProblem&) = default;
};

struct ModernShopResult {
    bool Succeeded = false;
    bool Cancelled = false; // stopped by the progress callback; the old page stays as it was
    std::string ErrorText;  // in Polish, naming the path; empty on success and on cancel
    std::vector<PictureProblem> UnreadablePictures; // skipped; the page is written without them
    int PicturesMade = 0;
    int PicturesUnchanged = 0; // their copies were already made from the source as it is
    // In Polish, where pictures that are meant to be made smaller were copied
    // unchanged because the picture module could not be loaded; "" otherwise.
    std::string PicturesNotice;
    // One line per menu link the page shows without its address because it
    // would run code (see MenuLinkWarnings).
    std::vector<std::string> LinkWarnings;
    // One line per picture whose copies were made though its file is
    // damaged (see DamagedPictureText); the shop is whole all the same.
    std::vector<std::string> PictureWarnings;
};

// Called on the calling thread after each picture with the number done and
// the number planned; returning false cancels the export.
using ModernShopProgress = std::function<bool(int done, int total)>;

// Writes the modern page of `page` as `outputPath` (UTF-8 HTML) with its
// pictures in the folder `baseName` beside it: for every product picture a
// small copy at twice the shown size and a large one of at most 1600 pixels,
// one copy for the banner and the texture. Settings are taken as the classic
// GenerateShop takes them. A picture that cannot be read is named in the
// result and left out; the page is written under a temporary name and put in
// place by a rename, so a failure never leaves half a page. The shop's icon
// goes into the picture folder and, where the page's web address is known,
// sitemap.xml and robots.txt beside the page, each only over a file an
// earlier export wrote.
ModernShopResult GenerateModernShop(const ShopPage& page, const ShopSettings& edited,
                                    std::string_view baseName, std::string_view outputPath,
                                    PathStyle style = NativePathStyle(),
                                    const ModernShopProgress& progress = {});

// The line that tells of a picture used despite a fault in its file, in Polish.
std::string DamagedPictureText(const std::string& path);

// The message that names every picture left out, one per line, or "".
std::string PictureProblemsText(const std::vector<PictureProblem>& problems);

// Whether pictures are re-encoded (libvips): this build makes copies and its
// picture module loads (the first call loads it). Otherwise they are copied unchanged.
bool WebPicturesBuiltIn();

} // namespace targello
