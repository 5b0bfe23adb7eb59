#pragma once

#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace targello::testing {

inline ShopPage FreshPage() {
    return ShopPage(0, NewPageSettings(EditedSettings::initial().Values));
}

// A page that sets every field to something other than its default, with
// Polish letters, line breaks and all 30 links.
inline ShopPage FullPage(int items) {
    ShopPage page = FreshPage();
    ShopSettings& s = page.Settings;
    s.ProductColumns = 3;
    for (int k = 0; k < items; ++k) {
        page.InsertItem();
        ShopItem& item = page.Item(k);
        item.Name = "Żółty kubek nr " + std::to_string(k + 1);
        item.Price = std::to_string(k) + ",50";
        item.Description = "Glina z Bolesławca.\r\nPojemność 300 ml – „duży”.";
        item.PicturePath = k % 2 ? "C:\\zdjęcia\\kubek" + std::to_string(k) + ".jpg" : PicturePrompt;
    }
    s.UseTexture = true;
    s.TexturePath = "C:\\tekstury\\len.jpg";
    s.HeaderKind = true;
    s.BannerPath = "C:\\grafika\\baner.gif";
    s.ShopTitle = "Pracownia Ceramiki Łęg";
    s.BasketCaption = "do koszyka";
    s.OrderEmail = "zamówienia@example.pl";
    s.RowColor1 = {1, 2, 3};
    s.RowColor2 = {4, 5, 6};
    s.HeaderColor = {7, 8, 9};
    s.MenuBackColor = {10, 11, 12};
    s.MenuColor = {13, 14, 15};
    s.FooterColor = {16, 17, 255};
    s.PageLayout = 3;
    s.ColorScheme = 6;
    s.PictureWidth = 300;
    s.PictureHeight = 0;
    s.OrderFormKind = false;
    for (int k = 0; k < ShopSettings::LinkCount; ++k)
        s.MenuLinks[static_cast<std::size_t>(k)] = {"Łącze " + std::to_string(k + 1),
                                                    "C:\\strony\\ś" + std::to_string(k + 1) + ".html"};
    return page;
}

inline std::int32_t IntegerAt(std::string_view bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t k = 4; k-- > 0;)
        bits = (bits << 8) | static_cast<unsigned char>(bytes.at(offset + k));
    return static_cast<std::int32_t>(bits);
}

inline void PutInteger(std::string& bytes, std::size_t offset, std::int32_t value) {
    for (std::size_t k = 0; k < 4; ++k)
        bytes.at(offset + k) = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * k)) & 0xFF);
}

// The text of a field: its bytes up to the first NUL.
inline std::string TextAt(std::string_view bytes, std::size_t offset, std::size_t width) {
    const std::string_view field = bytes.substr(offset, width);
    return std::string(field.substr(0, field.find('\0')));
}

} // namespace targello::testing
