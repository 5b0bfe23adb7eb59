#include "core/webpictures/BmpPicture.h"

#include "core/files/FileErrorText.h"
#include "core/project/Utf8Path.h"
#include "core/webpictures/BmpHeader.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <memory>
#include <vector>

namespace targello {
namespace {

struct UnrefLoader {
    void operator()(void* object) const {
        if (object)
            g_object_unref(object);
    }
};

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
    if (!(reason = BmpHeaderProblem(bytes, bytes.size())).empty())
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
        reason = DamagedPictureReason;
        return nullptr;
    }
    return toVips(pixbuf);
}

} // namespace targello
