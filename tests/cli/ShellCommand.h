#pragma once

// Running a program as a user would from the platform's shell: sh on POSIX,
// cmd.exe on Windows. Commands are UTF-8 text; Windows gets them as wide
// text, so Polish letters in paths reach the program whole.
#include "core/project/Utf8Path.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace targello::testing {

#ifdef _WIN32
inline std::string ShellQuoted(const std::string& text) {
    return "\"" + text + "\""; // the tests' names never need escapes in cmd.exe
}

inline std::string ChangeFolderCommand(const std::string& folder) {
    return "cd /d " + ShellQuoted(folder);
}

// The command's exit code.
inline int RunShellCommand(const std::string& command) {
    return _wsystem(PathFromUtf8(command).c_str());
}
#else
inline std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

inline std::string ChangeFolderCommand(const std::string& folder) {
    return "cd " + ShellQuoted(folder);
}

// The command's exit code, or -1 when it ended by a signal.
inline int RunShellCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// What a console program wrote into `file`, with Windows' CR LF read as LF.
inline std::string ConsoleText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
#ifdef _WIN32
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
#endif
    return text;
}

} // namespace targello::testing
