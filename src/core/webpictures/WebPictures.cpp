#include "core/webpictures/WebPictures.h"

#include <vips/vips.h>

#include <cstdio>
#include <memory>
#include <mutex>

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
    });
}

std::string unreadable() {
    vips_error_clear();
    return "nie da się odczytać obrazka (plik jest uszkodzony albo ma nieznany format)";
}

// `image` laid on white where it has an alpha channel: JPEG has none.
Image opaque(Image image) {
    if (!vips_image_hasalpha(image.get()))
        return image;
    VipsArrayDouble* white = vips_array_double_newv(3, 255.0, 255.0, 255.0);
    VipsImage* flat = nullptr;
    const int failed = vips_flatten(image.get(), &flat, "background", white, nullptr);
    vips_area_unref(VIPS_AREA(white));
    if (failed)
        return nullptr;
    return Image(flat);
}

std::string save(VipsImage* image, const std::string& target) {
    const std::string temporary = target + ".tmp";
    if (vips_jpegsave(image, temporary.c_str(), "Q", Quality, "strip", TRUE, "optimize_coding", TRUE,
                      "interlace", TRUE, nullptr) != 0 ||
        std::rename(temporary.c_str(), target.c_str()) != 0) {
        vips_error_clear();
        std::remove(temporary.c_str());
        return "nie da się zapisać kopii „" + target + "”";
    }
    return {};
}

} // namespace

WebPictureOutcome MakeWebPictures(const WebPictureJob& job) {
    startVips();
    // A source object rather than a file name: a name with "[" would be read as load options.
    Source source(vips_source_new_from_file(job.Source.c_str()));
    if (!source)
        return {unreadable()};
    VipsImage* decoded = nullptr;
    if (vips_thumbnail_source(source.get(), &decoded, job.LargestSide, "height", job.LargestSide, "size",
                              VIPS_SIZE_DOWN, "export_profile", "srgb", nullptr) != 0)
        return {unreadable()};
    Image thumbnail(decoded);
    // Decoded once here; both copies come from this memory image.
    Image large(vips_image_copy_memory(thumbnail.get()));
    thumbnail.reset();
    if (!large)
        return {unreadable()};
    large = opaque(std::move(large));
    if (!large)
        return {unreadable()};

    WebPictureOutcome outcome{{}, vips_image_get_width(large.get()), vips_image_get_height(large.get())};
    if (!(outcome.Reason = save(large.get(), job.LargeTarget)).empty() || job.SmallTarget.empty())
        return outcome;
    VipsImage* shrunk = nullptr;
    if (vips_thumbnail_image(large.get(), &shrunk, job.SmallWidth, "height", job.SmallHeight, "size",
                             VIPS_SIZE_DOWN, nullptr) != 0)
        return {unreadable()};
    Image small(shrunk);
    outcome.Reason = save(small.get(), job.SmallTarget);
    return outcome;
}

} // namespace targello
