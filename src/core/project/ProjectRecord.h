#pragma once

#include "core/settings/RgbColor.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace targello {

// The byte layout of a project file: a 984-byte header, one 1280-byte record
// per item and 30 link records of 510 bytes, packed, little-endian.
namespace ProjectLayout {
inline constexpr int MaxItems = 100;
inline constexpr int LinkCount = 30;
inline constexpr std::size_t HeaderSize = 984;
inline constexpr std::size_t ItemSize = 1280;
inline constexpr std::size_t LinkSize = 510;
inline constexpr std::size_t MinFileSize = HeaderSize + LinkCount * LinkSize; // 16284
inline constexpr std::size_t MaxFileSize = MinFileSize + MaxItems * ItemSize; // 144284

inline constexpr std::size_t FileSize(int itemCount) {
    return MinFileSize + ItemSize * static_cast<std::size_t>(itemCount);
}
} // namespace ProjectLayout

// The four texts of one item, in Windows-1250.
struct ProjectItem {
    std::string Name;
    std::string Price;
    std::string Description;
    std::string PicturePath;

    friend bool operator==(const ProjectItem&, const ProjectItem&) = default;
};

struct ProjectLink {
    std::string Name;
    std::string Path;

    friend bool operator==(const ProjectLink&, const ProjectLink&) = default;
};

// The in-memory image of one project file. Texts are Windows-1250 bytes
// without their NUL; integers are kept as stored, ranges unchecked. The item
// count of the file is Items.size() (at most 100).
struct ProjectRecord {
    std::int32_t ProductColumns = 2;
    RgbColor RowColor1;
    RgbColor RowColor2;
    RgbColor HeaderColor;
    RgbColor MenuBackColor;
    RgbColor MenuColor;
    RgbColor FooterColor;
    bool OrderFormKind = true;
    std::int32_t PageLayout = 2;
    std::int32_t ColorScheme = 0;
    std::int32_t PictureWidth = 133;
    std::int32_t PictureHeight = 94;
    std::string TexturePath;
    std::string BannerPath;
    std::string ShopTitle;
    std::string BasketCaption;
    std::string OrderEmail;
    bool HeaderKind = false;
    bool UseTexture = false;
    std::vector<ProjectItem> Items;
    std::array<ProjectLink, ProjectLayout::LinkCount> Links{};
    // The "key=value" lines (UTF-8) of the trailer after the links; none, no trailer.
    std::vector<std::string> TrailerLines;

    friend bool operator==(const ProjectRecord&, const ProjectRecord&) = default;
};

} // namespace targello
