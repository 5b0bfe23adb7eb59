#include "core/files/ExportManifest.h"

#include "core/files/FileKind.h"

#include <fstream>
#include <sstream>

namespace targello {

ExportManifest ExportManifest::Read(const std::filesystem::path& pictureFolder) {
    ExportManifest manifest;
    const std::filesystem::path file = pictureFolder / FileName;
    if (StatusOfFile(file).Kind != FileKind::Regular)
        return manifest;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line.find('/') == std::string::npos)
            manifest.names_.insert(line);
    return manifest;
}

std::string ExportManifest::Bytes() const {
    std::string bytes;
    for (const std::string& name : names_)
        bytes += name + "\n";
    return bytes;
}

} // namespace targello
