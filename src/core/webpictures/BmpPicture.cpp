#include "core/webpictures/BmpPicture.h"

#include "core/files/FileErrorText.h"
#include "core/project/Utf8Path.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <memory>
#include <vector>

namespace targello {
namespace {

constexpr const char* Damaged = "nie da się odczytać obrazka (plik jest uszkodzony)";

struct UnrefLoader {
    void operator()(void* object) const {
        if (object)
            g_object_unref(object);
    }
};

unsigned number(const std::string& bytes, std::size_t at, int size) {
    unsigned value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return value;
}

// Why the bitmap in `bytes` is not decoded, read from its header alone: a
// size that is refused, or fewer bytes than the header promises (gdk-pixbuf
// shows a cut-off bitmap with its missing rows blank). "" when it may be.
std::string headerProblem(const std::string& bytes) {
    if (bytes.size() < 26)
        return Damaged;
    const bool core = number(bytes, 14, 4) == 12; // the oldest header: 16-bit sizes
    if (!core && bytes.size() < 54)
        return Damaged;
    const long long width = core ? number(bytes, 18, 2) : static_cast<int>(number(bytes, 18, 4));
    long long height = core ? number(bytes, 20, 2) : static_cast<int>(number(bytes, 22, 4));
    height = height < 0 ? -height : height;
    if (PictureTooLarge(width, height))
        return PictureTooLargeReason(width, height);
    const unsigned pixels = number(bytes, 10, 4);
    const unsigned bits = number(bytes, 28, 2);
    const bool uncompressed = core || number(bytes, 30, 4) == 0;
    const long long rowBytes = (width * bits + 31) / 32 * 4;
    if (width <= 0 || height == 0 || number(bytes, 2, 4) > bytes.size() || pixels > bytes.size() ||
        (uncompressed && rowBytes * height > static_cast<long long>(bytes.size() - pixels)))
        return Damaged;
    return {};
}

VipsImage* toVips(GdkPixbuf* pixbuf) {
    const int width = gdk_pixbuf_get_width(pixbuf);
    const int height = gdk_pixbuf_get_height(pixbuf);
    const int bands = gdk_pixbuf_get_n_channels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const guchar* rows = gdk_pixbuf_read_pixels(pixbuf);
    const auto line = static_cast<std::size_t>(width) * static_cast<std::size_t>(bands);
    std::vector<guchar> packed(line * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(packed.data() + line * static_cast<std::size_t>(y),
                    rows + static_cast<std::ptrdiff_t>(y) * stride, line);
    return vips_image_new_from_memory_copy(packed.data(), packed.size(), width, height, bands,
                                           VIPS_FORMAT_UCHAR);
}

} // namespace

VipsImage* DecodeBmp(const std::string& path, std::string& reason) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), error);
    // The largest bitmap not refused, with room for its header and palette.
    if (error || size > static_cast<std::uintmax_t>(MaxPicturePixels) * 4 + (1 << 20)) {
        reason = error ? FileErrorReason(error) : "plik jest za duży jak na obrazek";
        return nullptr;
    }
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!(reason = headerProblem(bytes)).empty())
        return nullptr;
    const std::unique_ptr<GdkPixbufLoader, UnrefLoader> loader(
        gdk_pixbuf_loader_new_with_type("bmp", nullptr));
    if (!loader) {
        reason = "ta instalacja nie odczytuje obrazków BMP";
        return nullptr;
    }
    const bool written = gdk_pixbuf_loader_write(loader.get(), reinterpret_cast<const guchar*>(bytes.data()),
                                                 bytes.size(), nullptr);
    const bool closed = gdk_pixbuf_loader_close(loader.get(), nullptr);
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
    if (!written || !closed || pixbuf == nullptr || gdk_pixbuf_get_bits_per_sample(pixbuf) != 8) {
        reason = Damaged;
        return nullptr;
    }
    return toVips(pixbuf);
}

} // namespace targello
