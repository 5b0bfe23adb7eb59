#include "gui/workspace/PictureCache.h"

#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/project/Utf8Path.h"
#include "gui/workspace/ItemArtwork.h"
#include "gui/workspace/ItemLayout.h"
#include "gui/workspace/PictureFormats.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QThread>

namespace targello {

namespace {

// Thumbnails no page holds any more are let go beyond this many; each costs
// about 50 KB.
constexpr int KeptUnusedThumbnails = 1000;

} // namespace

PictureCache::PictureCache(QObject* parent)
    : QObject(parent), trimAt_(KeptUnusedThumbnails), placeholder_(ItemArtwork::placeholderPicture()),
      missing_(ItemArtwork::missingPicture()), loading_(ItemArtwork::loadingPicture()) {
    pool_.setMaxThreadCount(qMax(1, QThread::idealThreadCount()));
}

PictureCache::~PictureCache() {
    pool_.clear();
    pool_.waitForDone();
}

QSize PictureCache::thumbnailSize() {
    return {ItemLayout::PictureWidth, ItemLayout::PictureHeight};
}

PictureCache::Stamp PictureCache::stampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

// Why `path` cannot be decoded before the reader opens it: opening a FIFO
// would block the decoding thread for good, and a picture of hundreds of
// megapixels would take gigabytes. Empty when it may be read.
QString PictureCache::problemBeforeReading(const QString& path, QImageReader& reader) {
    const std::string problem = ReadableFileProblem(PathFromUtf8(path.toStdString()));
    if (!problem.empty())
        return QString::fromStdString(problem);
    if (!QFileInfo(path).isReadable())
        return QStringLiteral("brak uprawnień");
    reader.setFileName(path);
    const QSize size = reader.size();
    if (size.isValid() && PictureTooLarge(size.width(), size.height()))
        return QString::fromStdString(PictureTooLargeReason(size.width(), size.height()));
    return {};
}

PictureCache::Decoded PictureCache::decode(const QString& path) {
    Decoded result;
    QImageReader reader;
    result.stamp = stampOf(path);
    result.reason = problemBeforeReading(path, reader);
    if (!result.reason.isEmpty())
        return result;
    // Phone photos are stored sideways with an EXIF orientation.
    reader.setAutoTransform(true);
    // Scaling while decoding lets libjpeg produce an eighth of the picture
    // instead of all of it; the rest is a small smooth scale. The scaled size
    // is that of the picture as stored, before it is turned.
    reader.setScaledSize(reader.transformation() & QImageIOHandler::TransformationRotate90
                             ? thumbnailSize().transposed()
                             : thumbnailSize());
    QImage image = reader.read();
    if (image.isNull()) {
        result.reason = PictureFormats::reason(reader.error());
        return result;
    }
    if (image.size() != thumbnailSize())
        image = image.scaled(thumbnailSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    result.image = std::move(image);
    return result;
}

const QImage* PictureCache::fresh(const QString& path) const {
    auto found = thumbnails_.constFind(path);
    if (found == thumbnails_.constEnd() || found->image.isNull())
        return nullptr;
    return found->stamp == stampOf(path) ? &found->image : nullptr;
}

QImage PictureCache::loadNow(const QString& path, QString* reason) {
    if (const QImage* known = fresh(path))
        return *known;
    const Decoded decoded = decode(path);
    if (decoded.image.isNull()) {
        if (reason != nullptr)
            *reason = decoded.reason;
        return {};
    }
    store(path, decoded);
    return decoded.image;
}

QImage PictureCache::request(const QString& path) {
    if (const QImage* known = fresh(path))
        return *known;
    if (pending_.contains(path))
        return {};
    pending_.insert(path);
    pool_.start([this, path] {
        const Decoded decoded = decode(path);
        QMetaObject::invokeMethod(
            this, [this, path, decoded] { backgroundDone(path, decoded); }, Qt::QueuedConnection);
    });
    return {};
}

void PictureCache::loadInBackground(const QString& path, QObject* context, const Delivery& done) {
    QPointer<QObject> receiver(context);
    if (const QImage* known = fresh(path)) {
        // Answered through the event loop all the same, so callers see one order of events.
        QMetaObject::invokeMethod(
            this,
            [receiver, done, image = *known] {
                if (receiver)
                    done(image, QString());
            },
            Qt::QueuedConnection);
        return;
    }
    pool_.start([this, path, receiver, done] {
        const Decoded decoded = decode(path);
        QMetaObject::invokeMethod(
            this,
            [this, path, receiver, done, decoded] {
                if (!decoded.image.isNull())
                    store(path, decoded);
                if (receiver)
                    done(decoded.image, decoded.reason);
            },
            Qt::QueuedConnection);
    });
}

void PictureCache::backgroundDone(const QString& path, const Decoded& decoded) {
    pending_.remove(path);
    if (decoded.image.isNull()) {
        emit thumbnailFailed(path, decoded.reason);
        return;
    }
    store(path, decoded);
    emit thumbnailReady(path, decoded.image);
}

void PictureCache::store(const QString& path, const Decoded& decoded) {
    thumbnails_.insert(path, decoded);
    if (thumbnails_.size() > trimAt_)
        trim();
}

void PictureCache::trim() {
    // A thumbnail whose data only the cache refers to is shown by no page.
    for (auto it = thumbnails_.begin(); it != thumbnails_.end();) {
        if (it->image.isDetached())
            it = thumbnails_.erase(it);
        else
            ++it;
    }
    // When pages hold most thumbnails, looking again at every new one would
    // cost a pass over all of them each time.
    trimAt_ = qMax(KeptUnusedThumbnails, 2 * static_cast<int>(thumbnails_.size()));
}

void PictureCache::waitForBackgroundWork() {
    pool_.waitForDone();
}

} // namespace targello
