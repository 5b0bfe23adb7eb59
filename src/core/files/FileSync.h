#pragma once

#include <filesystem>
#include <system_error>

namespace targello {

// Making a finished file survive a power cut. A file written and renamed
// over the old one may still sit in the system's cache: were the battery to
// die then, the disk could hold the new name with no data behind it, an
// empty project where a whole one was. Every write that replaces a file the
// user keeps (the project, the recovery copy, the shop's page) puts the new
// file's data on the disk before the rename and the folder's new entry on it
// after.

// Puts what was written to `file` on the disk (fsync; FlushFileBuffers on
// Windows). Returns the error of a disk that could not take it.
std::error_code SyncFile(const std::filesystem::path& file);

// The same for a file open as the C library descriptor `descriptor`.
std::error_code SyncOpenFile(int descriptor);

// Puts the names in `folder` on the disk, so that a rename into it outlasts a
// power cut (fsync of the folder). A file system that cannot do that for a
// folder counts as done. On Windows there is no such call and nothing is
// done: NTFS records a rename in its journal, so a power cut leaves the old
// name or the new one, and the file's data, which must not be lost, was put
// on the disk before the rename.
std::error_code SyncFolder(const std::filesystem::path& folder);

// A disk that takes writes but fails to put them down (an unplugged stick, a
// failing disk), on demand: while set, SyncFile fails with an input/output
// error. Never set unless a test sets it.
void SetSyncFailureForTests(bool failing);

} // namespace targello
