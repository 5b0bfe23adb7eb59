#include "BenchContext.h"

#include "gui/workspace/PageWindow.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <ctime>

namespace targello {

BenchContext::BenchContext() : area_(new QMdiArea(&main_)) {
    main_.setCentralWidget(area_);
    main_.resize(1280, 800);
    main_.showMaximized();
}

BenchContext::~BenchContext() {
    for (QMdiSubWindow* window : area_->subWindowList())
        delete window;
}

PageWindow* BenchContext::pageWindow(int slot) {
    for (QMdiSubWindow* window : area_->subWindowList()) {
        auto* page = qobject_cast<PageWindow*>(window->widget());
        if (page != nullptr && page->page().PageIndex() == slot)
            return page;
    }
    return nullptr;
}

PageWindow* BenchContext::currentPageWindow() {
    return pageWindow(workspace_.CurrentPage());
}

PageWindow* BenchContext::newPage() {
    ShopPage* page = workspace_.NewPage(edited_.Values);
    if (page == nullptr)
        return nullptr;
    auto* pageWindow = new PageWindow(*this, pictures_, *page);
    QMdiSubWindow* window = area_->addSubWindow(pageWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    area_->setActiveSubWindow(window);
    return pageWindow;
}

OptionsDialog& BenchContext::options() {
    if (options_ == nullptr)
        options_ = std::make_unique<OptionsDialog>(*this, &main_);
    return *options_;
}

namespace BenchMemory {

namespace {

double statusField(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith(name))
            continue;
        const QList<QByteArray> parts = line.simplified().split(' ');
        return parts.size() >= 2 ? parts[1].toDouble() / 1024.0 : 0;
    }
    return 0;
}

} // namespace

double peakMb() {
    return statusField("VmHWM:");
}
double currentMb() {
    return statusField("VmRSS:");
}

} // namespace BenchMemory

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace targello
