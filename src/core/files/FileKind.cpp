#include "core/files/FileKind.h"

#include "core/files/FileErrorText.h"

namespace targello {

namespace fs = std::filesystem;

FileStatus StatusOfFile(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return {FileKind::Missing, {}};
    if (error || status.type() == fs::file_type::none || status.type() == fs::file_type::unknown)
        return {FileKind::Unknown, error ? error : std::make_error_code(std::errc::io_error)};
    if (fs::is_regular_file(status))
        return {FileKind::Regular, {}};
    if (fs::is_directory(status))
        return {FileKind::Folder, {}};
    return {FileKind::Special, {}};
}

std::string ReadableFileProblem(const fs::path& path) {
    const FileStatus status = StatusOfFile(path);
    switch (status.Kind) {
    case FileKind::Regular:
        return {};
    case FileKind::Missing:
        return "plik nie istnieje";
    case FileKind::Folder:
        return FolderReason;
    case FileKind::Special:
        return NotARegularFileReason;
    case FileKind::Unknown:
        break;
    }
    return FileErrorReason(status.Error);
}

std::string WritableFileProblem(const fs::path& path) {
    const FileStatus status = StatusOfFile(path);
    switch (status.Kind) {
    case FileKind::Regular:
    case FileKind::Missing:
        return {};
    case FileKind::Folder:
        return FolderReason;
    case FileKind::Special:
        return NotARegularFileReason;
    case FileKind::Unknown:
        break;
    }
    return FileErrorReason(status.Error);
}

} // namespace targello
