#include "cli/ConsoleSession.h"
#include "cli/ExportCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const targello::ConsoleSession console(argc, argv);
    return targello::RunExportCommand(console.Arguments(), std::cout, std::cerr);
}
