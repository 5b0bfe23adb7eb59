#include "cli/ConsoleSession.h"
#include "cli/ExportCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const targello::ConsoleSession console(argc, argv);
    const int exitCode = targello::RunExportCommand(console.Arguments(), std::cout, std::cerr);
    std::cout.flush();
    std::cerr.flush();
    return exitCode;
}
