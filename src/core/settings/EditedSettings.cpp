#include "core/settings/EditedSettings.h"

#include <algorithm>

namespace targello {

EditedSettings EditedSettings::initial() {
    EditedSettings edited;
    ShopSettings& v = edited.Values;
    v.UseTexture = false;
    v.TexturePath = TextureSwatchPrompt;
    v.HeaderKind = true;
    v.BasketCaption = "kupuję";
    v.RowColor1 = RgbColor::fromHex("#FFFBF0");
    v.RowColor2 = RgbColor::fromHex("#EEEDF8");
    v.HeaderColor = RgbColor::fromHex("#7986AA");
    v.MenuColor = RgbColor::fromHex("#7986AA");
    v.FooterColor = RgbColor::fromHex("#7986AA");
    v.MenuBackColor = RgbColor::fromHex("#D9E0F7");
    v.PageLayout = 2;
    v.ColorScheme = 0;
    v.PictureWidth = 133;
    v.PictureHeight = 94;
    v.OrderFormKind = true;
    v.ProductColumns = 2;
    return edited;
}

int ClampPictureSize(int value) { return std::clamp(value, 0, 300); }

void LoadPageIntoOptions(const ShopSettings& page, EditedSettings& edited) {
    ShopSettings& v = edited.Values;
    const std::string texturePath = v.TexturePath;
    v = page;
    v.TexturePath = texturePath;
    v.PictureWidth = ClampPictureSize(page.PictureWidth);
    v.PictureHeight = ClampPictureSize(page.PictureHeight);
}

void ApplyOptionsToPage(const EditedSettings& edited, ShopSettings& page) {
    const ShopSettings& v = edited.Values;
    const RgbColor rowColor1 = page.RowColor1;
    const RgbColor rowColor2 = page.RowColor2;
    const std::string texturePath = page.TexturePath;
    std::vector<std::string> otherLines = std::move(page.OtherProjectLines);
    page = v;
    page.OtherProjectLines = std::move(otherLines);
    if (v.UseTexture) {
        page.RowColor1 = rowColor1;
        page.RowColor2 = rowColor2;
    } else {
        page.TexturePath = texturePath;
    }
}

} // namespace targello
