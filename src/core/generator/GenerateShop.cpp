#include "core/generator/GenerateShop.h"

#include "core/generator/PageCharset.h"
#include "core/generator/PictureCopier.h"
#include "core/generator/ShopPageText.h"
#include "core/generator/ShopPictures.h"

#include <filesystem>
#include <fstream>

namespace targello {
namespace {

namespace fs = std::filesystem;

fs::path PathFromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

void CopyPictures(const ShopPictures& pictures, const GenerateProgress& progress, GenerateResult& result) {
    const int total = static_cast<int>(pictures.Copies.size());
    int done = 0;
    for (const PictureCopy& copy : pictures.Copies) {
        switch (CopyPicture(copy.Source, copy.Target)) {
        case CopyOutcome::Copied:
            ++result.PicturesCopied;
            break;
        case CopyOutcome::Unchanged:
            ++result.PicturesUnchanged;
            break;
        case CopyOutcome::Failed:
            ++result.PicturesFailed;
            break;
        }
        if (progress)
            progress(++done, total);
    }
}

// Writes exactly the page's bytes: no byte-order mark, no line end added.
std::string WritePage(const std::string& bytes, std::string_view outputPath) {
    std::ofstream file;
    try {
        file.open(PathFromUtf8(outputPath), std::ios::binary | std::ios::trunc);
    } catch (const std::exception&) { // a name the file system cannot take
    }
    if (!file.is_open())
        return "Nie można utworzyć pliku " + std::string(outputPath);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        return "Nie można zapisać pliku " + std::string(outputPath);
    return {};
}

} // namespace

GenerateResult GenerateShop(const ShopPage& page, const ShopSettings& edited, std::string_view baseName,
                            std::string_view outputPath, PathStyle style, const GenerateProgress& progress) {
    const PathRules rules(style);
    const PageFolder folder{rules.OutputFolder(outputPath), style};

    // A folder that exists already, or cannot be made, is no reason to stop:
    // the copies into it fail on their own.
    try {
        std::error_code ignored;
        fs::create_directory(PathFromUtf8(rules.Join(folder.Folder, baseName)), ignored);
    } catch (const std::exception&) {
    }

    const ShopPictures pictures = PlanShopPictures(page, baseName, folder.Folder, style);
    GenerateResult result;
    CopyPictures(pictures, progress, result);

    const std::string bytes = ConvertToPageCharset(ShopPageText(page, edited, pictures, folder));
    result.ErrorText = WritePage(bytes, outputPath);
    result.Succeeded = result.ErrorText.empty();
    return result;
}

std::string ExportBaseName(std::string_view chosenPath, PathStyle style) {
    return PathRules(style).ExportBaseName(chosenPath);
}

} // namespace targello
