// The modern page's picture copies made with Qt's image I/O: the same job,
// the same sizes and the same JPEG quality as the libvips module, for the
// build that has no libvips (Windows).
#include "core/files/FileErrorText.h"
#include "core/project/Utf8Path.h"
#include "core/webpictures/PictureFormat.h"
#include "core/webpictures/WebPictureEntry.h"
#include "gui/webpictures/WebPictureSizes.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <fstream>
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

std::string unencodable() {
    return "nie da się zapisać obrazka jako JPEG";
}

std::string unreadable() {
    return "nie da się odczytać obrazka (plik jest uszkodzony albo ma nieznany format)";
}

// Qt's name of the formats it reads here; Qt has no HEIC reader, and WebP
// and TIFF only where its image formats plugins are installed.
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

// The copy as JPEG bytes: the export writes them itself, through its file
// layer, so that a full disk is told from a picture that cannot be read.
std::string encode(const QImage& image, bool optimize) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(Quality);
    writer.setOptimizedWrite(optimize);
    if (!writer.write(image))
        return {};
    return bytes.toStdString();
}

// Whether the file at `path` can be opened and is of a format the export
// reads by its first bytes, never by its name; `reason` says why not.
bool readableFile(const std::string& path, std::string& reason) {
    errno = 0;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) {
        reason = FileErrorReason({errno ? errno : EIO, std::generic_category()});
        return false;
    }
    std::string head(PictureHeadSize, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (SniffPictureFormat(head) == PictureFormat::Unknown) {
        reason = UnknownFormatReason;
        return false;
    }
    return true;
}

// The large copy, decoded at its size where the format allows and upright.
QImage decodeLarge(const std::string& path, int side, std::string& reason) {
    if (!readableFile(path, reason))
        return {};
    QImageReader reader(fromUtf8(path));
    reader.setAutoTransform(true); // EXIF orientation
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (!readableFormat(format) || !size.isValid()) {
        reason = unreadable();
        return {};
    }
    if (PictureTooLarge(size.width(), size.height())) {
        reason = PictureTooLargeReason(size.width(), size.height());
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
    WebPictureOutcome outcome({}, large.width(), large.height());
    if ((outcome.LargeBytes = encode(large, false)).empty())
        return {unencodable()};
    if (job.SmallTarget.empty())
        return outcome;
    const PictureSize small =
        WebPictureSizes::Fitted({large.width(), large.height()}, {job.SmallWidth, job.SmallHeight});
    const QImage shrunk =
        small.Width == large.width() && small.Height == large.height()
            ? large
            : large.scaled(small.Width, small.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if ((outcome.SmallBytes = encode(shrunk, true)).empty())
        return {unencodable()};
    return outcome;
}

} // namespace
} // namespace targello

void targello_make_web_pictures_v2(const targello::WebPictureJob* job, targello::WebPictureOutcome* outcome) {
    using namespace targello;
    QtThreads::Shared().Run([&] { *outcome = makeWebPictures(*job); });
}
