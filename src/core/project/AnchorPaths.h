#pragma once

#include "core/project/ProjectRecord.h"

#include <string_view>

namespace targello {

// Makes every relative picture, texture and banner path of `record` a path
// below `folder`. A project whose files lie beside it (the sample shop)
// keeps its pictures wherever the program runs; paths that are already
// absolute, and empty ones, stay as they are. Menu links are addresses of
// the shop's own site and are left alone.
void AnchorPaths(ProjectRecord& record, std::string_view folder);

} // namespace targello
