#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace targello {

// What stands at a path. Only regular files are ever opened: a FIFO blocks
// the reader until something writes to it, a device may never end.
enum class FileKind {
    Missing,
    Regular,
    Folder,
    Special, // a FIFO, a device or a socket
    Unknown, // the path could not be looked at: see the error
};

struct FileStatus {
    FileKind Kind = FileKind::Unknown;
    std::error_code Error; // set only for Unknown
};

// What stands at `path` (links followed), found from the file system's
// records alone without opening the file, so it never blocks.
FileStatus StatusOfFile(const std::filesystem::path& path);

// The Polish reason why `path` cannot be read as a file ("plik nie istnieje",
// "to jest folder", "to nie jest zwykły plik", …); empty when it is a
// regular file. Check a file with this before opening it.
std::string ReadableFileProblem(const std::filesystem::path& path);

// The Polish reason why a file cannot be written at `path`: anything that
// stands there but a regular file. Empty when the path is free or names a
// regular file.
std::string WritableFileProblem(const std::filesystem::path& path);

} // namespace targello
