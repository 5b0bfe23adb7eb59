#pragma once

#include "core/modern/WebPictureJob.h"

#include <map>
#include <string>

namespace targello {

// What the copies in a picture folder were made from: for each large copy,
// the small copy beside it and the size and modification time of its source
// at the time, and the large copy's size. Kept in the file ".targello-obrazki" in that folder, which
// names the copies only, never the sources, because the folder is published.
class PictureStamps {
public:
    static constexpr const char* FileName = ".targello-obrazki";

    // Reads the stamps of `folder` (UTF-8); a missing or damaged file reads as none.
    static PictureStamps Load(const std::string& folder);
    // Writes them under a temporary name first; false when that failed.
    bool Save(const std::string& folder) const;

    // Whether both copies of `job` exist and were made from its source as it
    // is now; if so, `made` gets the size the large copy was made at.
    bool Unchanged(const WebPictureJob& job, WebPictureOutcome& made) const;
    // Remembers that the copies of `job` were just made from its source.
    void Record(const WebPictureJob& job, const WebPictureOutcome& made);
    void Forget(const WebPictureJob& job);

private:
    struct Stamp {
        std::string Small;
        std::uintmax_t Size = 0;
        long long Time = 0;
        int Width = 0;
        int Height = 0;
    };
    std::map<std::string, Stamp> stamps_; // large copy's file name -> stamp
};

} // namespace targello
