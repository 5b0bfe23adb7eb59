#include "core/webpictures/WebPictureModule.h"

#include "core/webpictures/WebPictureEntry.h"
#include "core/webpictures/WebPictureLibrary.h"

namespace targello {

WebPictureModule::WebPictureModule(const std::string& path) {
    std::string reason;
    void* library = WebPictureLibrary::Open(path, reason);
    if (library == nullptr) {
        problem_ = "nie udało się wczytać modułu obrazków „" + path + "” (" + reason + ")";
        return;
    }
    make_ = reinterpret_cast<Entry>(WebPictureLibrary::Function(library, WebPictureEntryName));
    if (make_ == nullptr) {
        problem_ = "moduł obrazków „" + path + "” pochodzi z innej wersji programu";
        WebPictureLibrary::Close(library);
    }
}

const WebPictureModule& WebPictureModule::Shared() {
    // The language makes the first load thread-safe.
    static const WebPictureModule module(WebPictureLibrary::Locate(WebPictureLibrary::FileName()));
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
           "Aby je zmniejszyć, " +
           WebPictureLibrary::Remedy() + ", a potem wygeneruj stronę jeszcze raz.";
}

} // namespace targello
