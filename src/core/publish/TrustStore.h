#pragma once

#include "core/publish/Sha256.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace targello {

// The certificates and host keys the user accepted, one SHA-256 fingerprint
// per "host:port", in a small file of the user's (one "host:port hex" line
// each), so that a later different one is noticed.
class TrustStore {
public:
    explicit TrustStore(std::filesystem::path file);

    // Where the program keeps it: the user's application data folder.
    static std::filesystem::path DefaultFile();

    std::optional<Sha256::Digest> Known(const std::string& endpoint) const;
    // Remembers `digest` for `endpoint` and writes the file whole at once;
    // false where it could not be written.
    bool Remember(const std::string& endpoint, const Sha256::Digest& digest);

private:
    std::filesystem::path file_;
    std::map<std::string, Sha256::Digest> known_;
};

} // namespace targello
