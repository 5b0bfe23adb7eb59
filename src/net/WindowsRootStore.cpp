#include "net/WindowsRootStore.h"

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

} // namespace targello
