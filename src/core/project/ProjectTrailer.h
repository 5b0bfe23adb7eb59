#pragma once

#include "core/project/ProjectOutcome.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace targello {

struct ShopSettings;

// Settings the fixed layout has no field for travel after the 30 link
// records: "TARGELLO", a little-endian 32-bit length, then that many bytes of
// UTF-8 "key=value" lines, each ended by LF. Programs that read only the fixed
// part stop before it, so a file with a trailer still opens there.
namespace ProjectTrailer {
inline constexpr std::string_view Magic = "TARGELLO";
inline constexpr std::size_t HeadSize = 12;       // the magic and the length
inline constexpr std::size_t MaxBodySize = 1 << 20; // the legal texts of a shop fit many times over
inline constexpr std::string_view PageKey = "strona";
inline constexpr std::string_view ModernValue = "nowoczesna";
inline constexpr std::string_view ClassicValue = "klasyczna";
} // namespace ProjectTrailer

// The trailer's bytes for `lines` ("key=value" without LF); no lines, no bytes.
std::string SerializeTrailer(const std::vector<std::string>& lines);

// The lines of a trailer that is exactly `bytes`, or a Polish description of
// what is wrong with it: a wrong magic or length, text that is not UTF-8, a
// line without its LF, without "=" or key, with a control character, a key
// given twice.
ProjectOutcome<std::vector<std::string>> ParseTrailer(std::string_view bytes);

// The trailer lines that say what `settings` hold beyond the fixed layout,
// the lines this program does not know first, as they were read.
std::vector<std::string> TrailerLinesFromSettings(const ShopSettings& settings);

// Takes read trailer lines into `settings`: the page kind, and every other
// line kept to be written back.
void ApplyTrailerLines(const std::vector<std::string>& lines, ShopSettings& settings);

} // namespace targello
