// Times one recovery copy of a 100-item page (the project bytes, the note
// and two atomic writes), the work an autosave does on the window's thread,
// and taking over such copies at the next start.
// Usage: bench_recovery_write [FOLDER]  (default: below the system's temporary folder)
#include "core/session/RecoveryStore.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

using namespace targello;
using Clock = std::chrono::steady_clock;

namespace {

std::string polish(std::size_t characters) {
    const char* letters[] = {"ż", "ó", "ł", "ć", "a", "ę", "ś", "ń", "ź", "ą", " "};
    std::string text;
    for (std::size_t k = 0; k < characters; ++k)
        text += letters[k % std::size(letters)];
    return text;
}

void fill(ShopPage& page) {
    for (int k = 0; k < 100; ++k) {
        page.InsertItem();
        page.SetItemName(k, polish(254));
        page.SetItemPrice(k, "1234567,89");
        page.SetItemDescription(k, polish(749));
        page.SetItemPicture(k, "C:\\Zdjęcia\\" + polish(200) + ".jpg", ItemPicture::File);
    }
    page.SetProjectPath("/home/handlarz/Sklepy/ceramika.esk");
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %.3f ms, 95%% %.3f ms, max %.3f ms\n", what, ms[ms.size() / 2],
                ms[ms.size() * 95 / 100], ms.back());
}

std::vector<double> measure(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int k = 0; k < runs; ++k) {
        const auto start = Clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return ms;
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
    report("recovery copy of a 100-item page", measure(300, [&] {
               if (!store.Write(page).Error.empty())
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
        const auto start = Clock::now();
        if (starting.TakeOrphans().Entries.size() != 10)
            std::abort();
        takeover.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        starting.RemoveOwn();
    }
    report("take over and check 10 copies of 100 items", takeover);
    store.RemoveOwn();
    std::filesystem::remove(folder);
}
