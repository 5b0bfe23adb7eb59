#include "cli/ConsoleSession.h"

#ifdef _WIN32
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

#endif

} // namespace

ConsoleSession::ConsoleSession([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    arguments_ = wideArguments();
    previousCodePage_ = GetConsoleOutputCP(); // 0 without a console
    if (previousCodePage_ != 0 && previousCodePage_ != CP_UTF8)
        SetConsoleOutputCP(CP_UTF8);
#else
    arguments_.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
}

ConsoleSession::~ConsoleSession() {
#ifdef _WIN32
    if (previousCodePage_ != 0 && previousCodePage_ != CP_UTF8)
        SetConsoleOutputCP(previousCodePage_);
#endif
}

} // namespace targello
