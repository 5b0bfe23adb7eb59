#include "net/CertificateKey.h"

#include "core/publish/Fingerprint.h"

namespace targello {
namespace {

// One DER element at the front of `der`: its whole bytes and its content.
struct Element {
    unsigned char Tag = 0;
    std::string_view Whole;
    std::string_view Content;
};

std::optional<Element> readElement(std::string_view der) {
    if (der.size() < 2)
        return std::nullopt;
    Element element;
    element.Tag = static_cast<unsigned char>(der[0]);
    std::size_t length = static_cast<unsigned char>(der[1]);
    std::size_t header = 2;
    if (length & 0x80) {
        const std::size_t bytes = length & 0x7f;
        if (bytes == 0 || bytes > 4 || der.size() < 2 + bytes)
            return std::nullopt;
        length = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            length = length << 8 | static_cast<unsigned char>(der[2 + i]);
        header += bytes;
    }
    if (der.size() - header < length)
        return std::nullopt;
    element.Whole = der.substr(0, header + length);
    element.Content = der.substr(header, length);
    return element;
}

} // namespace

std::optional<std::string> CertificateFromPem(std::string_view pem) {
    constexpr std::string_view Begin = "-----BEGIN CERTIFICATE-----";
    constexpr std::string_view End = "-----END CERTIFICATE-----";
    const std::size_t begin = pem.find(Begin);
    const std::size_t end = begin == std::string_view::npos ? begin : pem.find(End, begin);
    if (end == std::string_view::npos)
        return std::nullopt;
    return Base64Decode(pem.substr(begin + Begin.size(), end - begin - Begin.size()));
}

std::optional<std::string> PublicKeyOfCertificate(std::string_view der) {
    const std::optional<Element> certificate = readElement(der);
    const std::optional<Element> tbs = certificate ? readElement(certificate->Content) : std::nullopt;
    if (!tbs || certificate->Tag != 0x30 || tbs->Tag != 0x30)
        return std::nullopt;
    std::string_view rest = tbs->Content;
    // [0] version (optional), serial number, signature, issuer, validity, subject, then the key.
    int skipped = 0;
    while (const std::optional<Element> field = readElement(rest)) {
        rest.remove_prefix(field->Whole.size());
        if (field->Tag == 0xa0)
            continue;
        if (skipped++ == 5)
            return field->Tag == 0x30 ? std::optional<std::string>(field->Whole) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace targello
