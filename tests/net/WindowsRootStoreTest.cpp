#include "net/WindowsRootStore.h"

#include <gtest/gtest.h>
#include <mbedtls/x509_crt.h>
#include <string>

namespace targello {
namespace {

// Every root the store holds must reach TLS whole: one certificate lost in
// the PEM text (a stray terminator, a broken line) would make every server
// that chains to it look unknown.
TEST(WindowsRootStoreTest, EveryRootOfTheStoreReachesTheParsedChain) {
    const std::string pem(WindowsRootCertificates());
    std::size_t written = 0;
    for (std::size_t at = pem.find("-----BEGIN CERTIFICATE-----"); at != std::string::npos;
         at = pem.find("-----BEGIN", at + 1))
        ++written;
    ASSERT_GT(written, 0u) << "the ROOT store gave no certificate";
    std::size_t parsed = 0;
    for (const mbedtls_x509_crt* cert = &WindowsRootChain(); cert && cert->raw.len > 0; cert = cert->next)
        ++parsed;
    EXPECT_EQ(parsed, written);
}

} // namespace
} // namespace targello
