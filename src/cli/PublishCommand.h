#pragma once

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>

namespace targello {

struct ShopSettings;

struct PublishOptions {
    // Accepts a certificate or host key of this SHA-256 fingerprint; may be empty.
    std::string Fingerprint;
    // Makes the remote folder where the server has none.
    bool MakeFolder = false;
};

// Publishes the export `page` (the page file; its picture folder beside it)
// to the project's publishing address. The password comes from the
// environment variable TARGELLO_HASLO or, where that is unset, one line of
// `in`. Returns 0, or ExportPublishFailed while the server still holds the
// shop it had, or ExportFailed.
int PublishExport(const ShopSettings& settings, const std::filesystem::path& page,
                  const PublishOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

// Whether `text` is a fingerprint --odcisk takes.
bool IsFingerprintText(const std::string& text);

} // namespace targello
