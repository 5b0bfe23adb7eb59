#pragma once

#include <string_view>

namespace targello {

// The root certificates Windows trusts (the machine's and the user's ROOT
// store), as one PEM text, read once per program run. TLS on Windows runs on
// mbed TLS, which knows no store of its own: this is what it checks a
// server's certificate against, as Schannel would.
std::string_view WindowsRootCertificates();

} // namespace targello
