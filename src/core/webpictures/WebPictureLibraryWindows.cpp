#include "core/project/Utf8Path.h"
#include "core/webpictures/WebPictureLibrary.h"

#include <filesystem>
#include <windows.h>

namespace targello::WebPictureLibrary {

const char* FileName() {
    return "targello-webpictures.dll";
}

// Windows programs carry their DLLs beside them: the module is looked for in
// the program's own folder, never in the working folder (a DLL planted
// beside a project must not be loaded).
std::string Locate(const std::string& name) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return name;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::filesystem::path candidate = std::filesystem::path(path).parent_path() / name;
    std::error_code error;
    return std::filesystem::is_regular_file(candidate, error) ? Utf8FromPath(candidate) : name;
}

void* Open(const std::string& path, std::string& reason) {
    // The module's own DLLs (Qt's) are found in the program's folder, where
    // the setup program puts them, or on PATH in the build tree.
    HMODULE library = LoadLibraryW(PathFromUtf8(path).c_str());
    if (library == nullptr)
        reason = "błąd systemu " + std::to_string(GetLastError());
    return reinterpret_cast<void*>(library);
}

void* Function(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void Close(void* library) {
    FreeLibrary(static_cast<HMODULE>(library));
}

std::string Remedy() {
    return "zainstaluj program ponownie";
}

} // namespace targello::WebPictureLibrary
