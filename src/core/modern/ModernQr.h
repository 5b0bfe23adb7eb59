#pragma once

#include <string>
#include <string_view>

namespace targello {

// The QR code library the thank-you draws the transfer's code with
// (qrcode-generator, MIT licence, kept in third_party/qrcode-generator),
// as its source: inlined into the page, so no other site is asked.
std::string_view QrLibraryScript();

// The library with Polish letters encoded as UTF-8, as banking apps read
// them; only for a page that offers a transfer.
std::string ModernQrScript();

} // namespace targello
