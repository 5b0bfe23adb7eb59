#pragma once

#include <string>

namespace targello {

enum class CopyOutcome {
    Copied,
    Unchanged, // the target already had the source's size and modification time
    Failed,    // no such source, or the target could not be written
};

// Copies one picture file, replacing the target, and gives the copy the
// source's modification time, so that the next run can skip it while the
// source stays unchanged. Paths are UTF-8.
CopyOutcome CopyPicture(const std::string& source, const std::string& target);

} // namespace targello
