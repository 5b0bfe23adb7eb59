#pragma once

#include "core/project/ProjectOutcome.h"
#include "core/project/ProjectRecord.h"

#include <string>
#include <string_view>

namespace targello {

// A project read and checked as a whole, or the Polish message naming the
// file and the problem. Checks everything before the caller applies anything: the size matches the
// item count exactly (or the fixed part is followed by exactly one well-formed trailer), 0 to 100 items, 1 to 4 columns, every text field ends
// within its width, every flag is 0 or 1. "(null)" in a header text reads
// as empty. `fileName` only names the file in the message.
ProjectOutcome<ProjectRecord> ParseProject(std::string_view bytes, const std::string& fileName);

// Reads the file at `path` (UTF-8) and parses it; a file larger than any
// project is refused without being read.
ProjectOutcome<ProjectRecord> ReadProjectFile(const std::string& path);

} // namespace targello
