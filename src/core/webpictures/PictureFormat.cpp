#include "core/webpictures/PictureFormat.h"

#include <array>

namespace targello {
namespace {

bool startsWith(std::string_view head, std::string_view magic, std::size_t at = 0) {
    return head.size() >= at + magic.size() && head.compare(at, magic.size(), magic) == 0;
}

// HEIF files made by phones and cameras: an "ftyp" box whose brand is one of
// the HEVC-coded ones (AVIF, another codec in the same box, is not read).
bool isHeic(std::string_view head) {
    static constexpr std::array<std::string_view, 8> Brands{"heic", "heix", "hevc", "hevx",
                                                            "heim", "heis", "mif1", "msf1"};
    if (!startsWith(head, "ftyp", 4))
        return false;
    for (std::string_view brand : Brands)
        if (startsWith(head, brand, 8))
            return true;
    return false;
}

// "BM" followed by a header size that one of the Windows bitmap versions has.
bool isBmp(std::string_view head) {
    if (!startsWith(head, "BM") || head.size() < 18)
        return false;
    const auto size = static_cast<unsigned char>(head[14]) | static_cast<unsigned char>(head[15]) << 8;
    return head[16] == 0 && head[17] == 0 &&
           (size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124);
}

} // namespace

PictureFormat SniffPictureFormat(std::string_view head) {
    if (startsWith(head, "\xFF\xD8\xFF"))
        return PictureFormat::Jpeg;
    if (startsWith(head, "\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    if (startsWith(head, "GIF87a") || startsWith(head, "GIF89a"))
        return PictureFormat::Gif;
    if (startsWith(head, "RIFF") && startsWith(head, "WEBP", 8))
        return PictureFormat::WebP;
    if (startsWith(head, std::string_view("II*\0", 4)) || startsWith(head, std::string_view("MM\0*", 4)))
        return PictureFormat::Tiff;
    if (isBmp(head))
        return PictureFormat::Bmp;
    if (isHeic(head))
        return PictureFormat::Heic;
    return PictureFormat::Unknown;
}

} // namespace targello
