#pragma once

namespace targello {

struct PictureSize {
    int Width = 0;
    int Height = 0;
};

// The sizes the libvips module gives its copies, so that a page made on
// Windows names the same sizes as one made on Linux.
namespace WebPictureSizes {

// A JPEG of `source` pixels decoded for a large copy of at most `side`
// pixels a side: libjpeg's scale (1/2, 1/4, 1/8) as large as still gives
// `side` on the longer side, then resized, never enlarged.
PictureSize LargeJpeg(PictureSize source, int side);

// Any picture fitted into `box`, never enlarged, its sides rounded.
PictureSize Fitted(PictureSize source, PictureSize box);

} // namespace WebPictureSizes
} // namespace targello
