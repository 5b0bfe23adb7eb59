#include "core/modern/ModernPictureFolder.h"

#include "core/files/ExportManifest.h"
#include "core/files/ExportTransaction.h"
#include "core/files/FileKind.h"
#include "core/project/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace targello {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view StagingEnd = ".targello-new";

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The copies of a job: the large one, and the small and middle ones where they have names of their own.
std::vector<const std::string*> copiesOf(const WebPictureJob& job) {
    std::vector<const std::string*> copies{&job.LargeTarget};
    if (!job.SmallTarget.empty() && job.SmallTarget != job.LargeTarget)
        copies.push_back(&job.SmallTarget);
    if (!job.MediumTarget.empty())
        copies.push_back(&job.MediumTarget);
    return copies;
}

// Where a copy of the job stands until it takes its name; empty for a copy the job does not make.
fs::path stagedCopy(const WebPictureJob& job, const std::string& target) {
    const std::vector<const std::string*> copies = copiesOf(job);
    const bool made =
        std::any_of(copies.begin(), copies.end(), [&](const std::string* copy) { return copy == &target; });
    return made ? PathFromUtf8(StagingName(target)) : fs::path();
}

} // namespace

std::string StagingName(const std::string& target) {
    const fs::path path = PathFromUtf8(target);
    return Utf8FromPath(path.parent_path() /
                        PathFromUtf8("." + Utf8FromPath(path.filename()) + std::string(StagingEnd)));
}

ModernPictureFolder::ModernPictureFolder(std::string folder)
    : folder_(std::move(folder)), stamps_(PictureStamps::Load(folder_)) {}

bool ModernPictureFolder::Taken(const std::string& name) const {
    // The export's own lists, and names only its unfinished copies carry.
    if (name == PictureStamps::FileName || name == ExportManifest::FileName || endsWith(name, StagingEnd))
        return true;
    const fs::path file = PathFromUtf8(folder_) / PathFromUtf8(name);
    switch (StatusOfFile(file).Kind) {
    case FileKind::Missing:
        return false;
    case FileKind::Regular:
        return !stamps_.Wrote(name, file);
    case FileKind::Folder:
    case FileKind::Special:
        return true;
    case FileKind::Unknown:
        break;
    }
    // A name that cannot even be looked at (too long for the disk, a folder
    // without access) cannot be written either: the copy fails and is named,
    // and nothing is replaced. Taking the next name would only grow it.
    return false;
}

void ModernPictureFolder::ClearUnfinished(const std::vector<WebPictureJob>& jobs) const {
    std::set<std::string> planned{PictureStamps::FileName};
    for (const WebPictureJob& job : jobs)
        for (const std::string* copy : copiesOf(job))
            planned.insert(Utf8FromPath(PathFromUtf8(*copy).filename()));
    RemoveUnfinishedFiles(PathFromUtf8(folder_), [&](const std::string& name) {
        return planned.count(name) != 0 || stamps_.Lists(name);
    });
}

std::error_code ModernPictureFolder::Stage(const std::vector<WebPictureJob>& jobs,
                                           const PictureBatchResult& batch, ExportTransaction& transaction) {
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        if (!batch.Done[k] || batch.Kept[k])
            continue;
        if (!batch.Outcomes[k].Reason.empty()) {
            stamps_.Forget(jobs[k]);
            continue;
        }
        stamps_.Record(jobs[k], batch.Outcomes[k], stagedCopy(jobs[k], jobs[k].LargeTarget),
                       stagedCopy(jobs[k], jobs[k].SmallTarget), stagedCopy(jobs[k], jobs[k].MediumTarget));
        for (const std::string* copy : copiesOf(jobs[k])) {
            const fs::path staged = PathFromUtf8(StagingName(*copy));
            if (StatusOfFile(staged).Kind == FileKind::Regular)
                transaction.StageWritten(staged, PathFromUtf8(*copy));
        }
    }
    // Without a folder no copy was made, and there is nothing to describe.
    if (StatusOfFile(PathFromUtf8(folder_)).Kind != FileKind::Folder)
        return {};
    return transaction.StageBytes(PathFromUtf8(folder_) / PictureStamps::FileName, stamps_.Bytes());
}

} // namespace targello
