#include "net/WindowsRootStore.h"

#include <mbedtls/ssl.h>
#include <mbedtls/x509_crt.h>
#include <string>
#include <windows.h>
// After windows.h, which it needs.
#include <wincrypt.h>

namespace targello {

namespace {

std::string readRootStore() {
    std::string pem;
    HCERTSTORE store = CertOpenSystemStoreW(0, L"ROOT");
    if (!store)
        return pem;
    for (PCCERT_CONTEXT cert = CertEnumCertificatesInStore(store, nullptr); cert;
         cert = CertEnumCertificatesInStore(store, cert)) {
        if (cert->dwCertEncodingType != X509_ASN_ENCODING)
            continue;
        DWORD length = 0;
        const DWORD flags = CRYPT_STRING_BASE64HEADER | CRYPT_STRING_NOCR;
        if (!CryptBinaryToStringA(cert->pbCertEncoded, cert->cbCertEncoded, flags, nullptr, &length))
            continue;
        std::string text(length, '\0');
        if (CryptBinaryToStringA(cert->pbCertEncoded, cert->cbCertEncoded, flags, text.data(), &length))
            pem.append(text.c_str());
    }
    CertCloseStore(store, 0);
    return pem;
}

} // namespace

std::string_view WindowsRootCertificates() {
    static const std::string pem = readRootStore();
    return pem;
}

const mbedtls_x509_crt& WindowsRootChain() {
    // Parsed for the program's whole run, never freed.
    static const mbedtls_x509_crt* const chain = [] {
        auto* parsed = new mbedtls_x509_crt;
        mbedtls_x509_crt_init(parsed);
        const std::string_view pem = WindowsRootCertificates();
        if (!pem.empty())
            mbedtls_x509_crt_parse(parsed, reinterpret_cast<const unsigned char*>(pem.data()),
                                   pem.size() + 1);
        return parsed;
    }();
    return *chain;
}

CURLcode UseWindowsRootChain(CURL*, void* mbedConfig, void*) {
    mbedtls_ssl_conf_ca_chain(static_cast<mbedtls_ssl_config*>(mbedConfig),
                              const_cast<mbedtls_x509_crt*>(&WindowsRootChain()), nullptr);
    return CURLE_OK;
}

} // namespace targello
