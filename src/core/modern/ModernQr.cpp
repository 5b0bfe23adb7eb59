#include "core/modern/ModernQr.h"

namespace targello {

std::string ModernQrScript() {
    // The library's own default keeps only the low byte of each character.
    return std::string(QrLibraryScript()) + "\nqrcode.stringToBytes=qrcode.stringToBytesFuncs['UTF-8'];\n";
}

} // namespace targello
