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
    // The bytes are on the disk now: a batch of photos must not keep them all.
    outcome.LargeBytes = std::string();
    outcome.SmallBytes = std::string();
    if (!outcome.WriteError)
        return;
    std::error_code ignored;
    fs::remove(PathFromUtf8(staged.LargeTarget), ignored);
    if (!staged.SmallTarget.empty())
        fs::remove(PathFromUtf8(staged.SmallTarget), ignored);
}

} // namespace

WebPictureMaker StagedPictureMaker(WebPictureMaker maker) {
    return [maker = std::move(maker)](const WebPictureJob& job) {
        WebPictureJob staged = job;
        staged.LargeTarget = StagingName(job.LargeTarget);
        if (!job.SmallTarget.empty())
            staged.SmallTarget =
                job.SmallTarget == job.LargeTarget ? staged.LargeTarget : StagingName(job.SmallTarget);
        WebPictureOutcome outcome = maker(staged);
        if (outcome.Reason.empty() && !outcome.WriteError)
            writeCopies(staged, outcome);
        return outcome;
    };
}

} // namespace targello
