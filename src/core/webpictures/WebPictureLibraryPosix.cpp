#include "core/webpictures/WebPictureLibrary.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <memory>

namespace targello::WebPictureLibrary {

const char* FileName() {
    return "targello-webpictures.so";
}

// Looked up here rather than by dlopen, which searches the run path of the
// library that calls it: under AddressSanitizer that is the sanitizer's, not
// the program's. The search path is the program's run path with $ORIGIN
// filled in, LD_LIBRARY_PATH and the system's folders.
std::string Locate(const std::string& name) {
    void* program = dlopen(nullptr, RTLD_LAZY);
    Dl_serinfo size;
    if (program == nullptr || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0)
        return name;
    const std::unique_ptr<Dl_serinfo, decltype(&std::free)> info(
        static_cast<Dl_serinfo*>(std::malloc(size.dls_size)), &std::free);
    if (!info)
        return name;
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFO, info.get()) != 0)
        return name;
    for (unsigned k = 0; k < info->dls_cnt; ++k) {
        const std::filesystem::path candidate = std::filesystem::path(info->dls_serpath[k].dls_name) / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
    }
    return name;
}

void* Open(const std::string& path, std::string& reason) {
    // RTLD_NOW: a libvips too old for the module is found here, not halfway
    // through an export; RTLD_LOCAL keeps its symbols out of the program's.
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* error = dlerror();
        reason = error ? error : "nieznany błąd";
    }
    return library;
}

void* Function(void* library, const char* name) {
    return dlsym(library, name);
}

void Close(void* library) {
    dlclose(library);
}

std::string Remedy() {
    return "zainstaluj ponownie program i bibliotekę libvips (pakiet libvips42)";
}

} // namespace targello::WebPictureLibrary
