// Times what a recovery copy of a 100-item page costs the window's thread:
// taking the page's bytes and handing them to the recovery queue. The
// queue is left to finish between runs, so that no run waits for another.
// Usage: bench_autosave_queue [FOLDER]  (default: below the system's temporary folder)
#include "common/BenchPages.h"
#include "common/BenchTiming.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"
#include "gui/app/RecoveryQueue.h"

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <vector>

using namespace targello;
using namespace targello::bench;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / "targello-bench-odzysk-kolejka";
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    FillWithPolishItems(page);
    page.SetProjectPath("/home/handlarz/Sklepy/ceramika.esk");

    int failures = 0;
    {
        RecoveryQueue queue(folder.string());
        std::vector<double> window;
        std::vector<double> whole;
        for (int run = 0; run < 300; ++run) {
            whole.push_back(Milliseconds([&] {
                window.push_back(Milliseconds([&] {
                    queue.write(queue.names().Snapshot(page), [&](const RecoveryWrite& written) {
                        failures += written.Error.empty() ? 0 : 1;
                    });
                }));
                queue.waitForIdle();
            }));
        }
        Report("recovery copy: the window's thread", window);
        Report("recovery copy: until on the disk", whole);
        QCoreApplication::processEvents();
        queue.removeAll();
    }
    std::filesystem::remove(folder);
    if (failures != 0)
        std::abort();
}
