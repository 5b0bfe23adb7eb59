#include "core/webpictures/WebPictureModule.h"

#include "core/webpictures/WebPictureEntry.h"

#include <dlfcn.h>

namespace targello {

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
    static const WebPictureModule module(FileName); // the language makes the first load thread-safe
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
