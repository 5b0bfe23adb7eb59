#include "cli/ConsoleSession.h"

#include <iostream>

#ifdef _WIN32
#include "cli/WideConsoleBuffer.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace targello {
namespace {

#ifdef _WIN32

std::string utf8FromWide(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back(); // the terminating NUL
    return utf8;
}

std::vector<std::string> wideArguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

// A buffer that writes to the console, or nothing when `which` is not one.
std::unique_ptr<std::streambuf> consoleBuffer(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return nullptr;
    return std::make_unique<WideConsoleBuffer>(handle);
}

#endif

} // namespace

ConsoleSession::ConsoleSession([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    arguments_ = wideArguments();
    consoleOut_ = consoleBuffer(STD_OUTPUT_HANDLE);
    consoleErr_ = consoleBuffer(STD_ERROR_HANDLE);
    if (consoleOut_)
        previousOut_ = std::cout.rdbuf(consoleOut_.get());
    if (consoleErr_)
        previousErr_ = std::cerr.rdbuf(consoleErr_.get());
#else
    arguments_.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
}

ConsoleSession::~ConsoleSession() {
    std::cout.flush();
    std::cerr.flush();
    if (previousOut_)
        std::cout.rdbuf(previousOut_);
    if (previousErr_)
        std::cerr.rdbuf(previousErr_);
}

} // namespace targello
