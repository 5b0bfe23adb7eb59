#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace targello {

// Every file name the program holds is UTF-8 text; these two are the only
// crossings between that text and the platform's path type. A path made
// from a narrow string, or read back with path::string(), goes through the
// ANSI code page on Windows ("zdjęcie.jpg" would name "zdjÄ™cie.jpg"), so
// both directions go through char8_t, which every platform reads as UTF-8.
inline std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace targello
