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
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

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

// The threads that run Qt's image code. A thread that has used a QObject
// (Qt's image reader and writer open a QFile) leaves Qt state behind, which
// mingw's runtime and Qt's own watcher both clean up when the thread ends,
// and the export's picture threads come and go: the second clean-up crashed
// the program. So the module's Qt work runs on a few threads of its own that
// live as long as the program, and each call waits for its job there.
class QtThreads {
public:
    static QtThreads& Shared() {
        static QtThreads* threads = new QtThreads(); // never ended: the program's end ends its threads
        return *threads;
    }

    void Run(const std::function<void()>& work) {
        std::packaged_task<void()> task(work);
        std::future<void> done = task.get_future();
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        ready_.notify_one();
        done.get();
    }

private:
    QtThreads() {
        const unsigned count = std::max(2u, std::thread::hardware_concurrency());
        for (unsigned k = 0; k < count; ++k)
            std::thread([this] { serve(); }).detach();
    }

    void serve() {
        for (;;) {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [this] { return !tasks_.empty(); });
            std::packaged_task<void()> task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            task();
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::packaged_task<void()>> tasks_;
};

// Qt finds its image format plugins (JPEG, GIF) in the folder the setup
// program puts them in, the plugins folder beside this module, even in a
// program that has no QCoreApplication to tell it its own folder.
void findPlugins() {
#ifdef _WIN32
    HMODULE self = nullptr;
    wchar_t path[MAX_PATH] = {};
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&findPlugins), &self) &&
        GetModuleFileNameW(self, path, MAX_PATH) > 0)
        QCoreApplication::addLibraryPath(QFileInfo(QString::fromWCharArray(path)).absolutePath() +
                                         QStringLiteral("/plugins"));
#endif
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

bool write(const QImage& image, const QString& path, bool optimize) {
    // The writer holds its file open until it ends: Windows renames no open file.
    QImageWriter writer(path, "jpeg");
    writer.setQuality(Quality);
    writer.setOptimizedWrite(optimize);
    return writer.write(image);
}

std::string save(const QImage& image, const std::string& target, bool optimize) {
    const QString temporary = fromUtf8(target + ".tmp");
    QFile::remove(fromUtf8(target));
    if (!write(image, temporary, optimize) || !QFile::rename(temporary, fromUtf8(target))) {
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

namespace targello {
namespace {

WebPictureOutcome makeWebPictures(const WebPictureJob& job) {
    static std::once_flag once;
    std::call_once(once, findPlugins);
    std::string reason;
    const QImage decoded = decodeLarge(job.Source, job.LargestSide, reason);
    if (decoded.isNull())
        return {reason};
    const QImage large = plain(decoded);
    WebPictureOutcome outcome{save(large, job.LargeTarget, false), large.width(), large.height()};
    if (!outcome.Reason.empty() || job.SmallTarget.empty())
        return outcome;
    const PictureSize small =
        WebPictureSizes::Fitted({large.width(), large.height()}, {job.SmallWidth, job.SmallHeight});
    const QImage shrunk =
        small.Width == large.width() && small.Height == large.height()
            ? large
            : large.scaled(small.Width, small.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    outcome.Reason = save(shrunk, job.SmallTarget, true);
    return outcome;
}

} // namespace
} // namespace targello

void targello_make_web_pictures_v1(const targello::WebPictureJob* job, targello::WebPictureOutcome* outcome) {
    using namespace targello;
    QtThreads::Shared().Run([&] { *outcome = makeWebPictures(*job); });
}
