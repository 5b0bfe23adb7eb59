#pragma once

#include <filesystem>
#include <string>

namespace targello {

// Paths are UTF-8 in memory; on Windows a narrow string would be read in the
// ANSI code page, so the conversion goes through char8_t.
inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace targello
