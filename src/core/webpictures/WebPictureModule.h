#pragma once

#include "core/modern/WebPictureJob.h"

#include <functional>
#include <string>

namespace targello {

// The picture module: the code that makes the modern page's copies with
// libvips, built as a library of its own and loaded when the first picture
// is made. libvips brings some seventy libraries with it; linked into the
// programs, the loader would resolve all of them at every start, which
// doubled the time to the main window, though most sessions make no picture.
class WebPictureModule {
public:
    // Loads the module from `path` (a file name alone is looked for where the
    // system looks for libraries). The programs find it on their run path (the
    // build tree's bin folder, or the installed lib/targello folder), on
    // Windows beside the program. Once loaded, it stays for the life of the process.
    explicit WebPictureModule(const std::string& path);

    // The module the programs use, loaded on the first call; thread-safe.
    static const WebPictureModule& Shared();

    bool Loaded() const { return make_ != nullptr; }
    // The module's picture maker; empty when it could not be loaded.
    std::function<WebPictureOutcome(const WebPictureJob&)> Maker() const;
    // Why the module could not be loaded, for the export's message (in
    // Polish; the loader's own reason in parentheses); "" when loaded.
    const std::string& Problem() const { return problem_; }

private:
    using Entry = void (*)(const WebPictureJob*, WebPictureOutcome*);
    Entry make_ = nullptr;
    std::string problem_;
};

// What the user is told when pictures had to be copied unchanged because
// the module is missing: what happened, what it costs and how to mend it.
std::string WebPicturesMissingText(const std::string& problem);

} // namespace targello
