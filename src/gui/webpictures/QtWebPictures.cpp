// The modern page's picture copies made with Qt's image I/O: the same job,
// the same sizes and the same JPEG quality as the libvips module, for the
// build that has no libvips (Windows).
#include "core/webpictures/WebPictureEntry.h"
#include "gui/webpictures/WebPictureSizes.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <mutex>

#ifdef _WIN32
#include <windows.h>
#endif

namespace targello {
namespace {

constexpr int Quality = 82;
constexpr qint64 MostPixels = 100'000'000; // as the window's picture boxes

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt finds its image format plugins (JPEG, GIF) in the folder the setup
// program puts them in, beside this module, even in a program that has no
// QCoreApplication to tell it its own folder.
void findPlugins() {
    static std::once_flag once;
    std::call_once(once, [] {
#ifdef _WIN32
        HMODULE self = nullptr;
        wchar_t path[MAX_PATH] = {};
        if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                   GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                               reinterpret_cast<LPCWSTR>(&findPlugins), &self) &&
            GetModuleFileNameW(self, path, MAX_PATH) > 0)
            QCoreApplication::addLibraryPath(QFileInfo(QString::fromWCharArray(path)).absolutePath());
#endif
    });
}

std::string unreadable() {
    return "nie da się odczytać obrazka (plik jest uszkodzony albo ma nieznany format)";
}

bool readableFormat(const QByteArray& format) {
    return format == "jpeg" || format == "png" || format == "gif" || format == "bmp" || format == "webp" ||
           format == "tiff";
}

// Pixels alone: no colour profile, no texts (camera data, comments), laid on white.
QImage plain(const QImage& image) {
    QImage converted = image;
    if (converted.colorSpace().isValid() && converted.colorSpace() != QColorSpace(QColorSpace::SRgb))
        converted.convertToColorSpace(QColorSpace::SRgb);
    QImage flat(converted.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, converted);
    painter.end();
    return flat;
}

std::string save(const QImage& image, const std::string& target, bool optimize) {
    const QString temporary = fromUtf8(target + ".tmp");
    QImageWriter writer(temporary, "jpeg");
    writer.setQuality(Quality);
    writer.setOptimizedWrite(optimize);
    QFile::remove(fromUtf8(target));
    if (!writer.write(image) || !QFile::rename(temporary, fromUtf8(target))) {
        QFile::remove(temporary);
        return "nie da się zapisać kopii „" + target + "”";
    }
    return {};
}

// The large copy, decoded at its size where the format allows and upright.
QImage decodeLarge(const std::string& path, int side, std::string& reason) {
    QImageReader reader(fromUtf8(path));
    reader.setAutoTransform(true); // EXIF orientation
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (!readableFormat(format) || !size.isValid()) {
        reason = unreadable();
        return {};
    }
    if (static_cast<qint64>(size.width()) * size.height() > MostPixels) {
        reason = "obrazek ma ponad 100 milionów pikseli";
        return {};
    }
    const PictureSize source{size.width(), size.height()};
    const PictureSize large = format == "jpeg" ? WebPictureSizes::LargeJpeg(source, side)
                                               : WebPictureSizes::Fitted(source, {side, side});
    if (large.Width != source.Width || large.Height != source.Height)
        reader.setScaledSize(QSize(large.Width, large.Height));
    QImage image = reader.read();
    if (image.isNull())
        reason = unreadable();
    return image;
}

} // namespace
} // namespace targello

void targello_make_web_pictures_v1(const targello::WebPictureJob* job, targello::WebPictureOutcome* outcome) {
    using namespace targello;
    findPlugins();
    std::string reason;
    const QImage decoded = decodeLarge(job->Source, job->LargestSide, reason);
    if (decoded.isNull()) {
        *outcome = {reason};
        return;
    }
    const QImage large = plain(decoded);
    *outcome = {save(large, job->LargeTarget, false), large.width(), large.height()};
    if (!outcome->Reason.empty() || job->SmallTarget.empty())
        return;
    const PictureSize small =
        WebPictureSizes::Fitted({large.width(), large.height()}, {job->SmallWidth, job->SmallHeight});
    const QImage shrunk =
        small.Width == large.width() && small.Height == large.height()
            ? large
            : large.scaled(small.Width, small.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    outcome->Reason = save(shrunk, job->SmallTarget, true);
}
