#pragma once

#include "core/settings/ShopSettings.h"
#include "core/workspace/ShopPage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace targello {

inline constexpr const char* PageLimitMessage = "Ilość projektów nie może przekraczać 100";
inline constexpr const char* NothingToRemoveMessage = "Brak pozycji do usunięcia";

// The open shops: 100 slots, the count of open pages and the current page on
// which every page command acts.
class ShopWorkspace {
public:
    static constexpr int MaxPages = 100;

    explicit ShopWorkspace(std::string startDirectory = {});

    // The working directory at the moment the program started; the help page,
    // the preview and the textures are found relative to it.
    const std::string& StartDirectory() const { return startDirectory_; }

    int PageCount() const { return pageCount_; }
    int CurrentPage() const { return currentPage_; }
    // The current page, or nullptr when no page is open.
    ShopPage* Current();
    const ShopPage* Current() const;
    ShopPage* Page(int slot);

    // Opens a page in the lowest free slot and makes it current; nullptr at
    // the limit of 100 pages. `edited` gives the new page its six colours.
    ShopPage* NewPage(const ShopSettings& edited);
    void ActivatePage(int slot);
    // Destroys the page. When the current page closes, the current page moves
    // to another open one, so that no command acts on a closed page.
    void ClosePage(int slot);

    // Slots of the open pages with unsaved changes, lowest first: the pages
    // that closing the program asks about.
    std::vector<int> ChangedPages() const;

    // The page commands (insert, remove, settings, save, preview, export)
    // are usable exactly while a page is open.
    bool PageCommandsEnabled() const { return pageCount_ > 0; }

private:
    std::string startDirectory_;
    std::array<std::unique_ptr<ShopPage>, MaxPages> pages_;
    int pageCount_ = 0;
    int currentPage_ = 0;
    std::uint64_t nextSerial_ = 1;
};

} // namespace targello
