// A hundred shop pages of a hundred items each, opened one after another in
// a multi-document area: the total time until all are shown, the memory it
// takes, and whether the last pages cost more than the first.
//
// Usage: bench_pages [mdi|main]   (mdi: a bare multi-document area, the
// default; main: the program's own main window)
#include "BenchContext.h"
#include "gui/app/MainWindow.h"
#include "gui/workspace/PageWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

using namespace targello;

namespace {

constexpr int Pages = 100;
constexpr int ItemsPerPage = 100;

struct Cost {
    double wallMs;
    double cpuMs;
};

// `App` is the program's main window or the bare stand-in for it.
template <class App> Cost fillPage(App& app) {
    QElapsedTimer timer;
    timer.start();
    const double cpu = threadCpuMs();
    PageWindow* page = app.newPage();
    if (page == nullptr)
        return {-1, -1};
    for (int k = 0; k < ItemsPerPage; ++k)
        page->insertItem();
    // What the page left for the event loop (its live controls, painting)
    // belongs to its cost.
    QCoreApplication::processEvents();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    const bool useMainWindow = argc > 1 && qstrcmp(argv[1], "main") == 0;

    ScriptedPlatform platform;
    std::unique_ptr<BenchContext> bare;
    std::unique_ptr<MainWindow> main;
    if (useMainWindow) {
        main = std::make_unique<MainWindow>(platform);
        main->showMaximized();
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
        costs.push_back(main ? fillPage(*main) : fillPage(*bare));
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

    Cost first{0, 0};
    Cost last{0, 0};
    for (int p = 0; p < 10; ++p) {
        const Cost& early = costs[static_cast<std::size_t>(p)];
        const Cost& late = costs[static_cast<std::size_t>(Pages - 10 + p)];
        first = {first.wallMs + early.wallMs, first.cpuMs + early.cpuMs};
        last = {last.wallMs + late.wallMs, last.cpuMs + late.cpuMs};
    }
    const int widgets = static_cast<int>(QApplication::allWidgets().size()); // after the idle work
    std::printf("frame: %s\n", useMainWindow ? "the program's main window" : "a bare multi-document area");
    std::printf("pages: %d x %d items, widgets alive: %d\n", Pages, ItemsPerPage, widgets);
    std::printf("total: %.0f ms, of it the GUI thread's own time %.0f ms (budget 500 ms)\n", totalMs,
                totalCpuMs);
    std::printf("then idle work: %.1f ms of the GUI thread\n", settleCpuMs);
    std::printf(
        "first ten pages: %.1f ms (cpu %.1f), last ten: %.1f ms (cpu %.1f), cpu ratio %.2f (budget 1.00)\n",
        first.wallMs, first.cpuMs, last.wallMs, last.cpuMs, first.cpuMs > 0 ? last.cpuMs / first.cpuMs : 0.0);
    std::printf("GUI thread per ten pages (ms):");
    for (int block = 0; block < Pages / 10; ++block) {
        double cpu = 0;
        for (int p = block * 10; p < block * 10 + 10; ++p)
            cpu += costs[static_cast<std::size_t>(p)].cpuMs;
        std::printf(" %.0f", cpu);
    }
    std::printf("\n");
    std::printf("memory: peak %.0f MB, before the pages %.0f MB, pages added %.0f MB (budget 150 MB)\n",
                BenchMemory::peakMb(), baseMb, BenchMemory::currentMb() - baseMb);
    return 0;
}
