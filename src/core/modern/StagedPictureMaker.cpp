#include "core/modern/StagedPictureMaker.h"

#include "core/files/FileCopy.h"
#include "core/modern/ModernPictureFolder.h"
#include "core/project/Utf8Path.h"

#include <filesystem>

namespace targello {
namespace {

namespace fs = std::filesystem;

// Writes `bytes` as the new file `target`, where a cut-off run may have left one.
std::error_code writeCopy(const std::string& target, const std::string& bytes) {
    const fs::path path = PathFromUtf8(target);
    std::error_code ignored;
    fs::remove(path, ignored);
    return WriteNewFile(path, bytes);
}

void writeCopies(const WebPictureJob& staged, WebPictureOutcome& outcome) {
    if (!outcome.LargeBytes.empty())
        outcome.WriteError = writeCopy(staged.LargeTarget, outcome.LargeBytes);
    if (!outcome.WriteError && !outcome.SmallBytes.empty() && staged.SmallTarget != staged.LargeTarget)
        outcome.WriteError = writeCopy(staged.SmallTarget, outcome.SmallBytes);
    if (!outcome.WriteError && !outcome.MediumBytes.empty() && !staged.MediumTarget.empty())
        outcome.WriteError = writeCopy(staged.MediumTarget, outcome.MediumBytes);
    // The bytes are on the disk now: a batch of photos must not keep them all.
    outcome.LargeBytes = std::string();
    outcome.SmallBytes = std::string();
    outcome.MediumBytes = std::string();
    if (!outcome.WriteError)
        return;
    std::error_code ignored;
    for (const std::string* copy : {&staged.LargeTarget, &staged.SmallTarget, &staged.MediumTarget})
        if (!copy->empty())
            fs::remove(PathFromUtf8(*copy), ignored);
}

} // namespace

WebPictureMaker StagedPictureMaker(WebPictureMaker maker) {
    return [maker = std::move(maker)](const WebPictureJob& job) {
        WebPictureJob staged = job;
        staged.LargeTarget = StagingName(job.LargeTarget);
        if (!job.SmallTarget.empty())
            staged.SmallTarget =
                job.SmallTarget == job.LargeTarget ? staged.LargeTarget : StagingName(job.SmallTarget);
        if (!job.MediumTarget.empty())
            staged.MediumTarget = StagingName(job.MediumTarget);
        WebPictureOutcome outcome = maker(staged);
        if (outcome.Reason.empty() && !outcome.WriteError)
            writeCopies(staged, outcome);
        return outcome;
    };
}

} // namespace targello
