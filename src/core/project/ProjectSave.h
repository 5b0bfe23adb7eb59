#pragma once

#include "core/workspace/ShopPage.h"

#include <string>

namespace targello {

// Writes `bytes` to `path` (UTF-8) so that the file is either the old one or
// the new one whole: a temporary file in the same folder, put on the disk,
// then a rename over the target, so that not even a power cut leaves less. Returns the Polish message naming the path when that fails
// (the temporary file is removed), or an empty text on success.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// Saves `page` as a project file at `path`: the refusal of a page that does
// not fit the format, or the write's error; an empty text on success.
std::string SaveProject(const ShopPage& page, const std::string& path);

} // namespace targello
