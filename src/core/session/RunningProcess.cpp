#include "core/session/RunningProcess.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace targello {

#ifdef _WIN32

std::int64_t CurrentProcessId() {
    return static_cast<std::int64_t>(GetCurrentProcessId());
}

bool ProcessIsRunning(std::int64_t process) {
    if (process <= 0 || process > 0xFFFFFFFF)
        return false;
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process));
    if (handle == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(handle, &code) && code == STILL_ACTIVE;
    CloseHandle(handle);
    return running;
}

#else

std::int64_t CurrentProcessId() {
    return static_cast<std::int64_t>(getpid());
}

bool ProcessIsRunning(std::int64_t process) {
    // kill(0, …) and negative ids address process groups, not one process.
    if (process <= 0 || static_cast<pid_t>(process) != process)
        return false;
    return kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

#endif

} // namespace targello
