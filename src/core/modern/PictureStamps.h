#pragma once

#include "core/modern/WebPictureJob.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace targello {

// What the copies in a picture folder were made from and what they were made
// as: for each large copy, the small and middle copies beside it, the size
// and modification time of its source at the time, the size the large copy
// was made at, and the size and modification time each copy had when it was
// written. The middle copy has a line of its own after its large copy's, which
// versions that made no middle copy pass over, so they still read the rest. Kept in the file
// ".targello-obrazki" in that folder, which names the copies only, never the sources, because the folder is
// published.
//
// The copies' own sizes and times tell the export's files from the user's:
// a file in the folder is replaced only while it is still the copy the
// export wrote. A user's "miod.jpg" put there later, or a copy the user
// edited, no longer matches and is left alone.
class PictureStamps {
public:
    static constexpr const char* FileName = ".targello-obrazki";

    // Reads the stamps of `folder` (UTF-8); a missing or damaged file reads as none.
    static PictureStamps Load(const std::string& folder);
    // The stamps file's content.
    std::string Bytes() const;

    // Whether `name` is one of the copies the stamps know.
    bool Lists(const std::string& name) const;
    // Whether the file `file` is the copy `name` as the export wrote it.
    bool Wrote(const std::string& name, const std::filesystem::path& file) const;

    // Whether both copies of `job` are as the export wrote them and were made
    // from its source as it is now; if so, `made` gets the size the large
    // copy was made at.
    bool Unchanged(const WebPictureJob& job, WebPictureOutcome& made) const;
    // Remembers that the copies of `job` were just made from its source, as
    // the files `largeCopy`, `smallCopy` and `mediumCopy` (where they stand
    // until they take their names: a rename keeps a file's size and time).
    void Record(const WebPictureJob& job, const WebPictureOutcome& made,
                const std::filesystem::path& largeCopy, const std::filesystem::path& smallCopy,
                const std::filesystem::path& mediumCopy = {});
    // Forgets what the copies of `job` were made from, so that they are made
    // again; they stay the export's own to replace.
    void Forget(const WebPictureJob& job);

private:
    struct FileState {
        std::uintmax_t Size = 0;
        long long Time = 0;
        bool Known = false; // stamps of older versions did not record their copies

        bool operator==(const FileState&) const = default;
    };
    struct Stamp {
        std::string Small;
        FileState Source;
        int Width = 0;
        int Height = 0;
        FileState LargeCopy;
        FileState SmallCopy;
        std::string Medium;
        FileState MediumCopy;
    };
    static bool Matches(const FileState& written, const std::filesystem::path& file);
    // One line of the stamps file, split at its tabs; throws where a number is damaged.
    void ReadLine(const std::vector<std::string>& fields, const std::string& folder);
    void Retire(const std::string& name, const FileState& written);
    static FileState StateOf(const std::filesystem::path& file);

    std::map<std::string, Stamp> stamps_; // large copy's file name -> stamp
    // Copies the export wrote that no stamp describes any more, kept while
    // they stand: those a new copy of the same name replaces (the stamps take
    // their place before the copies do, and an export cut off in between
    // leaves the old ones standing) and small copies of an earlier size.
    std::multimap<std::string, FileState> retired_;
};

} // namespace targello
