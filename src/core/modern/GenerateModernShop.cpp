#include "core/modern/GenerateModernShop.h"

#include "core/files/ExportTransaction.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/modern/ModernPageText.h"
#include "core/modern/ModernPictures.h"
#include "core/modern/PictureBatch.h"
#include "core/modern/PictureStamps.h"
#include "core/project/Utf8Path.h"
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

// The hidden name beside `target` (UTF-8) that a new copy is made under until
// the export puts every file in its place at once.
std::string stagingName(const std::string& target) {
    const fs::path path = PathFromUtf8(target);
    return Utf8FromPath(path.parent_path() /
                        PathFromUtf8("." + Utf8FromPath(path.filename()) + ".targello-new"));
}

// `maker`, writing the copies under their staging names.
WebPictureMaker stagingMaker(WebPictureMaker maker) {
    return [maker = std::move(maker)](const WebPictureJob& job) {
        WebPictureJob staged = job;
        staged.LargeTarget = stagingName(job.LargeTarget);
        if (!job.SmallTarget.empty())
            staged.SmallTarget =
                job.SmallTarget == job.LargeTarget ? staged.LargeTarget : stagingName(job.SmallTarget);
        return maker(staged);
    };
}

// Hands the copies the batch made to `transaction`, to be renamed into place with the page.
void stageCopies(const std::vector<WebPictureJob>& jobs, const PictureBatchResult& batch,
                 ExportTransaction& transaction) {
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        if (!batch.Done[k] || !batch.Outcomes[k].Reason.empty())
            continue;
        for (const std::string* target : {&jobs[k].LargeTarget, &jobs[k].SmallTarget}) {
            if (target->empty() || (target == &jobs[k].SmallTarget && *target == jobs[k].LargeTarget))
                continue;
            const fs::path staged = PathFromUtf8(stagingName(*target));
            if (StatusOfFile(staged).Kind == FileKind::Regular) // an unchanged copy was not made again
                transaction.StageWritten(staged, PathFromUtf8(*target));
        }
    }
}

std::string pageFailure(std::string_view outputPath, const std::string& reason) {
    return "Nie można zapisać strony „" + std::string(outputPath) + "”: " + reason + ".";
}

// Why the page cannot be written at `output`, found before any picture is
// made: something else than a file stands there, or its folder takes no new file.
std::string outputProblem(const fs::path& output) {
    if (std::string problem = WritableFileProblem(output); !problem.empty())
        return problem;
    const fs::path folder = output.parent_path().empty() ? fs::path(".") : output.parent_path();
    if (StatusOfFile(folder).Kind != FileKind::Folder)
        return "folder, w którym ma powstać strona, nie istnieje";
    const fs::path probe = PathFromUtf8(stagingName(Utf8FromPath(output)));
    std::error_code ignored;
    fs::remove(probe, ignored); // left by a run that was cut off
    const std::error_code error = WriteNewFile(probe, {});
    fs::remove(probe, ignored);
    return error ? FileErrorReason(error) : std::string();
}

// The picture folder's stamps as they were before the run, put back when the
// run does not commit, since the copies they describe then stay.
class StampsBefore {
public:
    explicit StampsBefore(const std::string& folder)
        : folder_(folder), stamps_(PictureStamps::Load(folder)),
          existed_(StatusOfFile(PathFromUtf8(folder) / PictureStamps::FileName).Kind == FileKind::Regular) {}
    void PutBack() const {
        std::error_code ignored;
        if (existed_)
            stamps_.Save(folder_);
        else
            fs::remove(PathFromUtf8(folder_) / PictureStamps::FileName, ignored);
    }

private:
    std::string folder_;
    PictureStamps stamps_;
    bool existed_;
};

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
    // Nothing is replaced until every new file is complete: the copies and
    // the page are made under staging names and renamed into place together,
    // so a full disk, a failure or a cancel leaves the previous shop as it was.
    ExportTransaction transaction;
    const bool folderExisted = StatusOfFile(PathFromUtf8(pictureFolder)).Kind != FileKind::Missing;
    transaction.MakeFolder(
        PathFromUtf8(pictureFolder)); // one that cannot be made shows as pictures not written
    const StampsBefore stampsBefore(pictureFolder);

    const WebPictureKind kind = WebPicturesBuiltIn() ? WebPictureKind::Encoded : WebPictureKind::Unchanged;
    ModernPictures pictures = PlanModernPictures(page, edited, baseName, folder.Folder, style, kind);
    const PictureBatchResult batch =
        RunPictureBatch(pictures.Jobs, pictureFolder, stagingMaker(pictureMaker()), progress);
    result.PicturesMade = batch.Made;
    result.PicturesUnchanged = batch.Unchanged;
    if (!pictures.Jobs.empty())
        result.PicturesNotice = copiedUnchangedNotice();
    const std::string pageFileName = rules.FileName(outputPath);
    std::error_code error;
    if (!batch.Cancelled) {
        for (std::size_t k = 0; k < pictures.Jobs.size(); ++k)
            if (!batch.Outcomes[k].Reason.empty())
                result.UnreadablePictures.push_back({pictures.Jobs[k].Source, batch.Outcomes[k].Reason});
        for (WebPictureAddress& address : pictures.Items)
            settle(address, batch);
        settle(pictures.Texture, batch);
        settle(pictures.Banner, batch);
        // Staged first, so renamed last: the page appears once its pictures are there.
        error = transaction.StageBytes(PathFromUtf8(outputPath),
                                       ModernPageText(page, edited, pictures, folder, pageFileName));
    }
    stageCopies(pictures.Jobs, batch, transaction);
    if (!batch.Cancelled && !error)
        error = transaction.Commit();
    if (batch.Cancelled || error) {
        stampsBefore.PutBack();
        transaction.Abandon();
        std::error_code ignored;
        if (!folderExisted)
            fs::remove(PathFromUtf8(pictureFolder), ignored); // only when left empty
    }
    result.Cancelled = batch.Cancelled;
    if (error)
        result.ErrorText = pageFailure(outputPath, FileErrorReason(error));
    result.Succeeded = !batch.Cancelled && !error;
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
