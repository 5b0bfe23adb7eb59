#include "FakeAppContext.h"

namespace targello {

FakeAppContext::FakeAppContext() = default;

FakeAppContext::~FakeAppContext() {
    windows_.clear();
}

PageWindow* FakeAppContext::pageWindow(int slot) {
    auto found = windows_.find(slot);
    return found != windows_.end() ? found->second.get() : nullptr;
}

PageWindow* FakeAppContext::currentPageWindow() {
    return pageWindow(workspace_.CurrentPage());
}

PageWindow* FakeAppContext::newPage() {
    ShopPage* page = workspace_.NewPage(edited_.Values);
    if (page == nullptr) {
        platform_.showMessage(&owner_, QString::fromUtf8(PageLimitMessage));
        return nullptr;
    }
    auto window = std::make_unique<PageWindow>(*this, *page);
    window->resize(640, 400);
    window->show();
    PageWindow* shown = window.get();
    windows_[page->PageIndex()] = std::move(window);
    return shown;
}

} // namespace targello
