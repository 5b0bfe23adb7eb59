#include "core/webpictures/WebPictures.h"

#include "core/files/FileErrorText.h"
#include "core/project/Utf8Path.h"
#include "core/webpictures/BmpPicture.h"
#include "core/webpictures/PictureFormat.h"
#include "core/webpictures/VipsSetup.h"
#include "core/webpictures/WebPictureEntry.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>
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
// worth the time. The bytes go back to the export, which writes them.
bool encode(VipsImage* image, bool optimize, std::string& bytes) {
    void* buffer = nullptr;
    std::size_t size = 0;
    if (vips_jpegsave_buffer(image, &buffer, &size, "Q", Quality, "strip", TRUE, "optimize_coding", optimize,
                             nullptr) != 0) {
        vips_error_clear();
        return false;
    }
    bytes.assign(static_cast<const char*>(buffer), size);
    g_free(buffer);
    return true;
}

// Loader options for every picture: a file cut short fails instead of
// showing grey where its end is missing.
constexpr const char* FailOnTruncated = "truncated";

// The picture's size from its header, refused above the program's limit
// before anything is decoded; "" where it may be decoded.
std::string sizeProblem(VipsImage* header) {
    const int width = vips_image_get_width(header);
    const int height = vips_image_get_height(header);
    return PictureTooLarge(width, height) ? PictureTooLargeReason(width, height) : std::string();
}

// The format of the file at `path` by its first bytes; `reason` is set where
// it cannot be read or is of no format the export reads.
PictureFormat formatOf(const std::string& path, std::string& reason) {
    errno = 0;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) {
        reason = FileErrorReason({errno ? errno : EIO, std::generic_category()});
        return PictureFormat::Unknown;
    }
    std::string head(PictureHeadSize, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    const PictureFormat format = SniffPictureFormat(head);
    if (format == PictureFormat::Unknown)
        reason = UnknownFormatReason;
    return format;
}

