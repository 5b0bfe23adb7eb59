// Opening a page of 100 items whose pictures are large photos: how soon the
// page is shown, how soon every picture is ready, the memory it takes, and
// the longest time the window did not answer (a 10 ms timer on the GUI
// thread records how late it fires).
//
// Usage: bench_pictures DIR [open]   (DIR holds the photos, see
// make-pictures.sh; "open" saves them as a project and opens it in the
// program's main window, as "Otwórz projekt" does)
#include "BenchContext.h"
#include "core/project/ProjectSave.h"
#include "core/workspace/ShopPage.h"
#include "gui/app/MainWindow.h"
#include "gui/platform/ScriptedPlatform.h"
#include "gui/project/ProjectCommands.h"
#include "gui/workspace/PageWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace targello;

namespace {

// How late the GUI thread answers: the longest time between two ticks of a
// timer that should tick every 10 ms.
class Responsiveness : public QObject {
public:
    Responsiveness() {
        clock_.start();
        connect(&timer_, &QTimer::timeout, this, [this] {
            const qint64 now = clock_.nsecsElapsed();
            longestMs_ = qMax(longestMs_, static_cast<double>(now - last_) / 1e6);
            last_ = now;
        });
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.start(10);
    }
    double longestMs() const { return longestMs_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    double longestMs_ = 0;
};

double ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// A project of 100 items, one photo each, saved where `folder` says.
QString saveProject(const QDir& dir, const QStringList& files, const QString& folder) {
    ShopWorkspace scratch;
    ShopPage* page = scratch.NewPage(EditedSettings::initial().Values);
    for (int k = 0; k < ShopPage::MaxItems; ++k) {
        page->InsertItem();
        page->Item(k).PicturePath = dir.filePath(files[k]).toStdString();
    }
    const QString path = folder + QStringLiteral("/zdjecia.esk");
    const std::string error = SaveProject(*page, path.toStdString());
    if (!error.empty())
        std::fprintf(stderr, "%s\n", error.c_str());
    return path;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_pictures DIR [open]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QStringList files = dir.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    if (files.size() < ShopPage::MaxItems) {
        std::fprintf(stderr, "%s holds %d pictures, 100 needed\n", argv[1], static_cast<int>(files.size()));
        return 2;
    }

    const bool throughProject = argc > 2 && qstrcmp(argv[2], "open") == 0;
    QTemporaryDir folder;
    const QString project = throughProject ? saveProject(dir, files, folder.path()) : QString();
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<BenchContext> bench;
    if (throughProject) {
        main = std::make_unique<MainWindow>(platform);
        main->showMaximized();
    } else {
        bench = std::make_unique<BenchContext>();
    }
    AppContext& app = throughProject ? static_cast<AppContext&>(*main) : *bench;
    PictureCache& pictures = throughProject ? main->pictures() : bench->pictures();
    QCoreApplication::processEvents();
    const double baseMb = BenchMemory::currentMb();
    int answered = 0;
    double inViewMs = 0;
    QEventLoop allReady;
    QElapsedTimer clock;
    auto oneMore = [&] {
        if (++answered == 6)
            inViewMs = ms(clock);
        if (answered == ShopPage::MaxItems)
            allReady.quit();
    };
    QObject::connect(&pictures, &PictureCache::thumbnailReady, &allReady, oneMore);
    QObject::connect(&pictures, &PictureCache::thumbnailFailed, &allReady, oneMore);
    Responsiveness gaps;

    // What opening a project does: items first, then their stored pictures.
    clock.start();
    PageWindow* page = nullptr;
    if (throughProject) {
        OpenProjectFile(app, project);
        page = main->currentPageWindow();
    } else {
        page = bench->newPage();
        for (int k = 0; k < ShopPage::MaxItems; ++k) {
            page->insertItem();
            ShopItem& item = page->page().Item(k);
            item.PicturePath = dir.filePath(files[k]).toStdString();
            item.Picture = ItemPicture::File;
        }
        page->loadStoredPictures();
    }
    QCoreApplication::processEvents();
    const double shownMs = ms(clock);
    if (answered < ShopPage::MaxItems)
        allReady.exec();
    const double readyMs = ms(clock);

    int missing = 0;
    for (const ShopItem& item : page->page().Items())
        missing += item.Picture == ItemPicture::Missing ? 1 : 0;
    std::printf("shown: %.0f ms (budget 300 ms)\n", shownMs);
    std::printf("first six pictures (the rows in view): %.0f ms\n", inViewMs);
    std::printf("all %d pictures ready: %.0f ms (%d could not be read)\n", ShopPage::MaxItems, readyMs,
                missing);
    std::printf("longest time without answering: %.1f ms (budget 50 ms)\n", gaps.longestMs());
    std::printf("memory: peak %.0f MB (budget 200 MB), before opening %.0f MB\n", BenchMemory::peakMb(),
                baseMb);
    return missing == 0 ? 0 : 1;
}
