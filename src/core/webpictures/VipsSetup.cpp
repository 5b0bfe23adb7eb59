#include "core/webpictures/VipsSetup.h"

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <vips/vips.h>

namespace targello {
namespace {

// The loaders the export needs: JPEG, PNG, GIF, WebP, TIFF and HEIC; BMP,
// which libvips reads only through ImageMagick, is decoded with gdk-pixbuf.
constexpr const char* AllowedLoaders[] = {
    "VipsForeignLoadJpeg", "VipsForeignLoadPng",  "VipsForeignLoadNsgif",
    "VipsForeignLoadWebp", "VipsForeignLoadTiff", "VipsForeignLoadHeif",
};

std::atomic<unsigned long> warnings{0};

// libvips warns about damaged pictures (and libjpeg, libpng and libtiff
// through it) on stderr, in English, for every one. The export says in
// Polish which pictures it could not use or used despite a fault; the
// English text is not for the user.
void keepQuiet(const gchar*, GLogLevelFlags level, const gchar*, gpointer) {
    if (level & G_LOG_LEVEL_WARNING)
        warnings.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

unsigned long VipsWarningCount() {
    return warnings.load(std::memory_order_relaxed);
}

void StartVips() {
    static std::once_flag once;
    std::call_once(once, [] {
        VIPS_INIT("targello");
        vips_cache_set_max(0); // every picture is used once: nothing to gain from keeping operations
        vips_block_untrusted_set(TRUE);
        vips_operation_block_set("VipsForeignLoad", TRUE);
        for (const char* loader : AllowedLoaders)
            vips_operation_block_set(loader, FALSE);
        const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE |
                                                        G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG);
        for (const char* domain : {"VIPS", "GdkPixbuf"})
            g_log_set_handler(domain, levels, keepQuiet, nullptr);
        // libvips's worker threads are ended before the process's last exit
        // handlers run, so that none of them (the sanitizer builds' leak
        // check among them) meets a thread still holding libvips's state.
        std::atexit(vips_shutdown);
    });
}

} // namespace targello
