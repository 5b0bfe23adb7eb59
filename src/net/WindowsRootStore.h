#pragma once

#include <curl/curl.h>
#include <string_view>

struct mbedtls_x509_crt;

namespace targello {

// The root certificates Windows trusts (the machine's and the user's ROOT
// store), as one PEM text, read once per program run. TLS on Windows runs on
// mbed TLS, which knows no store of its own: this is what it checks a
// server's certificate against, as Schannel would.
std::string_view WindowsRootCertificates();

// The same certificates parsed, once per run: every FTPS data connection is
// a TLS connection of its own, and parsing the store costs mbed TLS ~5 ms.
const mbedtls_x509_crt& WindowsRootChain();

// A CURLOPT_SSL_CTX_FUNCTION that hands a connection's mbed TLS
// configuration the parsed chain.
CURLcode UseWindowsRootChain(CURL* curl, void* mbedConfig, void* user);

} // namespace targello
