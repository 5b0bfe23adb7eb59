#pragma once

#include "core/settings/RgbColor.h"
#include "core/settings/SellingSettings.h"

#include <array>
#include <string>
#include <vector>

namespace targello {

// One entry of a shop's menu: the text shown and the path it leads to.
struct MenuLink {
    std::string Name;
    std::string Path;

    friend bool operator==(const MenuLink&, const MenuLink&) = default;
};

// Everything that decides how a shop looks and takes orders, apart from its
// items. Texts are UTF-8. Ranges are those the options dialog offers; stored
// files may carry others, and readers keep them as they are.
struct ShopSettings {
    static constexpr int LinkCount = 30;      // the 30th is stored but never shown
    static constexpr int ShownLinkCount = 29; // entries 1 to 29 in the dialog and the page

    bool UseTexture = false;
    std::string TexturePath;
    bool HeaderKind = false; // true: banner picture, false: the shop's name as text
    std::string BannerPath;
    std::string ShopTitle;
    std::string BasketCaption = "kupuję";
    std::string OrderEmail;
    RgbColor RowColor1;
    RgbColor RowColor2;
    RgbColor HeaderColor;
    RgbColor MenuBackColor;
    RgbColor MenuColor;
    RgbColor FooterColor;
    int PageLayout = 2;  // 0 to 3
    int ColorScheme = 0; // 0 to 6
    int PictureWidth = 133;
    int PictureHeight = 94;
    bool OrderFormKind = true; // true: invoice data and shipping address
    std::array<MenuLink, LinkCount> MenuLinks{};
    int ProductColumns = 2; // 1 to 4

    // The page for phones and computers instead of the classic one.
    bool ModernPage = false;
    // Texts the project file keeps in its trailer (one line each there; any
    // text here): the shop's description for search engines and link
    // previews, its address on the web, and where it is published
    // ("ftps://user@host:port/folder", never a password).
    std::string Description;
    std::string PublicAddress;
    std::string Publication;
    // The seller, the terms, delivery and payment of the modern page.
    SellingSettings Selling;
    // "key=value" lines of the project file that this program does not know,
    // written back as they were read. They belong to the page, not the options.
    std::vector<std::string> OtherProjectLines;

    friend bool operator==(const ShopSettings&, const ShopSettings&) = default;
};

// The settings of a freshly created page: the defaults above, with the six
// colours taken from the options dialog's working copy as it stands.
ShopSettings NewPageSettings(const ShopSettings& edited);

} // namespace targello
