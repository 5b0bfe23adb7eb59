#include "core/workspace/ShopWorkspace.h"

namespace targello {

ShopWorkspace::ShopWorkspace(std::string startDirectory) : startDirectory_(std::move(startDirectory)) {}

ShopPage* ShopWorkspace::Current() { return Page(currentPage_); }

const ShopPage* ShopWorkspace::Current() const {
    return currentPage_ >= 0 && currentPage_ < MaxPages ? pages_[static_cast<std::size_t>(currentPage_)].get()
                                                        : nullptr;
}

ShopPage* ShopWorkspace::Page(int slot) {
    if (slot < 0 || slot >= MaxPages)
        return nullptr;
    return pages_[static_cast<std::size_t>(slot)].get();
}

ShopPage* ShopWorkspace::NewPage(const ShopSettings& edited) {
    if (pageCount_ >= MaxPages)
        return nullptr;
    int slot = 0;
    while (pages_[static_cast<std::size_t>(slot)])
        ++slot;
    auto& page = pages_[static_cast<std::size_t>(slot)];
    page = std::make_unique<ShopPage>(slot, NewPageSettings(edited), nextSerial_++);
    currentPage_ = slot;
    ++pageCount_;
    return page.get();
}

void ShopWorkspace::ActivatePage(int slot) {
    if (Page(slot) != nullptr)
        currentPage_ = slot;
}

void ShopWorkspace::ClosePage(int slot) {
    if (Page(slot) == nullptr)
        return;
    pages_[static_cast<std::size_t>(slot)].reset();
    --pageCount_;
    if (slot != currentPage_)
        return;
    for (int other = 0; other < MaxPages; ++other) {
        if (pages_[static_cast<std::size_t>(other)]) {
            currentPage_ = other;
            return;
        }
    }
}

std::vector<int> ShopWorkspace::ChangedPages() const {
    std::vector<int> changed;
    for (int slot = 0; slot < MaxPages; ++slot) {
        const auto& page = pages_[static_cast<std::size_t>(slot)];
        if (page && page->Changed())
            changed.push_back(slot);
    }
    return changed;
}

} // namespace targello
