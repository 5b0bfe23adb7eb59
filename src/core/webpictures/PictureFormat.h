#pragma once

#include <string_view>

namespace targello {

// The picture formats the modern export reads. A file is taken for what its
// first bytes say, never for its name: libvips would otherwise hand a file
// to whichever of its thirty loaders claims it (PDF, SVG, Matlab, FITS,
// ImageMagick …), each a way in for a file from a stranger.
enum class PictureFormat { Unknown, Jpeg, Png, Gif, WebP, Tiff, Bmp, Heic };

// How many first bytes SniffPictureFormat needs.
inline constexpr std::size_t PictureHeadSize = 32;

// The format whose signature `head` (the file's first bytes) begins with.
PictureFormat SniffPictureFormat(std::string_view head);

// The reason given for a file of any other format.
inline constexpr const char* UnknownFormatReason =
    "to nie jest obrazek w formacie JPEG, PNG, GIF, WebP, TIFF, BMP ani HEIC";

} // namespace targello
