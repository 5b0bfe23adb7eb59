#pragma once

#include <cstdint>

namespace targello {

// The id of this program's process.
std::int64_t CurrentProcessId();

// Whether a process with this id runs now. A process that exists but belongs
// to another user counts as running: its files are never ours to take.
bool ProcessIsRunning(std::int64_t process);

} // namespace targello
