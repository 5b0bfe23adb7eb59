#pragma once

#include "core/modern/WebPictureJob.h"

namespace targello {

// Makes the copies of `job` with libvips from one decode: the source is
// decoded shrunk on load to the large copy (at most LargestSide pixels a
// side), turned upright by its EXIF orientation and converted to sRGB; the
// small copy is made from that in memory. Both are JPEG at quality 82 with no
// metadata (no camera data, no place where the photo was taken); transparent
// pictures are laid on white. Thread-safe; each copy is written under a
// temporary name and renamed.
WebPictureOutcome MakeWebPictures(const WebPictureJob& job);

} // namespace targello
