#include "net/WindowsRootStore.h"

#include <gtest/gtest.h>
#include <mbedtls/x509_crt.h>
#include <string>

namespace targello {
namespace {

// Every root the store holds must reach TLS whole: one certificate lost in
// the PEM text (a stray terminator, a broken line) would make every server
// that chains to it look unknown.
TEST(WindowsRootStoreTest, EveryRootOfTheStoreParsesAsACertificate) {
    const std::string pem(WindowsRootCertificates());
    std::size_t written = 0;
    for (std::size_t at = pem.find("-----BEGIN CERTIFICATE-----"); at != std::string::npos;
         at = pem.find("-----BEGIN CERTIFICATE-----", at + 1))
        ++written;
    ASSERT_GT(written, 0u) << "the ROOT store gave no certificate";

    mbedtls_x509_crt chain;
    mbedtls_x509_crt_init(&chain);
    const int failed =
        mbedtls_x509_crt_parse(&chain, reinterpret_cast<const unsigned char*>(pem.c_str()), pem.size() + 1);
    std::size_t parsed = 0;
    for (const mbedtls_x509_crt* cert = &chain; cert && cert->raw.len > 0; cert = cert->next)
        ++parsed;
    mbedtls_x509_crt_free(&chain);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(parsed, written);
}

} // namespace
} // namespace targello
