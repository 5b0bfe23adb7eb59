#pragma once

#include "core/modern/WebPictureJob.h"

namespace targello {

// Makes the copies of `job` with libvips from one decode: the source is
// decoded shrunk on load to the large copy (at most LargestSide pixels a
// side), turned upright by its EXIF orientation and converted to sRGB; the
// small copy and the middle one (for phones) are made from that in memory.
// All are JPEG at quality 82 with no
// metadata (no camera data, no place where the photo was taken); transparent
// pictures are laid on white. The copies are handed back as bytes, which the
// export writes. Only JPEG, PNG, GIF, WebP, TIFF, BMP and HEIC files are
// read, taken for what their first bytes say; a picture over the program's
// size limit is refused from its header, and one cut short is refused, not
// shown grey. Thread-safe.
WebPictureOutcome MakeWebPictures(const WebPictureJob& job);

} // namespace targello
