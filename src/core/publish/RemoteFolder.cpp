#include "core/publish/RemoteFolder.h"

#include <sstream>

namespace targello {

bool IsPassing(RemoteProblem problem) {
    return problem == RemoteProblem::Refused || problem == RemoteProblem::TimedOut ||
           problem == RemoteProblem::Closed;
}

std::vector<RemoteEntry> ParseRemoteListing(const std::string& text) {
    std::vector<RemoteEntry> entries;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() < 10 || (line[0] != '-' && line[0] != 'd'))
            continue;
        // permissions, links, owner, group, size, month, day, time or year, then the name
        std::size_t at = 0;
        std::string size;
        bool whole = true;
        for (int field = 0; field < 8; ++field) {
            const std::size_t start = line.find_first_not_of(' ', at);
            if (start == std::string::npos) {
                whole = false;
                break;
            }
            at = line.find(' ', start);
            if (at == std::string::npos) {
                whole = false;
                break;
            }
            if (field == 4)
                size = line.substr(start, at - start);
        }
        if (!whole || size.empty() || size.find_first_not_of("0123456789") != std::string::npos)
            continue;
        RemoteEntry entry;
        entry.Name = line.substr(at + 1);
        entry.Size = std::stoull(size);
        entry.Folder = line[0] == 'd';
        if (!entry.Name.empty() && entry.Name != "." && entry.Name != "..")
            entries.push_back(entry);
    }
    return entries;
}

} // namespace targello
