#pragma once

#include "core/publish/PublishLedger.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace targello {

struct PublishStep {
    enum class Kind { WritePending, Upload, Rename, Remove, WriteLedger };
    Kind Action = Kind::Upload;
    std::string Name;              // the file's own name (Remove: the file to delete)
    std::string Temporary;         // Upload and Rename: the name it travels under
    std::uintmax_t Size = 0;       // Upload: the file's whole size
    std::uintmax_t ResumeFrom = 0; // Upload: the bytes an earlier publish already left there
    bool operator==(const PublishStep&) const = default;
};

// The ordered steps that turn the shop on the server into the exported one
// so that a visitor meets either the old shop or the new one: the ledger
// noting the temporary names first, then every new or changed file under its
// temporary name (pictures and other files, the page last), the renames in
// the same order, then the deletions of what only an earlier publish sent,
// and the ledger of the new shop last. A cut-off publish leaves the files
// that arrived under their temporary names for the next one to go on from.
struct PublishPlan {
    std::vector<PublishStep> Steps;
    PublishLedger Pending; // written before anything else is sent
    PublishLedger Final;   // written last
    std::size_t FilesToSend = 0;
    std::uintmax_t BytesToSend = 0;
};

// The folders whose listing the plan needs: the remote folder itself and
// every folder a file of either ledger lies in.
std::vector<std::string> FoldersToList(const PublishLedger& local,
                                       const std::optional<PublishLedger>& remote);

// The folder part of a shop file's name ("obrazki/a.jpg" -> "obrazki"; "" for the page).
std::string ParentFolderOf(const std::string& name);

// The temporary name `name` travels under, in the same folder, told apart by
// the content it will hold.
std::string TemporaryName(const std::string& name, const std::string& sha256);

// `local` is the export, `remote` the ledger found on the server (none on a
// first publish), `present` the files the listings showed with their sizes,
// `page` the page's name.
PublishPlan PlanPublish(const PublishLedger& local, const std::optional<PublishLedger>& remote,
                        const std::map<std::string, std::uintmax_t>& present, const std::string& page);

} // namespace targello
