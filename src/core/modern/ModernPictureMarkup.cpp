#include "core/modern/ModernPictureMarkup.h"

#include <algorithm>
#include <cmath>

namespace targello {
namespace {

// The width `columns` cards share of `screen`, in CSS: the page's padding
// (2rem), the menu (15rem and its gap), the gaps between cards and each
// card's padding (2rem), as the style sheet lays them out.
std::string cardWidth(const std::string& screen, int columns, bool menuBeside) {
    const int taken = 2 + (menuBeside ? 16 : 0) + (columns - 1);
    return "calc((" + screen + " - " + std::to_string(taken) + "rem) / " + std::to_string(columns) +
           " - 2rem)";
}

// A candidate's address ends at a blank and must not end in a comma.
std::string candidate(const std::string& address) {
    std::string out;
    for (const char c : address)
        out += c == ' ' ? "%20" : c == ',' ? "%2C" : std::string(1, c);
    return out;
}

} // namespace

std::string PictureSrcset(const WebPictureAddress& address, int smallBoxWidth, int smallBoxHeight) {
    if (address.Width <= 0 || address.Height <= 0 || address.Small == address.Large)
        return {};
    const double scale = std::min({1.0, static_cast<double>(smallBoxWidth) / address.Width,
                                   static_cast<double>(smallBoxHeight) / address.Height});
    const int small = std::max(1, static_cast<int>(std::lround(address.Width * scale)));
    if (small >= address.Width)
        return {};
    std::string srcset = candidate(address.Small) + " " + std::to_string(small) + "w, ";
    // The middle copy is the large one made at most MediumPictureWidth wide;
    // where that is no size of its own, it is left out: two candidates of
    // one width make the whole attribute invalid.
    const int medium = std::min(MediumPictureWidth, address.Width);
    if (!address.Medium.empty() && small < medium && medium < address.Width)
        srcset += candidate(address.Medium) + " " + std::to_string(medium) + "w, ";
    return srcset + candidate(address.Large) + " " + std::to_string(address.Width) + "w";
}

std::string PictureSizes(int columns, bool menuBeside) {
    columns = std::clamp(columns, 1, 4);
    return "(max-width: 48em) calc(100vw - 3rem), (max-width: 64em) " +
           cardWidth("100vw", std::min(columns, 2), menuBeside) + ", " +
           cardWidth("min(100vw, 90rem)", columns, menuBeside);
}

} // namespace targello
