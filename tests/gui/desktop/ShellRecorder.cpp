// shell_recorder OUTPUT FILE: writes FILE, as UTF-8, into OUTPUT. Registered
// as the handler of pages and folders, it shows which name the shell passed.
#include <string>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3)
        return 2;
    char name[4 * MAX_PATH];
    const int length = WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, name, sizeof name, nullptr, nullptr);
    if (length <= 0)
        return 3;
    // Written under another name and then renamed: whoever waits for the
    // file never reads half of it.
    const std::wstring partial = std::wstring(argv[1]) + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 4;
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, name, static_cast<DWORD>(length - 1), &written, nullptr);
    CloseHandle(file);
    if (!wrote || !MoveFileExW(partial.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING))
        return 5;
    return 0;
}
