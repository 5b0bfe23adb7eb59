// Times saving and opening a project of 100 items whose texts fill their
// fields with Polish letters (the slowest case of the code page conversion).
// Usage: bench_project_save [FOLDER]  (default: the system's temporary folder)
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectSave.h"
#include "core/project/ProjectToPage.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
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
    for (MenuLink& link : page.Settings.MenuLinks)
        link = {polish(254), polish(254)};
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
    const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
    const std::string file = (folder / "bench-100.esk").string();
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    fill(page);

    constexpr int Runs = 300;
    report("convert page to bytes (100 items)", measure(Runs, [&] {
               if (!ProjectBytesFromPage(page))
                   std::abort();
           }));
    report("save to file, atomically (100 items)", measure(Runs, [&] {
               if (!SaveProject(page, file).empty())
                   std::abort();
           }));
    report("read, check and apply to a new page", measure(Runs, [&] {
               const ProjectOutcome<ProjectRecord> read = ReadProjectFile(file);
               ShopPage opened(1, NewPageSettings(EditedSettings::initial().Values));
               ApplyProjectToPage(*read.Value, opened);
           }));
    std::printf("file: %s, %ju bytes\n", file.c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}
