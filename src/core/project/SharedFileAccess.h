#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace targello {

// Puts `replacement` in the place of `target`: a reader sees the old file or
// the new one, never a mix. On Windows the target may be open in another
// program (Explorer's preview, a virus scanner, another Targello): that works
// where the other program allows deleting the file (on systems that cannot
// replace an open file in one step, the old file is first renamed aside), and
// a refusal is tried again for a moment, since such handles are soon closed.
// A read-only target is left as it is on Windows, as Windows programs do.
std::error_code MoveOver(const std::filesystem::path& replacement, const std::filesystem::path& target);

// Why MoveOver failed with `error`, in Polish, for a message naming the file.
std::string MoveOverFailure(const std::error_code& error);

// The first `limit` bytes of `file` (all of it when shorter), or nothing when
// it cannot be read, with the system's error in `error` where given. On
// Windows the file is opened so that others may still read, write, rename and
// replace it while it is being read.
std::optional<std::string> ReadFileStart(const std::filesystem::path& file, std::size_t limit,
                                         std::error_code* error = nullptr);

} // namespace targello
