#include "core/webpictures/WebPictureModule.h"

#include "core/webpictures/WebPictureEntry.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <memory>

namespace targello {
namespace {

// `name` in the first folder of the program's library search path that
// holds it (its run path with $ORIGIN filled in, LD_LIBRARY_PATH, the
// system's folders), or `name` alone where none does. Looked up here rather
// than by dlopen, which searches the run path of the library that calls it:
// under AddressSanitizer that is the sanitizer's, not the program's.
std::string onSearchPath(const std::string& name) {
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

} // namespace

WebPictureModule::WebPictureModule(const std::string& path) {
    // RTLD_NOW: a libvips too old for the module is found here, not halfway
    // through an export; RTLD_LOCAL keeps its symbols out of the program's.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        problem_ = "nie udało się wczytać modułu obrazków „" + path + "” (" +
                   (reason ? reason : "nieznany błąd") + ")";
        return;
    }
    make_ = reinterpret_cast<Entry>(dlsym(handle, WebPictureEntryName));
    if (make_ == nullptr) {
        problem_ = "moduł obrazków „" + path + "” pochodzi z innej wersji programu";
        dlclose(handle);
    }
}

const WebPictureModule& WebPictureModule::Shared() {
    static const WebPictureModule module(
        onSearchPath(FileName)); // the language makes the first load thread-safe
    return module;
}

std::function<WebPictureOutcome(const WebPictureJob&)> WebPictureModule::Maker() const {
    if (make_ == nullptr)
        return {};
    return [make = make_](const WebPictureJob& job) {
        WebPictureOutcome outcome;
        make(&job, &outcome);
        return outcome;
    };
}

std::string WebPicturesMissingText(const std::string& problem) {
    return "Obrazków nie zmniejszono: " + problem +
           ". Skopiowano je bez zmian, w pełnym rozmiarze, więc strona wczytuje się wolniej. "
           "Aby je zmniejszyć, zainstaluj ponownie program i bibliotekę libvips (pakiet libvips42), "
           "a potem wygeneruj stronę jeszcze raz.";
}

} // namespace targello
