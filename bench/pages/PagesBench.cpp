// A hundred shop pages of a hundred items each, opened one after another in
// a multi-document area: the total time until all are shown, the memory it
// takes, and whether the last pages cost more than the first.
//
// Usage: bench_pages [mdi|main|qt]   (mdi: a bare multi-document area, the
// default; main: the program's own main window; qt: the bare area with an
// empty widget in place of each page, what the multi-document area itself
// costs)
#include "BenchContext.h"
#include "gui/app/MainWindow.h"
#include "gui/workspace/PageWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

using namespace targello;

namespace {

constexpr int Pages = 100;
constexpr int ItemsPerPage = 100;

// The GUI thread's time of one page by phase: opening its window (the
// frame's own work: sub-window, activation), adding its items, and what
// it left for the event loop (painting, live controls).
enum Phase { Open, Items, Events, Phases };

struct Cost {
    double wallMs;
    double cpuMs;
    double phaseCpuMs[Phases];
};

// The bare frame with an empty widget of a page's size in each sub-window:
// what opening the sub-windows costs without our pages. It grows with the
// sub-windows open: activating one makes the multi-document area deactivate
// every other (each lays out its elided title again and marks its frame for
// repainting), and the repaint then clips each of those frames against all
// its siblings.
class EmptyFrame {
public:
    struct Page {
        void insertItem() {}
    };

    EmptyFrame() : area_(new QMdiArea(&main_)) {
        main_.setCentralWidget(area_);
        main_.resize(1280, 800);
        main_.showMaximized();
    }
    ~EmptyFrame() {
        for (QMdiSubWindow* window : area_->subWindowList())
            delete window;
    }

    Page* newPage() {
        auto* content = new QWidget;
        content->setMinimumSize(sizeHint_);
        content->setAutoFillBackground(true);
        content->setWindowTitle(QStringLiteral("Sklep %1").arg(area_->subWindowList().size() + 1));
        QMdiSubWindow* window = area_->addSubWindow(content);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        area_->setActiveSubWindow(window);
        return &page_;
    }

private:
    QMainWindow main_;
    QMdiArea* area_;
    QSize sizeHint_{2 * ShopPage::CellWidth + 24, ShopPage::CellHeight * 5 / 2};
    Page page_;
};

// `App` is the program's main window, the bare stand-in for it or the empty frame.
template <class App> Cost fillPage(App& app) {
    QElapsedTimer timer;
    timer.start();
    const double cpu = threadCpuMs();
    Cost cost{};
    auto* page = app.newPage();
    if (page == nullptr)
        return {-1, -1, {}};
    const double opened = threadCpuMs();
    for (int k = 0; k < ItemsPerPage; ++k)
        page->insertItem();
    const double filled = threadCpuMs();
    // What the page left for the event loop (its live controls, painting)
    // belongs to its cost.
    QCoreApplication::processEvents();
    const double done = threadCpuMs();
    cost.wallMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    cost.cpuMs = done - cpu;
    cost.phaseCpuMs[Open] = opened - cpu;
    cost.phaseCpuMs[Items] = filled - opened;
    cost.phaseCpuMs[Events] = done - filled;
    return cost;
}

// GUI thread per ten pages, the whole cost or one phase of it.
void printPerTen(const char* title, const std::vector<Cost>& costs, int phase) {
    std::printf("%s", title);
    for (int block = 0; block < Pages / 10; ++block) {
        double cpu = 0;
        for (int p = block * 10; p < block * 10 + 10; ++p) {
            const Cost& cost = costs[static_cast<std::size_t>(p)];
            cpu += phase < 0 ? cost.cpuMs : cost.phaseCpuMs[phase];
        }
        std::printf(" %.1f", cpu);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    const bool useMainWindow = argc > 1 && qstrcmp(argv[1], "main") == 0;
    const bool emptyPages = argc > 1 && qstrcmp(argv[1], "qt") == 0;

    ScriptedPlatform platform;
    std::unique_ptr<BenchContext> bare;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<EmptyFrame> empty;
    if (useMainWindow) {
        main = std::make_unique<MainWindow>(platform);
        main->showMaximized();
    } else if (emptyPages) {
        empty = std::make_unique<EmptyFrame>();
    } else {
        bare = std::make_unique<BenchContext>();
    }
    QCoreApplication::processEvents();
    const double baseMb = BenchMemory::currentMb();

    std::vector<Cost> costs;
    QElapsedTimer total;
    total.start();
    const double totalCpu = threadCpuMs();
    for (int p = 0; p < Pages; ++p)
        costs.push_back(main ? fillPage(*main) : empty ? fillPage(*empty) : fillPage(*bare));
    QCoreApplication::processEvents();
    const double totalMs = static_cast<double>(total.nsecsElapsed()) / 1e6;
    const double totalCpuMs = threadCpuMs() - totalCpu;
    // The work left for when the program is idle (the last page's live
    // controls) is counted too.
    const double idleCpu = threadCpuMs();
    QEventLoop idle;
    QTimer::singleShot(400, &idle, &QEventLoop::quit);
    idle.exec();
    const double settleCpuMs = threadCpuMs() - idleCpu;

    Cost first{};
    Cost last{};
    for (int p = 0; p < 10; ++p) {
        const Cost& early = costs[static_cast<std::size_t>(p)];
        const Cost& late = costs[static_cast<std::size_t>(Pages - 10 + p)];
        first.wallMs += early.wallMs;
        first.cpuMs += early.cpuMs;
        last.wallMs += late.wallMs;
        last.cpuMs += late.cpuMs;
    }
    const int widgets = static_cast<int>(QApplication::allWidgets().size()); // after the idle work
    std::printf("frame: %s\n", useMainWindow ? "the program's main window"
                               : emptyPages  ? "a bare multi-document area with empty pages (Qt alone)"
                                             : "a bare multi-document area");
    std::printf("pages: %d x %d items, widgets alive: %d\n", Pages, ItemsPerPage, widgets);
    std::printf("total: %.0f ms, of it the GUI thread's own time %.0f ms (budget 500 ms)\n", totalMs,
                totalCpuMs);
    std::printf("then idle work: %.1f ms of the GUI thread\n", settleCpuMs);
    std::printf(
        "first ten pages: %.1f ms (cpu %.1f), last ten: %.1f ms (cpu %.1f), cpu ratio %.2f (budget 1.00)\n",
        first.wallMs, first.cpuMs, last.wallMs, last.cpuMs, first.cpuMs > 0 ? last.cpuMs / first.cpuMs : 0.0);
    printPerTen("GUI thread per ten pages (ms):", costs, -1);
    printPerTen("  opening the window:", costs, Open);
    printPerTen("  adding its items:", costs, Items);
    printPerTen("  the event loop after:", costs, Events);
    std::printf("memory: peak %.0f MB, before the pages %.0f MB, pages added %.0f MB (budget 150 MB)\n",
                BenchMemory::peakMb(), baseMb, BenchMemory::currentMb() - baseMb);
    return 0;
}