// A JPEG decoded at the largest DCT scale (1/2, 1/4, 1/8) that still gives at
// least `side` pixels on the longer side, then resized to fit `side`. Nearly
// every camera photo goes this way: decoding a 12-megapixel photo at half
// size costs a third of decoding it whole, which vips_thumbnail would do for
// a 1600-pixel copy because it keeps a factor of two for its own resize.
Image decodeJpeg(const std::string& path, int side, std::string& reason) {
    // A source object rather than a file name: a name with "[" would be read as load options.
    Source header(vips_source_new_from_file(path.c_str()));
    VipsImage* probe = nullptr;
    if (!header || vips_jpegload_source(header.get(), &probe, nullptr) != 0)
        return nullptr;
    const int longest = std::max(vips_image_get_width(probe), vips_image_get_height(probe));
    reason = sizeProblem(probe);
    g_object_unref(probe);
    if (!reason.empty())
        return nullptr;
    int shrink = 1;
    while (shrink < 8 && longest / (shrink * 2) >= side)
        shrink *= 2;
    Source source(vips_source_new_from_file(path.c_str()));
    VipsImage* loaded = nullptr;
    if (!source ||
        vips_jpegload_source(source.get(), &loaded, "shrink", shrink, "access", VIPS_ACCESS_SEQUENTIAL,
                             "fail_on", VIPS_FAIL_ON_TRUNCATED, nullptr) != 0)
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

// A PNG, GIF, WebP, TIFF or HEIC picture, shrunk on load where its format
// allows and turned upright. Only the loaders of these formats can run.
Image decodeOther(const std::string& path, int side, std::string& reason) {
    Source header(vips_source_new_from_file(path.c_str()));
    VipsImage* probe = header ? vips_image_new_from_source(header.get(), "", nullptr) : nullptr;
    if (probe == nullptr)
        return nullptr;
    reason = sizeProblem(probe);
    g_object_unref(probe);
    if (!reason.empty())
        return nullptr;
    Source source(vips_source_new_from_file(path.c_str()));
    VipsImage* decoded = nullptr;
    const std::string options = std::string("fail_on=") + FailOnTruncated;
    if (!source || vips_thumbnail_source(source.get(), &decoded, side, "height", side, "size", VIPS_SIZE_DOWN,
                                         "option_string", options.c_str(), nullptr) != 0)
        return nullptr;
    return Image(decoded);
}

// A bitmap, from gdk-pixbuf's reader, made to fit `side`.
Image decodeBmp(const std::string& path, int side, std::string& reason) {
    const Image whole(DecodeBmp(path, reason));
    VipsImage* fitted = nullptr;
    if (!whole || vips_thumbnail_image(whole.get(), &fitted, side, "height", side, "size", VIPS_SIZE_DOWN,
                                       nullptr) != 0)
        return nullptr;
    return Image(fitted);
}

Image decode(const std::string& path, int side, std::string& reason) {
    switch (formatOf(path, reason)) {
    case PictureFormat::Unknown:
        return nullptr;
    case PictureFormat::Jpeg:
        return decodeJpeg(path, side, reason);
    case PictureFormat::Bmp:
        return decodeBmp(path, side, reason);
    default:
        return decodeOther(path, side, reason);
    }
}

// The picture upright in memory: the large copy, from which the small one is made.
Image decodeUpright(const std::string& path, int side, std::string& reason) {
    Image decoded = opaque(inSrgb(decode(path, side, reason)));
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

// A copy of `large` fitted into `width` x `height`, never enlarged, as the
// grid and phones load it: Huffman tables optimised.
bool encodeFitted(VipsImage* large, int width, int height, std::string& bytes) {
    VipsImage* shrunk = nullptr;
    if (vips_thumbnail_image(large, &shrunk, width, "height", height, "size", VIPS_SIZE_DOWN, nullptr) != 0)
        return false;
    const Image fitted(shrunk);
    return encode(fitted.get(), true, bytes);
}

// Whether the picture at `path` decodes without one warning from its loader,
// which is asked to fail at the first. Asked only where a warning came while
// the picture was made; bitmaps, read by gdk-pixbuf, are not asked.
bool decodesCleanly(const std::string& path) {
    std::string reason;
    const PictureFormat format = formatOf(path, reason);
    if (format == PictureFormat::Bmp || format == PictureFormat::Unknown)
        return true;
    Source source(vips_source_new_from_file(path.c_str()));
    VipsImage* loaded = nullptr;
    if (source)
        loaded = vips_image_new_from_source(source.get(), "", "fail_on", VIPS_FAIL_ON_WARNING, "access",
                                            VIPS_ACCESS_SEQUENTIAL, nullptr);
    const Image image(loaded);
    double mean = 0;
    const bool clean = image && vips_avg(image.get(), &mean, nullptr) == 0;
    vips_error_clear();
    return clean;
}

WebPictureOutcome makeCopies(const WebPictureJob& job) {
    // Decoded once here; every copy comes from this memory image.
    std::string reason;
    const Image large = decodeUpright(job.Source, job.LargestSide, reason);
    if (!large)
        return {reason.empty() ? unreadable() : reason};

    WebPictureOutcome outcome{{}, vips_image_get_width(large.get()), vips_image_get_height(large.get())};
    if (!encode(large.get(), false, outcome.LargeBytes))
        return {unreadable()};
    if (job.SmallTarget.empty() || job.SmallTarget == job.LargeTarget)
        return outcome;
    // A large copy no wider than the middle one is the middle one too.
    if (!job.MediumTarget.empty() && outcome.LargeWidth <= job.MediumWidth)
        outcome.MediumBytes = outcome.LargeBytes;
    else if (!job.MediumTarget.empty() &&
             !encodeFitted(large.get(), job.MediumWidth, outcome.LargeHeight, outcome.MediumBytes))
        return {unreadable()};
    if (!encodeFitted(large.get(), job.SmallWidth, job.SmallHeight, outcome.SmallBytes))
        return {unreadable()};
    return outcome;
}

} // namespace

WebPictureOutcome MakeWebPictures(const WebPictureJob& job) {
    StartVips();
    const unsigned long warnedBefore = VipsWarningCount();
    WebPictureOutcome outcome = makeCopies(job);
    outcome.MadeDespiteFault =
        outcome.Reason.empty() && VipsWarningCount() != warnedBefore && !decodesCleanly(job.Source);
    return outcome;
}

} // namespace targello

void targello_make_web_pictures_v3(const targello::WebPictureJob* job, targello::WebPictureOutcome* outcome) {
    *outcome = targello::MakeWebPictures(*job);
}
