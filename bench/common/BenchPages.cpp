#include "common/BenchPages.h"

#include "core/settings/EditedSettings.h"

#include <algorithm>
#include <cstdio>

namespace targello::bench {
namespace {

std::vector<std::filesystem::path> JpegFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".jpg")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

std::string PolishText(std::size_t characters) {
    const char* letters[] = {"ż", "ó", "ł", "ć", "a", "ę", "ś", "ń", "ź", "ą", " "};
    std::string text;
    for (std::size_t k = 0; k < characters; ++k)
        text += letters[k % std::size(letters)];
    return text;
}

void FillWithPolishItems(ShopPage& page) {
    for (int k = 0; k < 100; ++k) {
        page.InsertItem();
        page.SetItemName(k, PolishText(254));
        page.SetItemPrice(k, "1234567,89");
        page.SetItemDescription(k, PolishText(749));
        page.SetItemPicture(k, "C:\\Zdjęcia\\" + PolishText(200) + ".jpg", ItemPicture::File);
    }
}

int ReadPictureSet(const char* name, int argc, char** argv, std::vector<std::filesystem::path>& pictures) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURES_DIR OUTPUT_DIR\n", name);
        return 2;
    }
    pictures = JpegFiles(argv[1]);
    if (pictures.size() < 100) {
        std::fprintf(stderr, "%s holds %zu pictures, 100 needed\n", argv[1], pictures.size());
        return 1;
    }
    return 0;
}

ShopPage MugPage(const std::vector<std::filesystem::path>& pictures) {
    ShopPage page(0, NewPageSettings(EditedSettings::initial().Values));
    for (std::size_t i = 0; i < 100; ++i) {
        page.InsertItem();
        ShopItem& item = page.Item(static_cast<int>(i));
        item.Name = "Kubek „Żółw” nr " + std::to_string(i + 1);
        item.Price = std::to_string(10 + i) + ",50";
        item.Description = "Ręcznie malowany kubek z gliny, pojemność 300 ml. Można myć w zmywarce.";
        item.PicturePath = pictures[i % pictures.size()].string();
    }
    return page;
}

} // namespace targello::bench
