#include "core/modern/GenerateModernShop.h"

#include "core/files/ExportTransaction.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/generator/ShopPageText.h"
#include "core/modern/ModernIcons.h"
#include "core/modern/ModernPageText.h"
#include "core/modern/ModernPictureFolder.h"
#include "core/modern/ModernPictures.h"
#include "core/modern/PictureBatch.h"
#include "core/modern/SitemapFiles.h"
#include "core/modern/StagedPictureMaker.h"
#include "core/project/Utf8Path.h"
#include "core/settings/MenuLinkWarnings.h"
#include "core/workspace/ShopPage.h"

#ifdef TARGELLO_WITH_WEB_PICTURES
#include "core/webpictures/WebPictureModule.h"
#endif

#include <filesystem>

namespace targello {
namespace {

namespace fs = std::filesystem;

WebPictureMaker pictureMaker() {
#ifdef TARGELLO_WITH_WEB_PICTURES
    if (WebPictureMaker made = WebPictureModule::Shared().Maker())
        return made;
#endif
    return CopyWebPicture;
}

// What the user is told about the pictures being copied unchanged where this
// build makes copies but its picture module could not be loaded.
std::string copiedUnchangedNotice() {
#ifdef TARGELLO_WITH_WEB_PICTURES
    if (!WebPicturesBuiltIn())
        return WebPicturesMissingText(WebPictureModule::Shared().Problem());
#endif
    return {};
}

std::string pageFailure(std::string_view outputPath, const std::string& reason) {
    return "Nie można zapisać strony „" + std::string(outputPath) + "”: " + reason + ".";
}

// The first copy the batch could not write: a full disk fails the whole
// export, where a picture that cannot be read is only left out.
std::error_code writeError(const PictureBatchResult& batch) {
    for (std::size_t k = 0; k < batch.Outcomes.size(); ++k)
        if (batch.Done[k] && batch.Outcomes[k].WriteError)
            return batch.Outcomes[k].WriteError;
    return {};
}

// Why the page cannot be written at `output`, found before any picture is
// made: something else than a file stands there, or its folder takes no new file.
std::string outputProblem(const fs::path& output) {
    if (std::string problem = WritableFileProblem(output); !problem.empty())
        return problem;
    const fs::path folder = output.parent_path().empty() ? fs::path(".") : output.parent_path();
    if (StatusOfFile(folder).Kind != FileKind::Folder)
        return "folder, w którym ma powstać strona, nie istnieje";
    // What a run that was cut off left beside the page goes first.
    RemoveUnfinishedFilesOf(output);
    const fs::path probe = PathFromUtf8(StagingName(Utf8FromPath(output)));
    std::error_code ignored;
    const std::error_code error = WriteNewFile(probe, {});
    fs::remove(probe, ignored);
    return error ? FileErrorReason(error) : std::string();
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

// The files beside the page that are not pictures, each one only where the
// export may write it: the icon, and with a web address the sitemap and
// robots.txt. They take their places with the page.
class SiteFiles {
public:
    SiteFiles(const ShopPage& page, const ShopSettings& edited, const PathRules& rules,
              const std::string& pageFolder, const std::string& pictureFolder,
              const std::string& pageFileName)
        : web_(ShopWebAddressOf(page.Settings.PublicAddress, pageFileName)) {
        const fs::path icon = PathFromUtf8(rules.Join(pictureFolder, IconFileName));
        if (StatusOfFile(PathFromUtf8(pictureFolder)).Kind == FileKind::Folder &&
            MayWriteOwnFile(icon, IconMark)) {
            add(icon, IconSvg(page.Settings.ShopTitle, edited.HeaderColor));
            hasIcon_ = true;
        }
        if (!web_)
            return;
        const fs::path sitemap = PathFromUtf8(rules.Join(pageFolder, SitemapFileName));
        if (MayWriteOwnFile(sitemap, SitemapMark))
            add(sitemap, SitemapXml(*web_));
        const fs::path robots = PathFromUtf8(rules.Join(pageFolder, RobotsFileName));
        if (MayWriteOwnFile(robots, RobotsMark))
            add(robots, RobotsTxt(*web_));
    }

    bool HasIcon() const { return hasIcon_; }

    std::error_code Stage(ExportTransaction& transaction) const {
        for (const auto& [path, bytes] : files_)
            if (std::error_code error = transaction.StageBytes(path, bytes))
                return error;
        return {};
    }

private:
    void add(fs::path path, std::string bytes) { files_.emplace_back(std::move(path), std::move(bytes)); }

    std::optional<ShopWebAddress> web_;
    std::vector<std::pair<fs::path, std::string>> files_;
    bool hasIcon_ = false;
};

} // namespace

bool WebPicturesBuiltIn() {
#ifdef TARGELLO_WITH_WEB_PICTURES
    return WebPictureModule::Shared().Loaded();
#else
    return false;
#endif
}

ModernShopResult GenerateModernShop(const ShopPage& page, const ShopSettings& edited,
                                    std::string_view baseName, std::string_view outputPath, PathStyle style,
                                    const ModernShopProgress& progress) {
    ModernShopResult result;
    if (const std::string problem = outputProblem(PathFromUtf8(outputPath)); !problem.empty()) {
        result.ErrorText = pageFailure(outputPath, problem);
        return result;
    }
    const PathRules rules(style);
    const PageFolder folder{rules.OutputFolder(outputPath), style};
    const std::string pictureFolder = rules.Join(folder.Folder, baseName);
    // Nothing is replaced until every new file is complete: the copies, their
    // stamps and the page are made under staging names and renamed into place
    // together, so a full disk, a failure or a cancel leaves the previous
    // shop as it was. Only copies the export wrote itself are ever replaced.
    ExportTransaction transaction;
    const bool folderExisted = StatusOfFile(PathFromUtf8(pictureFolder)).Kind != FileKind::Missing;
    transaction.MakeFolder(
        PathFromUtf8(pictureFolder)); // one that cannot be made shows as pictures not written
    ModernPictureFolder own(pictureFolder);

    const WebPictureKind kind = WebPicturesBuiltIn() ? WebPictureKind::Encoded : WebPictureKind::Unchanged;
    ModernPictures pictures = PlanModernPictures(page, edited, baseName, folder.Folder, style, kind,
                                                 [&own](const std::string& name) { return own.Taken(name); });
    own.ClearUnfinished(pictures.Jobs);
    const PictureBatchResult batch =
        RunPictureBatch(pictures.Jobs, own.Stamps(), StagedPictureMaker(pictureMaker()), progress);
    result.PicturesMade = batch.Made;
    result.PicturesUnchanged = batch.Unchanged;
    if (!pictures.Jobs.empty())
        result.PicturesNotice = copiedUnchangedNotice();
    const std::string pageFileName = rules.FileName(outputPath);
    const SiteFiles site(page, edited, rules, folder.Folder, pictureFolder, pageFileName);
    if (!site.HasIcon())
        pictures.Icon.clear();
    std::error_code error;
    std::error_code folderError = batch.Cancelled ? std::error_code() : writeError(batch);
    if (!batch.Cancelled && !folderError) {
        for (std::size_t k = 0; k < pictures.Jobs.size(); ++k)
            if (!batch.Outcomes[k].Reason.empty())
                result.UnreadablePictures.push_back({pictures.Jobs[k].Source, batch.Outcomes[k].Reason});
            else if (batch.Done[k] && batch.Outcomes[k].MadeDespiteFault)
                result.PictureWarnings.push_back(DamagedPictureText(pictures.Jobs[k].Source));
        for (WebPictureAddress& address : pictures.Items)
            settle(address, batch);
        settle(pictures.Texture, batch);
        settle(pictures.Banner, batch);
        // Staged first, so renamed last: the page appears once its pictures are there.
        error = transaction.StageBytes(PathFromUtf8(outputPath),
                                       ModernPageText(page, edited, pictures, folder, pageFileName));
    }
    // The pictures first: an unwritable picture folder is told as such.
    if (!batch.Cancelled && !error && !folderError)
        folderError = own.Stage(pictures.Jobs, batch, transaction);
    if (!batch.Cancelled && !error && !folderError)
        error = site.Stage(transaction);
    if (!batch.Cancelled && !error && !folderError)
        error = transaction.Commit();
    if (batch.Cancelled || error || folderError) {
        transaction.Abandon();
        own.ClearUnfinished(pictures.Jobs); // copies made but never handed over
        std::error_code ignored;
        if (!folderExisted)
            fs::remove(PathFromUtf8(pictureFolder), ignored); // only when left empty
    }
    result.Cancelled = batch.Cancelled;
    if (folderError)
        result.ErrorText = PictureFolderFailureText(pictureFolder, std::string(outputPath), folderError);
    else if (error)
        result.ErrorText = pageFailure(outputPath, FileErrorReason(error));
    result.Succeeded = !batch.Cancelled && !error && !folderError;
    if (result.Succeeded && ShowsMenu(edited))
        result.LinkWarnings = MenuLinkWarnings(edited);
    return result;
}

std::string DamagedPictureText(const std::string& path) {
    return "Obrazek „" + path +
           "” użyto, choć jego plik jest uszkodzony; sprawdź, czy na stronie wygląda dobrze.";
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
