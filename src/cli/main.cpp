#include "cli/ExportCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return targello::RunExportCommand(args, std::cout, std::cerr);
}
