#include "core/modern/GenerateModernShop.h"

#include "core/modern/ModernPageText.h"
#include "core/modern/ModernPictures.h"
#include "core/modern/PictureBatch.h"
#include "core/modern/ReplaceFile.h"
#include "core/project/Utf8Path.h"
#include "core/workspace/ShopPage.h"

#ifdef TARGELLO_WITH_WEB_PICTURES
#include "core/webpictures/WebPictures.h"
#endif

#include <filesystem>

namespace targello {
namespace {

WebPictureMaker pictureMaker() {
#ifdef TARGELLO_WITH_WEB_PICTURES
    return MakeWebPictures;
#else
    return CopyWebPicture;
#endif
}

// Takes the addresses of pictures that failed or were not made off the
// page, and gives the others the size of their large copy where known.
void settle(WebPictureAddress& address, const PictureBatchResult& batch) {
    if (address.Job < 0)
        return;
    const auto k = static_cast<std::size_t>(address.Job);
    if (!batch.Done[k] || !batch.Outcomes[k].Reason.empty()) {
        address = {};
        return;
    }
    address.Width = batch.Outcomes[k].LargeWidth;
    address.Height = batch.Outcomes[k].LargeHeight;
}

} // namespace

bool WebPicturesBuiltIn() {
#ifdef TARGELLO_WITH_WEB_PICTURES
    return true;
#else
    return false;
#endif
}

ModernShopResult GenerateModernShop(const ShopPage& page, const ShopSettings& edited,
                                    std::string_view baseName, std::string_view outputPath, PathStyle style,
                                    const ModernShopProgress& progress) {
    ModernShopResult result;
    ReplaceFile output{std::string(outputPath)};
    if (!output.Error().empty()) {
        result.ErrorText = output.Error();
        return result;
    }
    const PathRules rules(style);
    const PageFolder folder{rules.OutputFolder(outputPath), style};
    const std::string pictureFolder = rules.Join(folder.Folder, baseName);
    std::error_code ignored; // a folder that cannot be made shows as pictures that cannot be written
    std::filesystem::create_directory(PathFromUtf8(pictureFolder), ignored);

    const WebPictureKind kind = WebPicturesBuiltIn() ? WebPictureKind::Encoded : WebPictureKind::Unchanged;
    ModernPictures pictures = PlanModernPictures(page, edited, baseName, folder.Folder, style, kind);
    const PictureBatchResult batch = RunPictureBatch(pictures.Jobs, pictureFolder, pictureMaker(), progress);
    result.PicturesMade = batch.Made;
    result.PicturesUnchanged = batch.Unchanged;
    if (batch.Cancelled) {
        result.Cancelled = true;
        return result;
    }
    for (std::size_t k = 0; k < pictures.Jobs.size(); ++k)
        if (!batch.Outcomes[k].Reason.empty())
            result.UnreadablePictures.push_back({pictures.Jobs[k].Source, batch.Outcomes[k].Reason});
    for (WebPictureAddress& address : pictures.Items)
        settle(address, batch);
    settle(pictures.Texture, batch);
    settle(pictures.Banner, batch);

    const std::string pageFileName = rules.FileName(outputPath);
    result.ErrorText = output.Commit(ModernPageText(page, edited, pictures, folder, pageFileName));
    result.Succeeded = result.ErrorText.empty();
    return result;
}

std::string PictureProblemsText(const std::vector<PictureProblem>& problems) {
    if (problems.empty())
        return {};
    std::string text = problems.size() == 1 ? "Tego obrazka nie udało się użyć; sklep zapisano bez niego:\n"
                                            : "Tych obrazków nie udało się użyć; sklep zapisano bez nich:\n";
    for (const PictureProblem& problem : problems)
        text += "• " + problem.Path + " – " + problem.Reason + "\n";
    return text;
}

} // namespace targello
