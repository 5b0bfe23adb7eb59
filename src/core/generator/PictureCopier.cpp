#include "core/generator/PictureCopier.h"

#include <filesystem>
#include <system_error>

namespace targello {
namespace {

namespace fs = std::filesystem;

// On Windows a narrow string would be read in the ANSI code page.
fs::path PathFromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

bool SameSizeAndTime(const fs::path& source, const fs::path& target) {
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

CopyOutcome Copy(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!fs::is_regular_file(from, error))
        return CopyOutcome::Failed;
    if (SameSizeAndTime(from, to))
        return CopyOutcome::Unchanged;
    if (!fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) || error)
        return CopyOutcome::Failed;
    const auto time = fs::last_write_time(from, error);
    if (!error)
        fs::last_write_time(to, time, error);
    return CopyOutcome::Copied;
}

} // namespace

CopyOutcome CopyPicture(const std::string& source, const std::string& target) {
    try {
        return Copy(PathFromUtf8(source), PathFromUtf8(target));
    } catch (const std::exception&) { // a name the file system cannot take
        return CopyOutcome::Failed;
    }
}

} // namespace targello
