#pragma once

#include <string>

namespace targello {

// One source picture and the copies the modern page shows of it. Paths are
// UTF-8. An empty SmallTarget asks for the large copy alone (banner, texture).
struct WebPictureJob {
    std::string Source;
    std::string LargeTarget;
    std::string SmallTarget;
    int LargestSide = 1600; // the large copy fits a square of this side
    int SmallWidth = 0;     // the small copy fits this box
    int SmallHeight = 0;
};

// What became of one job. Reason is empty when the copies were written, and
// otherwise says in Polish why not (the picture cannot be read, a copy
// cannot be written).
struct WebPictureOutcome {
    std::string Reason;
    int LargeWidth = 0; // the sizes written, 0 where unknown
    int LargeHeight = 0;
};

} // namespace targello
