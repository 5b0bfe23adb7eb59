#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace targello {

// Which side of a copy went wrong: a source that cannot be read is the
// source's fault, a target that cannot be written (a full disk) the target's.
enum class CopyFault { None, Source, Target, Cancelled };

struct CopyResult {
    CopyResult() = default;
    CopyResult(CopyFault fault, std::string reason, std::error_code error = {})
        : Fault(fault), Reason(std::move(reason)), Error(error) {}

    CopyFault Fault = CopyFault::None;
    std::string Reason;    // Polish, empty when the copy succeeded
    std::error_code Error; // the system's error where one stopped it

    explicit operator bool() const { return Fault == CopyFault::None; }
};

// Copies the regular file `source` into the new file `target`, which must not
// exist yet. The source is opened without blocking and refused unless it is a
// regular file. Holes stay holes: only the parts that hold data are copied,
// inside the kernel where it can, so a sparse 2 GB picture writes nothing of
// its holes. The copy gets the source's modification time. `cancel`, when
// given, is looked at between chunks. On failure the half-made target is
// removed.
CopyResult CopyFileKeepingHoles(const std::filesystem::path& source, const std::filesystem::path& target,
                                const std::atomic<bool>* cancel = nullptr);

// Writes `bytes` into the new file `target`, which must not exist yet. On
// failure the half-made file is removed and the error returned.
std::error_code WriteNewFile(const std::filesystem::path& target, std::string_view bytes);

} // namespace targello
