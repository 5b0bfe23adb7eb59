#pragma once

#include <memory>
#include <streambuf>
#include <string>
#include <vector>

namespace targello {

// What a console program needs to speak UTF-8 on every platform, held for
// the program's run: its arguments as UTF-8 text, and std::cout and
// std::cerr shown as the UTF-8 they are given.
//
// On Windows `argv` holds the arguments in the ANSI code page, where "ą" may
// become "a" or "?" and a file name with it names another file; the wide
// command line holds them whole. A console shows bytes in its own code page
// (852 or 437, not UTF-8), so text for a console is handed to it as UTF-16;
// output into a file or a pipe stays UTF-8 bytes.
class ConsoleSession {
public:
    ConsoleSession(int argc, char** argv);
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    // The arguments after the program's name.
    const std::vector<std::string>& Arguments() const { return arguments_; }

private:
    std::vector<std::string> arguments_;
    std::unique_ptr<std::streambuf> consoleOut_;
    std::unique_ptr<std::streambuf> consoleErr_;
    std::streambuf* previousOut_ = nullptr;
    std::streambuf* previousErr_ = nullptr;
};

} // namespace targello
