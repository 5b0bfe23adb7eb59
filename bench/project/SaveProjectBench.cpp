// Times saving and opening a project of 100 items whose texts fill their
// fields with Polish letters (the slowest case of the code page conversion).
// Usage: bench_project_save [FOLDER]  (default: the system's temporary folder)
#include "common/BenchPages.h"
#include "common/BenchTiming.h"
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectSave.h"
#include "core/project/ProjectToPage.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace targello;
using namespace targello::bench;

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
    const std::string file = (folder / "bench-100.esk").string();
    ShopWorkspace workspace;
    ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    FillWithPolishItems(page);
    for (MenuLink& link : page.Settings.MenuLinks)
        link = {PolishText(254), PolishText(254)};

    constexpr int Runs = 300;
    Report("convert page to bytes (100 items)", Measure(Runs, [&] {
               if (!ProjectBytesFromPage(page))
                   std::abort();
           }));
    Report("save to file, atomically (100 items)", Measure(Runs, [&] {
               if (!SaveProject(page, file).empty())
                   std::abort();
           }));
    Report("read, check and apply to a new page", Measure(Runs, [&] {
               const ProjectOutcome<ProjectRecord> read = ReadProjectFile(file);
               ShopPage opened(1, NewPageSettings(EditedSettings::initial().Values));
               ApplyProjectToPage(*read.Value, opened);
           }));
    std::printf("file: %s, %ju bytes\n", file.c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(file)));
    std::filesystem::remove(file);
}
