#pragma once

#include <iostream>
#include <ostream>
#include <string>
#include <vector>

namespace targello {

// Exit codes of targello-export.
enum ExportExit : int {
    ExportSucceeded = 0,
    ExportFailed = 1,        // the project could not be opened or the shop not written
    ExportMisused = 2,       // wrong arguments
    ExportIncomplete = 3,    // the shop was written, but some pictures could not be copied
    ExportPublishFailed = 4, // the publish failed; the server holds the shop it had before
};

// targello-export [--opublikuj] PROJECT.esk OUTPUT.html: opens the project as the program's
// open command does and exports it as its export command would to OUTPUT.html
// (".html" is added to a name without an extension, as the save dialog does).
// `args` are the arguments after the program's name. The help goes to `out`,
// warnings and errors to `err`; a publish reads the password from `in`
// where TARGELLO_HASLO is unset.
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     std::istream& in = std::cin);

} // namespace targello
