#pragma once

#include "core/publish/Sha256.h"

#include <optional>
#include <string>

namespace targello {

// Base64 as in PEM certificates and OpenSSH fingerprints.
std::string Base64Encode(std::string_view bytes, bool padded = true);
// The bytes of `text` (whitespace ignored, padding optional), or nothing.
std::optional<std::string> Base64Decode(std::string_view text);

// A SHA-256 fingerprint of a certificate or host key as a person types or
// pastes it: hexadecimal with or without colons in either case ("AB:12:…",
// as certificate viewers show it), or "SHA256:" and base64, as OpenSSH shows
// a key. Nothing where the text is neither.
std::optional<Sha256::Digest> ParseFingerprint(const std::string& text);

// "AB:12:…": how certificate viewers show a fingerprint.
std::string CertificateFingerprintText(const Sha256::Digest& digest);
// "SHA256:…": how OpenSSH shows a host key's fingerprint.
std::string KeyFingerprintText(const Sha256::Digest& digest);

} // namespace targello
