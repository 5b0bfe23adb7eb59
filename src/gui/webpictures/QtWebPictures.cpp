// The modern page's picture copies made with Qt's image I/O: the same job,
// the same sizes and the same JPEG quality as the libvips module, for the
// build that has no libvips (Windows).
#include "core/files/FileErrorText.h"
#include "core/project/Utf8Path.h"
#include "core/webpictures/BmpHeader.h"
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
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>
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

// Qt's readers tell a cut-off JPEG only by a warning, and libpng complains
// the same way: on the thread that reads, never on stderr. So the module
// listens to Qt's messages, keeps those of a read in progress on the thread
// that reads, and hands every other message on to whoever listened before.
// (A map rather than thread-local storage: a loaded module's thread-local
// variables trip LeakSanitizer's thread scan at the program's end.)
std::mutex hearingMutex;
std::map<std::thread::id, QStringList*> hearings;
QtMessageHandler earlierListener = nullptr;

// Keeps Qt's messages on this thread for as long as it lives.
class Hearing {
public:
    Hearing() {
        std::lock_guard lock(hearingMutex);
        hearings[std::this_thread::get_id()] = &Heard;
    }
    ~Hearing() {
        std::lock_guard lock(hearingMutex);
        hearings.erase(std::this_thread::get_id());
    }
    Hearing(const Hearing&) = delete;
    Hearing& operator=(const Hearing&) = delete;
    QStringList Heard;
};

void listen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        std::lock_guard lock(hearingMutex);
        const auto found = hearings.find(std::this_thread::get_id());
        if (found != hearings.end()) {
            found->second->append(text);
            return;
        }
    }
    earlierListener(type, context, text);
}

// libjpeg's "Premature end of JPEG file" and "premature end of data
// segment": the rest of the picture would be grey.
bool cutShort(const QStringList& heard) {
    return std::any_of(heard.begin(), heard.end(), [](const QString& text) {
        return text.contains(u"premature end", Qt::CaseInsensitive);
    });
}

// The formats this build of Qt reads: JPEG, PNG, GIF and BMP always; WebP
// and TIFF only where Qt's image formats plugins are installed, HEIC never.
std::string formatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::WebP:
        return "WebP";
    case PictureFormat::Tiff:
        return "TIFF";
    case PictureFormat::Heic:
        return "HEIC";
    default:
        return {};
    }
}

QByteArray qtName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::WebP:
        return "webp";
    case PictureFormat::Tiff:
        return "tiff";
    default:
        return {};
    }
}

bool qtReads(PictureFormat format) {
    const QByteArray name = qtName(format);
    return !name.isEmpty() && QImageReader::supportedImageFormats().contains(name);
}

std::string notReadHere(PictureFormat format) {
    return "ta wersja programu nie odczytuje obrazków " + formatName(format) +
           "; zapisz obrazek jako JPEG albo PNG";
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

// Whether the PNG at `in` holds all its chunks up to the closing one. A PNG
// cut short is refused here, before libpng, which would print its error on
// stderr, out of reach of Qt's messages.
bool pngComplete(std::ifstream& in, std::uintmax_t size) {
    std::uintmax_t at = 8;
    char chunk[8];
    while (at + 12 <= size) {
        in.clear();
        in.seekg(static_cast<std::streamoff>(at));
        if (!in.read(chunk, sizeof chunk))
            return false;
        std::uintmax_t length = 0;
        for (int k = 0; k < 4; ++k)
            length = length << 8 | static_cast<unsigned char>(chunk[k]);
        if (std::string_view(chunk + 4, 4) == "IEND")
            return true;
        at += 12 + length;
    }
    return false;
}

// The format of the file at `path` by its first bytes, never by its name,
// where it can be opened and is one this build reads; otherwise `reason`
// says why not. A bitmap's header and a PNG's chunks are checked here as
// well: Qt shows a cut-off bitmap with its missing rows blank.
PictureFormat readableFile(const std::string& path, std::string& reason) {
    errno = 0;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) {
        reason = FileErrorReason({errno ? errno : EIO, std::generic_category()});
        return PictureFormat::Unknown;
    }
    std::string head(std::max(PictureHeadSize, BmpHeaderSize), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    const PictureFormat format = SniffPictureFormat(head);
    if (format == PictureFormat::Unknown)
        reason = UnknownFormatReason;
    else if (!qtReads(format))
        reason = notReadHere(format);
    else if (format == PictureFormat::Bmp || format == PictureFormat::Png) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), error);
        if (error)
            reason = FileErrorReason(error);
        else if (format == PictureFormat::Bmp)
            reason = BmpHeaderProblem(head, size);
        else if (!pngComplete(in, size))
            reason = unreadable();
    }
    return reason.empty() ? format : PictureFormat::Unknown;
}

