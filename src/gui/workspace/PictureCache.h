#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <functional>

class QImageReader;

namespace targello {

// Item pictures as pages show them: decoded straight to the shown size (a
// 12-megapixel photo costs about 50 KB, never 48 MB) and shared by every
// page that shows the same file. A thumbnail is known by its file's path,
// size and modification time, so a file changed on disk is read again.
class PictureCache : public QObject {
    Q_OBJECT

public:
    explicit PictureCache(QObject* parent = nullptr);
    ~PictureCache() override;

    // The size every item picture is shown at (133 x 94, stretched).
    static QSize thumbnailSize();

    // The thumbnail, decoded now on the calling thread (or taken from the
    // cache). A null image when the file cannot be read; `reason` then says
    // why, in Polish.
    QImage loadNow(const QString& path, QString* reason = nullptr);

    // What loadInBackground hands over: the thumbnail, or a null image and
    // the reason in Polish.
    using Delivery = std::function<void(const QImage& thumbnail, const QString& reason)>;

    // Decodes `path` on a thread of the pool and calls `done` on this
    // object's thread, unless `context` is gone by then. A fresh thumbnail
    // from the cache is handed over the same way. A FIFO, a device or a
    // picture of more than 100 million pixels is refused before decoding.
    void loadInBackground(const QString& path, QObject* context, const Delivery& done);

    // The thumbnail when it is ready. Otherwise a null image, and the file is
    // decoded in the background (once, however many ask): thumbnailReady or
    // thumbnailFailed follows on this object's thread.
    QImage request(const QString& path);

    // Blocks until no background decode is running or waiting (tests and
    // benchmarks); the results still arrive through the event loop.
    void waitForBackgroundWork();

    const QImage& placeholder() const { return placeholder_; }
    const QImage& missing() const { return missing_; }
    const QImage& loading() const { return loading_; }

signals:
    void thumbnailReady(const QString& path, const QImage& image);
    void thumbnailFailed(const QString& path, const QString& reason);

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    struct Decoded {
        Stamp stamp;
        QImage image;
        QString reason;
    };

    static Stamp stampOf(const QString& path);
    static QString problemBeforeReading(const QString& path, QImageReader& reader);
    static Decoded decode(const QString& path);
    const QImage* fresh(const QString& path) const;
    void store(const QString& path, const Decoded& decoded);
    void backgroundDone(const QString& path, const Decoded& decoded);
    void trim();

    QHash<QString, Decoded> thumbnails_;
    QSet<QString> pending_;
    int trimAt_;
    QThreadPool pool_;
    QImage placeholder_;
    QImage missing_;
    QImage loading_;
};

} // namespace targello
