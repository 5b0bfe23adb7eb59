// Times exporting a 100-item page whose pictures are 100 large JPEGs against
// `cp` of the same files, a second export with the pictures unchanged, and
// building the page text alone.
// Usage: bench_generator PICTURES_DIR OUTPUT_DIR
#include "common/BenchPages.h"
#include "common/BenchTiming.h"
#include "core/generator/GenerateShop.h"
#include "core/generator/PageCharset.h"
#include "core/generator/ShopPageText.h"
#include "core/generator/ShopPictures.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace targello;
using namespace targello::bench;

namespace {

// Freshly written files are flushed first, so that no run pays for another's.
void Settle() {
    std::system("sync");
}

} // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> pictures;
    if (const int failed = ReadPictureSet("bench_generator", argc, argv, pictures))
        return failed;
    const fs::path out = fs::absolute(argv[2]);
    const ShopPage page = MugPage(pictures);
    const ShopSettings edited = EditedSettings::initial().Values;
    std::uintmax_t bytes = 0;
    for (const fs::path& picture : pictures)
        bytes += fs::file_size(picture);
    std::printf("100 pictures, %.1f MB\n", static_cast<double>(bytes) / 1e6);

    // The page text alone: picture addresses, sections and code page.
    const int textRuns = 2000;
    std::size_t pageSize = 0;
    const double textMs = Milliseconds([&] {
        for (int run = 0; run < textRuns; ++run) {
            const ShopPictures planned = PlanShopPictures(page, "sklep", out.string(), NativePathStyle());
            pageSize += ConvertToPageCharset(ShopPageText(page, edited, planned, {out.string()})).size();
        }
    });
    std::printf("page text for 100 items: %.1f us (%zu bytes)\n", 1000.0 * textMs / textRuns,
                pageSize / textRuns);

    std::string cpCommand = "cp";
    for (const fs::path& picture : pictures)
        cpCommand += " '" + picture.string() + "'";
    cpCommand += " '" + (out / "cp").string() + "/'";

    const std::string html = (out / "sklep.html").string();
    std::vector<double> cp, first, second;
    GenerateResult result;
    const auto timeCp = [&] {
        cp.push_back(Milliseconds([&] {
            if (std::system(cpCommand.c_str()) != 0)
                std::fprintf(stderr, "cp failed\n");
        }));
        Settle();
    };
    const auto timeExport = [&] {
        first.push_back(Milliseconds([&] { result = GenerateShop(page, edited, "sklep", html); }));
        if (!result.Succeeded || result.PicturesCopied != 100)
            std::fprintf(stderr, "export: %s, %d copied\n", result.ErrorText.c_str(), result.PicturesCopied);
        Settle();
    };
    // cp and the export take turns at going first, so that neither gains
    // from coming second.
    for (int round = 0; round < 10; ++round) {
        fs::remove_all(out);
        fs::create_directories(out / "cp");
        Settle();
        if (round % 2 == 0) {
            timeCp();
            timeExport();
        } else {
            timeExport();
            timeCp();
        }
        second.push_back(Milliseconds([&] { result = GenerateShop(page, edited, "sklep", html); }));
        if (result.PicturesUnchanged != 100)
            std::fprintf(stderr, "second export: %d unchanged\n", result.PicturesUnchanged);
    }
    fs::remove_all(out);

    for (std::size_t round = 0; round < cp.size(); ++round)
        std::printf("round %zu: cp %.1f ms, export %.1f ms, again %.1f ms\n", round + 1, cp[round],
                    first[round], second[round]);
    const double cpMs = Median(cp);
    const double firstMs = Median(first);
    const double secondMs = Median(second);
    std::printf("cp of the pictures:        %7.1f ms (median of 10)\n", cpMs);
    std::printf("export:                    %7.1f ms = %.2f x cp (budget 1.30)\n", firstMs, firstMs / cpMs);
    std::printf("export, pictures unchanged: %6.1f ms = %.3f x export (budget 0.20)\n", secondMs,
                secondMs / firstMs);
    return 0;
}
