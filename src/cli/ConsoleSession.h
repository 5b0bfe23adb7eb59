#pragma once

#include <string>
#include <vector>

namespace targello {

// What a console program needs to speak UTF-8 on every platform, held for
// the program's run: its arguments as UTF-8 text and a console that shows
// the UTF-8 it is given.
//
// On Windows `argv` holds the arguments in the ANSI code page, where "ą" may
// become "a" or "?" and a file name with it names another file; the wide
// command line holds them whole. The console's output code page is set to
// UTF-8 for the run and given back afterwards, since it belongs to the
// console window, which outlives the program.
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
    unsigned int previousCodePage_ = 0;
};

} // namespace targello
