#pragma once

#include <cstddef>
#include <optional>

namespace targello {

// A full disk on demand, for tests on machines where no small file system can
// be mounted: once a limit is set, writes through the file layer (the page,
// the copies) fail with "no space left" after that many more bytes, as they
// would on a disk that fills up. No limit is set unless a test sets one.
void SetWriteLimitForTests(std::optional<std::size_t> bytes);

// How many of `wanted` bytes the file layer may write now: all of them unless
// a test set a limit; 0 means the disk counts as full.
std::size_t WritableBytes(std::size_t wanted);

// Counts `written` bytes against the limit.
void CountWrittenBytes(std::size_t written);

// The same by files: once set, the file layer writes that many more files
// (pages, lists, copies) and every later one fails with "no space left",
// so that a test can fill the disk at each write of an export in turn.
void SetFileLimitForTests(std::optional<int> files);

// Takes one file write from the limit; false when the disk counts as full.
bool TakeFileWrite();

} // namespace targello
