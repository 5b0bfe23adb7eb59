#include "PageMakers.h"
#include "core/modern/ModernPageText.h"
#include "core/modern/ModernPictures.h"

namespace targello::fuzz {

std::string ModernPage(const ShopPage& page, const ShopSettings& edited) {
    const ModernPictures pictures =
        PlanModernPictures(page, edited, "sklep", PageFolderPath, NativePathStyle(), WebPictureKind::Encoded);
    return ModernPageText(page, edited, pictures, {PageFolderPath, NativePathStyle()}, "sklep.html");
}

} // namespace targello::fuzz
