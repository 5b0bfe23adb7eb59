#pragma once

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

// Windows has neither FIFOs nor a count of the blocks a file takes, and every
// user there may read their own files: the tests that need these say so and
// are skipped there instead of failing to build.
namespace targello::testing {

#ifdef _WIN32
inline constexpr bool HasFifos = false;
#else
inline constexpr bool HasFifos = true;
#endif

// Makes a FIFO at `path`; 0 on success, as mkfifo.
inline int MakeFifo([[maybe_unused]] const std::filesystem::path& path) {
#ifdef _WIN32
    return -1;
#else
    return ::mkfifo(path.c_str(), 0644);
#endif
}

// The bytes the file takes on the disk, or nothing where the system does not say.
inline std::optional<std::int64_t> AllocatedBytes([[maybe_unused]] const std::filesystem::path& path) {
#ifdef _WIN32
    return std::nullopt;
#else
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return static_cast<std::int64_t>(status.st_blocks) * 512;
#endif
}

inline bool RunsAsRoot() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

} // namespace targello::testing

#define TARGELLO_SKIP_WITHOUT_FIFOS()                                                                        \
    if (!targello::testing::HasFifos)                                                                        \
    GTEST_SKIP() << "Windows has no FIFOs"
