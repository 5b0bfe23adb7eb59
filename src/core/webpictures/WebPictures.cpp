#include "core/webpictures/WebPictures.h"

#include "core/project/Utf8Path.h"
#include "core/webpictures/WebPictureEntry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <mutex>
#include <vips/vips.h>

namespace targello {
namespace {

constexpr int Quality = 82;

struct Unref {
    void operator()(void* object) const {
        if (object)
            g_object_unref(object);
    }
};
using Image = std::unique_ptr<VipsImage, Unref>;
using Source = std::unique_ptr<VipsSource, Unref>;

void startVips() {
    static std::once_flag once;
    std::call_once(once, [] {
        VIPS_INIT("targello");
        vips_cache_set_max(0); // every picture is used once: nothing to gain from keeping operations
        // libvips's worker threads are ended before the process's last exit
        // handlers run, so that none of them (the sanitizer builds' leak
        // check among them) meets a thread still holding libvips's state.
        std::atexit(vips_shutdown);
    });
}

std::string unreadable() {
    vips_error_clear();
    return "nie da się odczytać obrazka (plik jest uszkodzony albo ma nieznany format)";
}

// `image` laid on white where it has an alpha channel: JPEG has none.
Image opaque(Image image) {
    if (!image || !vips_image_hasalpha(image.get()))
        return image;
    VipsArrayDouble* white = vips_array_double_newv(3, 255.0, 255.0, 255.0);
    VipsImage* flat = nullptr;
    const int failed = vips_flatten(image.get(), &flat, "background", white, nullptr);
    vips_area_unref(VIPS_AREA(white));
    if (failed)
        return nullptr;
    return Image(flat);
}

// `image` in sRGB where it carries a colour profile of its own (phones take
// Display P3 photos): the copies lose the profile with the rest of the
// metadata, so their colours must already be sRGB. Pictures without a
// profile are taken as sRGB and cost nothing here.
Image inSrgb(Image image) {
    if (!image)
        return image;
    VipsImage* converted = nullptr;
    if (!vips_image_get_typeof(image.get(), VIPS_META_ICC_NAME)) {
        if (vips_image_guess_interpretation(image.get()) != VIPS_INTERPRETATION_CMYK)
            return image;
        if (vips_colourspace(image.get(), &converted, VIPS_INTERPRETATION_sRGB, nullptr) != 0)
            return nullptr;
        return Image(converted);
    }
    if (vips_icc_transform(image.get(), &converted, "srgb", "embedded", TRUE, "intent",
                           VIPS_INTENT_PERCEPTUAL, nullptr) != 0) {
        vips_error_clear(); // a damaged profile: keep the colours as they are
        return image;
    }
    return Image(converted);
}

// Optimised Huffman tables make the small copies, which every visitor
// loads, a tenth smaller; the large copy, loaded only when enlarged, is not
// worth the time.
std::string save(VipsImage* image, const std::string& target, bool optimize) {
    const std::string temporary = target + ".tmp";
    if (vips_jpegsave(image, temporary.c_str(), "Q", Quality, "strip", TRUE, "optimize_coding", optimize,
                      nullptr) != 0 ||
        std::rename(temporary.c_str(), target.c_str()) != 0) {
        vips_error_clear();
        std::remove(temporary.c_str());
        return "nie da się zapisać kopii „" + target + "”";
    }
    return {};
}

bool isJpeg(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    char head[3] = {};
    in.read(head, 3);
    return in && head[0] == '\xFF' && head[1] == '\xD8' && head[2] == '\xFF';
}

// A JPEG decoded at the largest DCT scale (1/2, 1/4, 1/8) that still gives at
// least `side` pixels on the longer side, then resized to fit `side`. Nearly
// every camera photo goes this way: decoding a 12-megapixel photo at half
// size costs a third of decoding it whole, which vips_thumbnail would do for
// a 1600-pixel copy because it keeps a factor of two for its own resize.
Image decodeJpeg(const std::string& path, int side) {
    // A source object rather than a file name: a name with "[" would be read as load options.
    Source header(vips_source_new_from_file(path.c_str()));
    VipsImage* probe = nullptr;
    if (!header || vips_jpegload_source(header.get(), &probe, nullptr) != 0)
        return nullptr;
    const int longest = std::max(vips_image_get_width(probe), vips_image_get_height(probe));
    g_object_unref(probe);
    int shrink = 1;
    while (shrink < 8 && longest / (shrink * 2) >= side)
        shrink *= 2;
    Source source(vips_source_new_from_file(path.c_str()));
    VipsImage* loaded = nullptr;
    if (!source || vips_jpegload_source(source.get(), &loaded, "shrink", shrink, "access",
                                        VIPS_ACCESS_SEQUENTIAL, nullptr) != 0)
        return nullptr;
    Image image(loaded);
    const double scale =
        static_cast<double>(side) / std::max(vips_image_get_width(loaded), vips_image_get_height(loaded));
    if (scale >= 1)
        return image;
    VipsImage* resized = nullptr;
    if (vips_resize(image.get(), &resized, scale, nullptr) != 0)
        return nullptr;
    return Image(resized);
}

// Any other picture libvips reads (PNG, GIF, WebP, TIFF, HEIC …), shrunk on
// load where its format allows and turned upright.
Image decodeOther(const std::string& path, int side) {
    Source source(vips_source_new_from_file(path.c_str()));
    VipsImage* decoded = nullptr;
    if (!source || vips_thumbnail_source(source.get(), &decoded, side, "height", side, "size", VIPS_SIZE_DOWN,
                                         nullptr) != 0)
        return nullptr;
    return Image(decoded);
}

// The picture upright in memory: the large copy, from which the small one is made.
Image decodeUpright(const std::string& path, int side) {
    Image decoded = opaque(inSrgb(isJpeg(path) ? decodeJpeg(path, side) : decodeOther(path, side)));
    if (!decoded)
        return nullptr;
    Image pixels(vips_image_copy_memory(decoded.get()));
    if (!pixels)
        return nullptr;
    VipsImage* rotated = nullptr; // a no-op for pictures without an EXIF orientation
    if (vips_autorot(pixels.get(), &rotated, nullptr) != 0)
        return nullptr;
    Image upright(rotated);
    return Image(vips_image_copy_memory(upright.get()));
}

} // namespace

WebPictureOutcome MakeWebPictures(const WebPictureJob& job) {
    startVips();
    // Decoded once here; both copies come from this memory image.
    const Image large = decodeUpright(job.Source, job.LargestSide);
    if (!large)
        return {unreadable()};

    WebPictureOutcome outcome{{}, vips_image_get_width(large.get()), vips_image_get_height(large.get())};
    if (!(outcome.Reason = save(large.get(), job.LargeTarget, false)).empty() || job.SmallTarget.empty())
        return outcome;
    VipsImage* shrunk = nullptr;
    if (vips_thumbnail_image(large.get(), &shrunk, job.SmallWidth, "height", job.SmallHeight, "size",
                             VIPS_SIZE_DOWN, nullptr) != 0)
        return {unreadable()};
    Image small(shrunk);
    outcome.Reason = save(small.get(), job.SmallTarget, true);
    return outcome;
}

} // namespace targello

void targello_make_web_pictures_v1(const targello::WebPictureJob* job, targello::WebPictureOutcome* outcome) {
    *outcome = targello::MakeWebPictures(*job);
}
