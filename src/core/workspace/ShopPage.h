#pragma once

#include "core/settings/EditedSettings.h"
#include "core/settings/ShopSettings.h"
#include "core/workspace/ShopItem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace targello {

// Where the next item goes: InsertItem advances it, LayoutItems rebuilds it.
struct LayoutCursor {
    int RowFill = 0;   // items placed in the current grid row
    int NextItemX = 0; // left edge of the item placed last
    int RowTop = 0;    // top edge of the current grid row
    int RowIndex = 0;  // number of the current grid row, from 0

    friend bool operator==(const LayoutCursor&, const LayoutCursor&) = default;
};

enum class InsertOutcome { Inserted, LimitReached };

// One open shop: its settings, its items in order and their grid layout.
class ShopPage {
public:
    static constexpr int MaxItems = 100;
    static constexpr int BandCount = 100;
    static constexpr int CellWidth = 300;
    static constexpr int CellHeight = 150;
    static constexpr int BandWidth = 1200;

    ShopPage(int pageIndex, ShopSettings settings, std::uint64_t serial = 0);

    int PageIndex() const { return pageIndex_; }
    // Unique among all pages opened while the program runs, so that a dialog
    // can tell whether the page it was filled from is still the one in front.
    std::uint64_t Serial() const { return serial_; }
    // "Sklep " followed by the slot number counted from 1.
    std::string Caption() const;

    // Read freely; change through SetSettings or ApplyOptions, which mark
    // the page as changed.
    ShopSettings Settings;

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const std::vector<ShopItem>& Items() const { return items_; }
    const ShopItem& Item(int k) const { return items_.at(static_cast<std::size_t>(k)); }
    // Writes through this reference escape the changed mark: edit items with
    // the setters below. It goes once the item controls use them.
    ShopItem& Item(int k) { return items_.at(static_cast<std::size_t>(k)); }

    // The setters mark the page as changed when the value differs;
    // ApplyOptions always does (it lays out).
    void SetItemName(int k, std::string name);
    void SetItemPrice(int k, std::string price);
    void SetItemDescription(int k, std::string description);
    void SetItemPicture(int k, std::string path, ItemPicture picture);
    void SetSettings(ShopSettings settings);
    // What the options dialog's OK does: stores the working copy in the
    // page's settings and lays the items out on the chosen columns.
    void ApplyOptions(const EditedSettings& edited);

    // True from the first edit after the page was opened or saved.
    bool Changed() const { return changed_; }
    // For a change made outside the page's own edits: a page restored from
    // a recovery copy holds work the user's file does not.
    void MarkChanged() { changed_ = true; }
    // The page now matches a file: opened from it or saved to it.
    void MarkSaved() { changed_ = false; }
    // The file the page was opened from or last saved to (UTF-8), empty for
    // a page that never was.
    const std::string& ProjectPath() const { return projectPath_; }
    void SetProjectPath(std::string path) { projectPath_ = std::move(path); }

    const LayoutCursor& Cursor() const { return cursor_; }
    bool BandVisible(int band) const { return bandVisible_.at(static_cast<std::size_t>(band)); }
    // Number of the last band shown, so the page's height can follow its rows.
    int VisibleBandCount() const;

    // The edits below mark the page as changed: inserting and removing when
    // they change anything, laying out always.
    // Appends "Produkt <n>" priced "0,00" in the next grid cell.
    InsertOutcome InsertItem();
    // Places every item again on a grid of `columns` (1 to 4) from the first cell.
    void LayoutItems(int columns);
    // Removes the items whose flags are set; the others keep their order and
    // everything they hold. The grid is not touched: LayoutItems follows.
    int RemoveItems(const std::vector<bool>& remove);

private:
    int pageIndex_;
    std::uint64_t serial_;
    std::vector<ShopItem> items_;
    LayoutCursor cursor_;
    std::array<bool, BandCount> bandVisible_{};
    bool changed_ = false;
    std::string projectPath_;

    ShopItem& edited(int k);
};

inline constexpr const char* ItemLimitMessage = "Ilość pozycji w sklepie nie może przekraczać 100";

// The question before a changed page closes, with the answers "Zapisz",
// "Nie zapisuj" and "Anuluj".
std::string UnsavedChangesQuestion(const ShopPage& page);

} // namespace targello
