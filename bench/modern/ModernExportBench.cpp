// Times the modern export of a 100-item page whose pictures are 100 distinct
// large JPEGs: the first export (every copy of every picture) and a second
// one with the pictures unchanged, and reports what the output weighs.
// Usage: bench_modern PICTURES_DIR OUTPUT_DIR [WEB_ADDRESS]
// (with a web address, the shop is written as published there)
#include "common/BenchPages.h"
#include "common/BenchTiming.h"
#include "core/modern/GenerateModernShop.h"
#include "core/modern/WebPictureJob.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace targello;
using namespace targello::bench;

namespace {

// The bytes of the copies in `folder` whose names end in `ending`, or with
// an empty ending those that end in neither of `others` (the large copies).
std::uintmax_t bytesOf(const fs::path& folder, const std::string& ending,
                       const std::vector<std::string>& others = {}) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        const auto endsIn = [&](const std::string& end) {
            return name.size() > end.size() && name.ends_with(end);
        };
        const bool counted =
            ending.empty() ? std::none_of(others.begin(), others.end(), endsIn) : endsIn(ending);
        if (entry.is_regular_file() && entry.path().extension() == ".jpg" && counted)
            total += entry.file_size();
    }
    return total;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    const char* webAddress = argc == 4 ? argv[3] : "";
    if (const int failed = ReadPictureSet("bench_modern", argc == 4 ? 3 : argc, argv, files))
        return failed;
    const fs::path output = argv[2];
    fs::remove_all(output);
    fs::create_directories(output);
    ShopPage page = MugPage(files);
    page.Settings.ModernPage = true;
    page.Settings.PublicAddress = webAddress;
    EditedSettings edited = EditedSettings::initial();
    LoadPageIntoOptions(page.Settings, edited);
    const std::string html = (output / "sklep.html").string();
    const auto exportOnce = [&] {
        const ModernShopResult result = GenerateModernShop(page, edited.Values, "sklep", html);
        if (!result.Succeeded || !result.UnreadablePictures.empty())
            std::fprintf(stderr, "%s%s\n", result.ErrorText.c_str(),
                         PictureProblemsText(result.UnreadablePictures).c_str());
        return result.Succeeded;
    };
    bool ok = false;
    const double first = Milliseconds([&] { ok = exportOnce(); }) / 1000;
    if (!ok)
        return 1;
    const double second = Milliseconds([&] { ok = exportOnce(); }) / 1000;
    const std::string smallEnding = "-" + std::to_string(2 * edited.Values.PictureWidth) + "x" +
                                    std::to_string(2 * edited.Values.PictureHeight) + ".jpg";
    std::printf("first_export_s %.3f\nsecond_export_s %.3f\n", first, second);
    const std::string mediumEnding = "-" + std::to_string(MediumPictureWidth) + "w.jpg";
    const fs::path pictures = output / "sklep";
    std::printf(
        "page_bytes %ju\nsmall_pictures_bytes %ju\nmedium_pictures_bytes %ju\nlarge_pictures_bytes %ju\n",
        static_cast<std::uintmax_t>(fs::file_size(html)), bytesOf(pictures, smallEnding),
        bytesOf(pictures, mediumEnding), bytesOf(pictures, "", {smallEnding, mediumEnding}));
    std::printf("web_pictures %s\n", WebPicturesBuiltIn() ? "libvips" : "copied unchanged");
    return 0;
}
