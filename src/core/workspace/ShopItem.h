#pragma once

#include <string>

namespace targello {

// The tooltip of a picture that has not been chosen yet. It is also the
// item's picture path until a file is chosen: the two are one text.
inline constexpr const char* PicturePrompt = "Kliknij aby wczytać obrazek";

// Which picture the page shows for an item. The picture itself is not part
// of the model; it is loaded again from PicturePath when needed.
enum class ItemPicture {
    Placeholder, // a new item: the picture that invites a double-click
    File,        // the picture loaded from PicturePath
    Missing,     // an opened project whose picture could not be loaded
};

// One product of a shop. Texts are UTF-8 and kept exactly as typed.
struct ShopItem {
    std::string Name;
    std::string Price = "0,00";
    std::string Description;
    std::string PicturePath = PicturePrompt;
    ItemPicture Picture = ItemPicture::Placeholder;
    // Top-left corner of the item's grid cell on the page.
    int X = 0;
    int Y = 0;

    friend bool operator==(const ShopItem&, const ShopItem&) = default;
};

} // namespace targello
