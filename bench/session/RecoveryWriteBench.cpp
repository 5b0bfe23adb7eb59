// Times one recovery copy of a 100-item page (the project bytes, the note
// and two atomic, synced writes), split into the snapshot the window takes
// and the writes the recovery thread does, and taking over such copies at
// the next start.
// Usage: bench_recovery_write [FOLDER]  (default: below the system's temporary folder)
#include "common/BenchPages.h"
#include "common/BenchTiming.h"
#include "core/session/RecoveryStore.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

using namespace targello;
using namespace targello::bench;

namespace {

// A page of 100 full items, saved before as a project.
void fill(ShopPage& page) {
    FillWithPolishItems(page);
    page.SetProjectPath("/home/handlarz/Sklepy/ceramika.esk");
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / "targello-bench-odzysk";
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    fill(page);

    RecoveryStore store(folder.string());
    Report("recovery copy of a 100-item page", Measure(300, [&] {
               if (!store.Write(page).Error.empty())
                   std::abort();
           }));
    // The same copy in its two steps: the window takes the page's bytes,
    // the recovery thread writes them.
    Report("  its snapshot (the window's thread)", Measure(300, [&] {
               if (store.Snapshot(page).Project.empty())
                   std::abort();
           }));
    const RecoverySnapshot copy = store.Snapshot(page);
    Report("  its writes (the recovery thread)", Measure(300, [&] {
               if (!store.Write(copy).Error.empty())
                   std::abort();
           }));
    // Ten copies of a program that is gone, taken over and read at the start.
    ShopWorkspace crashedPages;
    RecoveryStore crashed(folder.string(), 2'147'480'000);
    std::vector<double> takeover;
    for (int run = 0; run < 30; ++run) {
        for (int k = 0; k < 10; ++k) {
            ShopPage& lost = *crashedPages.NewPage(EditedSettings::initial().Values);
            fill(lost);
            if (!crashed.Write(lost).Error.empty())
                std::abort();
            crashedPages.ClosePage(lost.PageIndex());
        }
        RecoveryStore starting(folder.string());
        takeover.push_back(Milliseconds([&] {
            if (starting.TakeOrphans().Entries.size() != 10)
                std::abort();
        }));
        starting.RemoveOwn();
    }
    Report("take over and check 10 copies of 100 items", takeover);
    store.RemoveOwn();
    std::filesystem::remove(folder);
}
