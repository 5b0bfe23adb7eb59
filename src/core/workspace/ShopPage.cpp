#include "core/workspace/ShopPage.h"

#include <algorithm>

namespace targello {

ShopPage::ShopPage(int pageIndex, ShopSettings settings, std::uint64_t serial)
    : Settings(std::move(settings)), pageIndex_(pageIndex), serial_(serial) {
    items_.reserve(MaxItems);
}

std::string ShopPage::Caption() const { return "Sklep " + std::to_string(pageIndex_ + 1); }

std::string UnsavedChangesQuestion(const ShopPage& page) {
    return "Projekt „" + page.Caption() + "” ma niezapisane zmiany. Zapisać je?";
}

ShopItem& ShopPage::edited(int k) {
    return items_.at(static_cast<std::size_t>(k));
}

namespace {

// Stores `value` in `field`; true when that changed the field.
template <class T> bool store(T& field, T value) {
    if (field == value)
        return false;
    field = std::move(value);
    return true;
}

} // namespace

void ShopPage::SetItemName(int k, std::string name) {
    changed_ |= store(edited(k).Name, std::move(name));
}

void ShopPage::SetItemPrice(int k, std::string price) {
    changed_ |= store(edited(k).Price, std::move(price));
}

void ShopPage::SetItemDescription(int k, std::string description) {
    changed_ |= store(edited(k).Description, std::move(description));
}

void ShopPage::SetItemPicture(int k, std::string path, ItemPicture picture) {
    ShopItem& item = edited(k);
    // Whether the file could be shown is not part of the project: only the
    // path is a change the user made.
    changed_ |= store(item.PicturePath, std::move(path));
    item.Picture = picture;
}

void ShopPage::SetSettings(ShopSettings settings) {
    changed_ |= store(Settings, std::move(settings));
}

void ShopPage::ApplyOptions(const EditedSettings& edited) {
    ShopSettings settings = Settings;
    ApplyOptionsToPage(edited, settings);
    SetSettings(std::move(settings));
    LayoutItems(Settings.ProductColumns);
}

int ShopPage::VisibleBandCount() const {
    const auto last = std::find(bandVisible_.rbegin(), bandVisible_.rend(), true);
    return static_cast<int>(bandVisible_.rend() - last);
}

InsertOutcome ShopPage::InsertItem() {
    if (ItemCount() >= MaxItems)
        return InsertOutcome::LimitReached;
    const int columns = std::max(1, Settings.ProductColumns);
    const int band = ItemCount() / columns;
    if (band < BandCount)
        bandVisible_[static_cast<std::size_t>(band)] = true;
    if (cursor_.RowFill == columns) {
        cursor_.RowFill = 0;
        cursor_.RowTop += CellHeight;
        cursor_.RowIndex += 1;
    }
    cursor_.NextItemX = CellWidth * cursor_.RowFill;
    cursor_.RowFill += 1;
    ShopItem item;
    item.Name = "Produkt " + std::to_string(ItemCount() + 1);
    item.X = cursor_.NextItemX;
    item.Y = cursor_.RowTop;
    items_.push_back(std::move(item));
    changed_ = true;
    return InsertOutcome::Inserted;
}

void ShopPage::LayoutItems(int columns) {
    columns = std::clamp(columns, 1, 4);
    bandVisible_.fill(false);
    cursor_ = LayoutCursor{};
    int rows = 1;
    for (ShopItem& item : items_) {
        if (cursor_.RowFill == columns) {
            cursor_.RowFill = 0;
            cursor_.RowTop += CellHeight;
            cursor_.RowIndex += 1;
            rows += 1;
        }
        cursor_.NextItemX = CellWidth * cursor_.RowFill;
        cursor_.RowFill += 1;
        item.X = cursor_.NextItemX;
        item.Y = cursor_.RowTop;
    }
    for (int r = 0; r < rows && r < BandCount; ++r)
        bandVisible_[static_cast<std::size_t>(r)] = true;
    // Laying out follows the options dialog's OK or a removal: the user
    // applied something, even where nothing moved.
    changed_ = true;
}

int ShopPage::RemoveItems(const std::vector<bool>& remove) {
    std::vector<ShopItem> kept;
    kept.reserve(MaxItems);
    for (std::size_t k = 0; k < items_.size(); ++k) {
        if (k < remove.size() && remove[k])
            continue;
        kept.push_back(std::move(items_[k]));
    }
    const int removed = static_cast<int>(items_.size() - kept.size());
    items_ = std::move(kept);
    changed_ |= removed > 0;
    return removed;
}

} // namespace targello
