#pragma once

#include <string>

namespace targello {

// A file written under a temporary name beside its target and put in place by
// one rename, so that a failed write (a full disk, a cut-off run) never leaves
// half a file where a good one stood.
class ReplaceFile {
public:
    // Opens the temporary file at once, so that a folder that cannot be
    // written is found before any other work. `path` is UTF-8.
    explicit ReplaceFile(std::string path);
    ~ReplaceFile(); // removes the temporary file unless committed
    ReplaceFile(const ReplaceFile&) = delete;
    ReplaceFile& operator=(const ReplaceFile&) = delete;

    // Empty when the temporary file could be created, else the Polish reason naming the path.
    const std::string& Error() const { return error_; }

    // Writes `bytes` and renames the file over the target; the Polish reason on failure.
    std::string Commit(const std::string& bytes);

private:
    std::string path_;
    std::string temporary_;
    std::string error_;
    bool committed_ = false;
};

} // namespace targello
