#pragma once

#include <string>
#include <system_error>
#include <utility>

namespace targello {

// The widest a product picture's middle copy is: a phone's screen of about
// 400 points at two pixels to the point, which the large copy would fill
// four times over.
inline constexpr int MediumPictureWidth = 800;

// One source picture and the copies the modern page shows of it. Paths are
// UTF-8. An empty SmallTarget asks for the large copy alone (banner, texture);
// an empty MediumTarget leaves out the middle copy.
struct WebPictureJob {
    std::string Source;
    std::string LargeTarget;
    std::string SmallTarget;
    int LargestSide = 1600; // the large copy fits a square of this side
    int SmallWidth = 0;     // the small copy fits this box
    int SmallHeight = 0;
    // The middle copy: the large one made at most MediumWidth wide, never enlarged.
    std::string MediumTarget{}; // braces: the jobs written without it stay warning-free
    int MediumWidth = MediumPictureWidth;
};

// What became of one job. Reason is empty when the copies were made, and
// otherwise says in Polish why not (the picture cannot be read, a copy
// cannot be written).
struct WebPictureOutcome {
    WebPictureOutcome(std::string reason = {}, int largeWidth = 0, int largeHeight = 0)
        : Reason(std::move(reason)), LargeWidth(largeWidth), LargeHeight(largeHeight) {}

    std::string Reason;
    int LargeWidth = 0; // the sizes written, 0 where unknown
    int LargeHeight = 0;
    // The copies' bytes, where the maker encodes in memory (the picture
    // module does): the export writes them itself, through its file layer,
    // and tells a full disk from a picture that cannot be read.
    std::string LargeBytes;
    std::string SmallBytes;
    std::string MediumBytes;
    // Set where a copy could not be written: then the whole export fails.
    std::error_code WriteError;
    // The copies were made, though the file is damaged (its decoder warned):
    // the user is told to look at them.
    bool MadeDespiteFault = false;
};

} // namespace targello