// The large copy, decoded at its size where the format allows and upright;
// `faulty` tells whether the reader warned about a file it still read.
QImage decodeLarge(const std::string& path, int side, std::string& reason, bool& faulty) {
    const PictureFormat format = readableFile(path, reason);
    if (format == PictureFormat::Unknown)
        return {};
    // Read with the reader of the format the first bytes name and no other,
    // whatever the file's name says.
    Hearing hearing;
    QImageReader reader(fromUtf8(path), qtName(format));
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true); // EXIF orientation
    const QSize size = reader.size();
    if (!size.isValid()) {
        reason = unreadable();
        return {};
    }
    if (PictureTooLarge(size.width(), size.height())) {
        reason = PictureTooLargeReason(size.width(), size.height());
        return {};
    }
    const PictureSize source{size.width(), size.height()};
    const PictureSize large = format == PictureFormat::Jpeg ? WebPictureSizes::LargeJpeg(source, side)
                                                            : WebPictureSizes::Fitted(source, {side, side});
    if (large.Width != source.Width || large.Height != source.Height)
        reader.setScaledSize(QSize(large.Width, large.Height));
    QImage image = reader.read();
    if (image.isNull())
        reason = unreadable();
    else if (cutShort(hearing.Heard))
        reason = unreadable(); // as the libvips module says it
    faulty = reason.empty() && !hearing.Heard.isEmpty();
    return reason.empty() ? image : QImage();
}

// Once per process: where the plugins are, and Qt's messages heard.
void prepare() {
    findPlugins();
    earlierListener = qInstallMessageHandler(listen);
}

} // namespace
} // namespace targello

namespace targello {
namespace {

// A copy of `large` fitted into `box` as libvips fits it, never enlarged.
std::string encodeFitted(const QImage& large, PictureSize box) {
    const PictureSize fitted = WebPictureSizes::Fitted({large.width(), large.height()}, box);
    if (fitted.Width == large.width() && fitted.Height == large.height())
        return encode(large, true);
    return encode(large.scaled(fitted.Width, fitted.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                  true);
}

WebPictureOutcome makeWebPictures(const WebPictureJob& job) {
    static std::once_flag once;
    std::call_once(once, prepare);
    std::string reason;
    bool faulty = false;
    const QImage decoded = decodeLarge(job.Source, job.LargestSide, reason, faulty);
    if (decoded.isNull())
        return {reason};
    const QImage large = plain(decoded);
    WebPictureOutcome outcome({}, large.width(), large.height());
    outcome.MadeDespiteFault = faulty;
    if ((outcome.LargeBytes = encode(large, false)).empty())
        return {unencodable()};
    if (job.SmallTarget.empty())
        return outcome;
    // A large copy no wider than the middle one is the middle one too.
    if (!job.MediumTarget.empty() && large.width() <= job.MediumWidth)
        outcome.MediumBytes = outcome.LargeBytes;
    else if (!job.MediumTarget.empty() &&
             (outcome.MediumBytes = encodeFitted(large, {job.MediumWidth, large.height()})).empty())
        return {unencodable()};
    if ((outcome.SmallBytes = encodeFitted(large, {job.SmallWidth, job.SmallHeight})).empty())
        return {unencodable()};
    return outcome;
}

} // namespace
} // namespace targello

void targello_make_web_pictures_v3(const targello::WebPictureJob* job, targello::WebPictureOutcome* outcome) {
    using namespace targello;
    QtThreads::Shared().Run([&] { *outcome = makeWebPictures(*job); });
}
