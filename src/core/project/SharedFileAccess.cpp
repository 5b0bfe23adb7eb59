#include "core/project/SharedFileAccess.h"

#include "core/files/FileErrorText.h"

#include <algorithm>
#include <chrono>
#include <thread>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fstream>
#endif

namespace targello {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32

// How long a held target is waited for before the save gives up.
constexpr int MoveAttempts = 20;
constexpr auto MoveRetryPause = std::chrono::milliseconds(50);

// FileRenameInfoEx of Windows 10 1607; older headers lack the name.
constexpr auto RenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD RenameReplaceIfExists = 0x1;
constexpr DWORD RenamePosixSemantics = 0x2;

std::error_code errorFrom(DWORD code) {
    return {static_cast<int>(code), std::system_category()};
}

bool isHeld(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION || code == ERROR_ACCESS_DENIED;
}

bool isHeld(const std::error_code& error) {
    return error.category() == std::system_category() && isHeld(static_cast<DWORD>(error.value()));
}

// Windows 10 on NTFS replaces a file that others have open (and allow to be
// deleted) in one step, as POSIX does; older systems, other file systems and
// wine answer that they cannot, and then MoveFileEx does it where nobody has
// the target open.
std::error_code renameReplacing(const fs::path& from, const fs::path& to) {
    const HANDLE source = CreateFileW(from.c_str(), DELETE | SYNCHRONIZE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source != INVALID_HANDLE_VALUE) {
        const std::wstring& name = to.native();
        std::string buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t), '\0');
        auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        info->Flags = RenameReplaceIfExists | RenamePosixSemantics;
        info->RootDirectory = nullptr;
        info->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
        std::copy(name.begin(), name.end(), info->FileName);
        const BOOL renamed =
            SetFileInformationByHandle(source, RenameInfoEx, info, static_cast<DWORD>(buffer.size()));
        const DWORD code = renamed ? ERROR_SUCCESS : GetLastError();
        CloseHandle(source);
        if (renamed)
            return {};
        if (code != ERROR_INVALID_PARAMETER && code != ERROR_NOT_SUPPORTED && code != ERROR_INVALID_FUNCTION)
            return errorFrom(code);
    }
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return errorFrom(GetLastError());
}

// Where one-step replacing is refused because the target is open, the open
// file can still be renamed (its readers allow deleting it): it steps aside,
// the new file takes its name, and the old one is deleted once its last
// reader closes it. Should the new file fail to move in, the old one returns.
std::error_code replaceBySteppingAside(const fs::path& from, const fs::path& to) {
    fs::path aside = to;
    aside += L".poprzedni-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
    if (!MoveFileExW(to.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH))
        return errorFrom(GetLastError());
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = GetLastError();
        MoveFileExW(aside.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
        return errorFrom(code);
    }
    DeleteFileW(aside.c_str());
    return {};
}

#endif

} // namespace

#ifdef _WIN32

std::error_code MoveOver(const fs::path& replacement, const fs::path& target) {
    // Windows programs leave a read-only file as it is; stepping it aside
    // would get round that.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return errorFrom(ERROR_FILE_READ_ONLY);
    for (int attempt = 1;; ++attempt) {
        std::error_code error = renameReplacing(replacement, target);
        std::error_code ignored;
        if (error && isHeld(error) && fs::exists(target, ignored))
            error = replaceBySteppingAside(replacement, target);
        if (!error || !isHeld(error) || attempt == MoveAttempts)
            return error;
        std::this_thread::sleep_for(MoveRetryPause);
    }
}

std::string MoveOverFailure(const std::error_code& error) {
    if (error == errorFrom(ERROR_FILE_READ_ONLY))
        return "nie da się zastąpić pliku, bo jest tylko do odczytu";
    if (isHeld(error))
        return "nie da się zastąpić pliku, bo jest otwarty w innym programie; zamknij go tam i zapisz "
               "ponownie";
    return "nie da się zastąpić pliku: " + FileErrorReason(error);
}

std::optional<std::string> ReadFileStart(const fs::path& file, std::size_t limit, std::error_code* error) {
    const HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (error)
            *error = errorFrom(GetLastError());
        return std::nullopt;
    }
    std::string bytes(limit, '\0');
    std::size_t filled = 0;
    bool failed = false;
    while (filled < limit) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(limit - filled, 1 << 20));
        DWORD got = 0;
        if (!ReadFile(handle, bytes.data() + filled, wanted, &got, nullptr)) {
            failed = true;
            if (error)
                *error = errorFrom(GetLastError());
            break;
        }
        if (got == 0)
            break;
        filled += got;
    }
    CloseHandle(handle);
    if (failed)
        return std::nullopt;
    bytes.resize(filled);
    return bytes;
}

#else

std::error_code MoveOver(const fs::path& replacement, const fs::path& target) {
    std::error_code error;
    fs::rename(replacement, target, error);
    return error;
}

std::string MoveOverFailure(const std::error_code& error) {
    return "nie da się zastąpić pliku: " + FileErrorReason(error);
}

std::optional<std::string> ReadFileStart(const fs::path& file, std::size_t limit, std::error_code* error) {
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    // The stream keeps no error of its own; the C library's is the one left by open or read.
    const auto failure = [&] {
        if (error)
            *error = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
        return std::nullopt;
    };
    if (!in)
        return failure();
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (!in && !in.eof())
        return failure();
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

#endif

} // namespace targello
