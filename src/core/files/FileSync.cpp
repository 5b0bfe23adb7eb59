#include "core/files/FileSync.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cerrno>

namespace targello {

namespace fs = std::filesystem;

namespace {

std::atomic<bool> syncFails{false};

std::error_code FailedSync() {
    return std::make_error_code(std::errc::io_error);
}

} // namespace

void SetSyncFailureForTests(bool failing) {
    syncFails = failing;
}

#ifdef _WIN32

std::error_code SyncFile(const fs::path& file) {
    if (syncFails)
        return FailedSync();
    // FlushFileBuffers wants a handle that may write.
    const HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {static_cast<int>(GetLastError()), std::system_category()};
    const BOOL flushed = FlushFileBuffers(handle);
    const DWORD code = flushed ? ERROR_SUCCESS : GetLastError();
    CloseHandle(handle);
    return flushed ? std::error_code{} : std::error_code{static_cast<int>(code), std::system_category()};
}

std::error_code SyncOpenFile(int descriptor) {
    if (syncFails)
        return FailedSync();
    return _commit(descriptor) == 0 ? std::error_code{} : std::error_code{errno, std::generic_category()};
}

std::error_code SyncFolder(const fs::path&) {
    return {};
}

#else

namespace {

std::error_code SyncDescriptor(int fd) {
    int result;
    do
        result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0 ? std::error_code{} : std::error_code{errno, std::generic_category()};
}

std::error_code Sync(const fs::path& path, int flags) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0)
        return {errno, std::generic_category()};
    const std::error_code error = SyncDescriptor(fd);
    ::close(fd);
    return error;
}

} // namespace

std::error_code SyncFile(const fs::path& file) {
    if (syncFails)
        return FailedSync();
    return Sync(file, O_NONBLOCK);
}

std::error_code SyncOpenFile(int descriptor) {
    if (syncFails)
        return FailedSync();
    return SyncDescriptor(descriptor);
}

std::error_code SyncFolder(const fs::path& folder) {
    const std::error_code error = Sync(folder.empty() ? fs::path(".") : folder, O_DIRECTORY);
    // Some file systems (and some network shares) cannot sync a folder at all.
    if (error == std::errc::invalid_argument || error == std::errc::operation_not_supported ||
        error == std::errc::bad_file_descriptor)
        return {};
    return error;
}

#endif

} // namespace targello
