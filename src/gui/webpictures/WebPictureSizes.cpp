#include "gui/webpictures/WebPictureSizes.h"

#include <algorithm>

namespace targello::WebPictureSizes {
namespace {

int rounded(double side) {
    return static_cast<int>(side + 0.5);
}

int scaledUp(int side, int shrink) {
    return (side + shrink - 1) / shrink;
}

} // namespace

PictureSize LargeJpeg(PictureSize source, int side) {
    const int longest = std::max(source.Width, source.Height);
    int shrink = 1;
    while (shrink < 8 && longest / (shrink * 2) >= side)
        shrink *= 2;
    const PictureSize decoded{scaledUp(source.Width, shrink), scaledUp(source.Height, shrink)};
    const double scale = static_cast<double>(side) / std::max(decoded.Width, decoded.Height);
    if (scale >= 1)
        return decoded;
    return {rounded(decoded.Width * scale), rounded(decoded.Height * scale)};
}

PictureSize Fitted(PictureSize source, PictureSize box) {
    const double shrink = std::max({1.0, static_cast<double>(source.Width) / box.Width,
                                    static_cast<double>(source.Height) / box.Height});
    return {std::max(1, rounded(source.Width / shrink)), std::max(1, rounded(source.Height / shrink))};
}

} // namespace targello::WebPictureSizes
