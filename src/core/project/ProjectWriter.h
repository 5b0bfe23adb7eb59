#pragma once

#include "core/project/ProjectRecord.h"

#include <string>

namespace targello {

// The bytes of the project file for `record`: texts NUL-terminated and
// zero-filled to their field's width. A record from RecordFromPage always
// fits; a text longer than its field or more than 100 items throws
// std::invalid_argument rather than spill into the next field.
std::string SerializeProject(const ProjectRecord& record);

} // namespace targello
