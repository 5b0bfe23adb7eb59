#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace targello {

// The DER bytes of the first certificate in PEM text.
std::optional<std::string> CertificateFromPem(std::string_view pem);

// The subjectPublicKeyInfo of a DER certificate: what a connection pins, so
// that a certificate accepted by its fingerprint is checked during the
// handshake, before the password is sent.
std::optional<std::string> PublicKeyOfCertificate(std::string_view der);

} // namespace targello
