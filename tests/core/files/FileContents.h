#pragma once

// Reading, writing and comparing whole files and folders in the file tests.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace targello::testing {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every file under `folder` with its bytes, hidden ones included; folders
// read as "<folder>".
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files[std::filesystem::relative(entry.path(), folder).generic_string()] =
            entry.is_regular_file() ? ReadFile(entry.path()) : std::string("<folder>");
    return files;
}

} // namespace targello::testing
