#include "PageMakers.h"
#include "core/generator/PageCharset.h"
#include "core/generator/ShopPageText.h"
#include "core/generator/ShopPictures.h"

namespace targello::fuzz {

std::string ClassicPage(const ShopPage& page, const ShopSettings& edited) {
    const ShopPictures pictures = PlanShopPictures(page, "sklep", PageFolderPath, NativePathStyle());
    return ConvertToPageCharset(ShopPageText(page, edited, pictures, {PageFolderPath, NativePathStyle()}));
}

} // namespace targello::fuzz
