#pragma once

#include "core/modern/PictureBatch.h"

namespace targello {

// `maker`, with the copies of each job made under their staging names (see
// StagingName) and written there through the file layer where the maker
// hands back their bytes. A copy that cannot be written sets the outcome's
// WriteError, and nothing of that job is left on the disk.
WebPictureMaker StagedPictureMaker(WebPictureMaker maker);

} // namespace targello
