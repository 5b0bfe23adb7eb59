#include "core/generator/PictureCopier.h"

#include "core/files/ExportTransaction.h"
#include "core/files/FileKind.h"
#include "core/project/Utf8Path.h"

#include <system_error>

namespace targello {
namespace {

namespace fs = std::filesystem;

bool SameSizeAndTime(const fs::path& source, const fs::path& target) {
    if (StatusOfFile(target).Kind != FileKind::Regular || StatusOfFile(source).Kind != FileKind::Regular)
        return false;
    std::error_code error;
    const auto targetSize = fs::file_size(target, error);
    if (error)
        return false;
    const auto sourceSize = fs::file_size(source, error);
    if (error || sourceSize != targetSize)
        return false;
    const auto targetTime = fs::last_write_time(target, error);
    if (error)
        return false;
    const auto sourceTime = fs::last_write_time(source, error);
    return !error && sourceTime == targetTime;
}

PictureCopyResult Stage(const fs::path& from, const fs::path& to, ExportTransaction& transaction,
                        const std::atomic<bool>* cancel) {
    if (const std::string problem = ReadableFileProblem(from); !problem.empty())
        return {CopyOutcome::Unreadable, problem};
    if (SameSizeAndTime(from, to))
        return {CopyOutcome::Unchanged, {}};
    const CopyResult copied = transaction.StageCopy(from, to, cancel);
    switch (copied.Fault) {
    case CopyFault::None:
        return {CopyOutcome::Copied, {}};
    case CopyFault::Source:
        return {CopyOutcome::Unreadable, copied.Reason};
    case CopyFault::Target:
        return {CopyOutcome::NotWritten, copied.Reason};
    case CopyFault::Cancelled:
        break;
    }
    return {CopyOutcome::Cancelled, copied.Reason};
}

} // namespace

PictureCopyResult StagePictureCopy(const PictureCopy& copy, ExportTransaction& transaction,
                                   const std::atomic<bool>* cancel) {
    try {
        return Stage(PathFromUtf8(copy.Source), PathFromUtf8(copy.Target), transaction, cancel);
    } catch (const std::exception&) { // a name the file system cannot take
        return {CopyOutcome::Unreadable, "nazwa, której ten dysk nie przyjmuje"};
    }
}

bool SameSizeAndTime(const std::string& source, const std::string& target) {
    try {
        return SameSizeAndTime(PathFromUtf8(source), PathFromUtf8(target));
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace targello
