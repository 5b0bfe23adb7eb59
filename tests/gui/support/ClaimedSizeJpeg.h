#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace targello {

// A small JPEG whose frame header claims `width` × `height` pixels (each at
// most 65535): readers see the size at once, and decoding it would take
// width × height × 4 bytes. An empty array if the JPEG could not be made.
inline QByteArray JpegClaimingSize(int width, int height) {
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !small.save(&buffer, "JPEG"))
        return {};
    // Baseline frame: FF C0, length (2), precision (1), height (2), width (2).
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        return {};
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

} // namespace targello
