#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace targello {

// The names of the files an export wrote into its picture folder, kept in
// that folder, so that a later export replaces only files it wrote itself and
// never a file the user keeps there under the same name.
class ExportManifest {
public:
    // The manifest's own name in the picture folder.
    static constexpr const char* FileName = ".targello-eksport";

    // The manifest of `pictureFolder`; empty when there is none or it cannot
    // be read (then nothing in the folder counts as the export's own).
    static ExportManifest Read(const std::filesystem::path& pictureFolder);

    bool Lists(const std::string& name) const { return names_.count(name) != 0; }
    void Add(const std::string& name) { names_.insert(name); }
    bool Empty() const { return names_.empty(); }

    // The manifest's file content: one UTF-8 name per line.
    std::string Bytes() const;

private:
    std::set<std::string> names_;
};

} // namespace targello
