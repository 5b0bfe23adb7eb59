#include "TestAppContext.h"

#include <QDir>
#include <QFile>

namespace targello {

TestAppContext::TestAppContext(Pages pages)
    : pages_(pages),
      workspace_(std::make_unique<ShopWorkspace>(QDir::toNativeSeparators(start_.path()).toStdString())) {}

TestAppContext::~TestAppContext() {
    windows_.clear();
    options_.reset();
}

OptionsDialog& TestAppContext::options() {
    if (options_ == nullptr)
        options_ = std::make_unique<OptionsDialog>(*this, nullptr);
    return *options_;
}

void TestAppContext::copyTextures(const QString& directory) {
    const QDir source(directory);
    QDir start(start_.path());
    start.mkdir(QStringLiteral("textury"));
    for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        QFile::copy(source.filePath(name), start.filePath(QStringLiteral("textury/") + name));
}

PageWindow* TestAppContext::pageWindow(int slot) {
    auto found = windows_.find(slot);
    return found != windows_.end() ? found->second.get() : nullptr;
}

PageWindow* TestAppContext::currentPageWindow() {
    return pageWindow(workspace_->CurrentPage());
}

PageWindow* TestAppContext::newPage() {
    ShopPage* page = workspace_->NewPage(edited_.Values);
    if (page == nullptr) {
        platform_.showMessage(&owner_, QString::fromUtf8(PageLimitMessage));
        return nullptr;
    }
    auto window = std::make_unique<PageWindow>(*this, pictures_, *page);
    if (pages_ == Pages::Shown) {
        window->resize(640, 400);
        window->show();
    }
    PageWindow* created = window.get();
    windows_[page->PageIndex()] = std::move(window);
    return created;
}

} // namespace targello
