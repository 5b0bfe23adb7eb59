#pragma once

#include <string>
#include <vips/vips.h>

namespace targello {

// A Windows bitmap decoded by gdk-pixbuf's BMP reader alone (libvips reads
// BMP only through ImageMagick, which reads everything and is blocked), as
// a libvips image in memory; nullptr with `reason` (Polish) set where the
// file is damaged, cut short or too large, which is found from its header
// before any pixel is decoded.
VipsImage* DecodeBmp(const std::string& path, std::string& reason);

} // namespace targello
