#include "core/webpictures/BmpHeader.h"

#include "core/files/FileErrorText.h"

namespace targello {
namespace {

unsigned number(std::string_view bytes, std::size_t at, int size) {
    unsigned value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return value;
}

} // namespace

std::string BmpHeaderProblem(std::string_view head, std::uintmax_t fileSize) {
    if (head.size() < 26 || fileSize < head.size())
        return DamagedPictureReason;
    const bool core = number(head, 14, 4) == 12; // the oldest header: 16-bit sizes
    if (!core && head.size() < 54)
        return DamagedPictureReason;
    const long long width = core ? number(head, 18, 2) : static_cast<int>(number(head, 18, 4));
    long long height = core ? number(head, 20, 2) : static_cast<int>(number(head, 22, 4));
    height = height < 0 ? -height : height;
    if (PictureTooLarge(width, height))
        return PictureTooLargeReason(width, height);
    const unsigned pixels = number(head, 10, 4);
    const unsigned bits = number(head, 28, 2);
    const bool uncompressed = core || number(head, 30, 4) == 0;
    const long long rowBytes = (width * bits + 31) / 32 * 4;
    const auto size = static_cast<long long>(fileSize);
    if (width <= 0 || height == 0 || number(head, 2, 4) > fileSize || pixels > fileSize ||
        (uncompressed && rowBytes * height > size - pixels))
        return DamagedPictureReason;
    return {};
}

} // namespace targello
