#include "gui/settings/TextureLoader.h"

#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/project/Utf8Path.h"
#include "gui/common/DataLocation.h"
#include "gui/common/SaveWhole.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace targello {

namespace {

QString ReadProblem(const QImageReader& reader, const QString& path) {
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("Nie można wczytać tekstury: nie ma pliku „%1”.").arg(path);
    case QImageReader::DeviceError:
        return QStringLiteral("Nie można wczytać tekstury: pliku „%1” nie da się odczytać.").arg(path);
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("Nie można wczytać tekstury: plik „%1” nie jest obrazkiem w znanym formacie.")
            .arg(path);
    case QImageReader::InvalidDataError:
        return QStringLiteral("Nie można wczytać tekstury: obrazek w pliku „%1” jest uszkodzony.").arg(path);
    default:
        return QStringLiteral("Nie można wczytać tekstury z pliku „%1”.").arg(path);
    }
}

// Why the file at `path` is refused before the reader opens it (a FIFO would
// block the window for good, a huge picture take gigabytes), or "".
QString ProblemBeforeReading(const QString& path) {
    std::string problem = ReadableFileProblem(PathFromUtf8(path.toStdString()));
    if (problem.empty() && !QFileInfo(path).isReadable())
        problem = "brak uprawnień";
    if (problem.empty()) {
        const QSize size = QImageReader(path).size();
        if (size.isValid() && PictureTooLarge(size.width(), size.height()))
            problem = PictureTooLargeReason(size.width(), size.height());
    }
    if (problem.empty())
        return {};
    return QStringLiteral("Nie można wczytać tekstury z pliku „%1”: %2.")
        .arg(path, QString::fromStdString(problem));
}

// Only the top-left corner is used, so only that much is decoded where the
// format allows it (JPEG does): a large photo costs no more than a small one.
QImage ReadCorner(QImageReader& reader) {
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    // The clip is taken from the picture as stored: a turned one is decoded whole.
    if (size.isValid() && reader.transformation() == QImageIOHandler::TransformationNone)
        reader.setClipRect(QRect(0, 0, qMin(size.width(), TextureImages::SwatchSize),
                                 qMin(size.height(), TextureImages::SwatchSize)));
    return reader.read();
}

QImage Swatch(const QImage& picture) {
    QImage swatch(TextureImages::SwatchSize, TextureImages::SwatchSize, QImage::Format_RGB32);
    swatch.fill(Qt::white);
    QPainter painter(&swatch);
    painter.drawImage(QPoint(0, 0), picture,
                      QRect(0, 0, TextureImages::SwatchSize, TextureImages::SwatchSize));
    return swatch;
}

QString WriteSwatch(const QImage& swatch, const QString& startDirectory) {
    const QString path = JoinPath(startDirectory, QStringLiteral("temp.bmp"));
    // A FIFO or a folder in its place is reported, never written into.
    const std::string problem = WritableFileProblem(PathFromUtf8(path.toStdString()));
    if (!problem.empty())
        return QStringLiteral("Nie można zapisać próbki tekstury do pliku „%1”: %2.")
            .arg(path, QString::fromStdString(problem));
    const QString error = SaveWhole(path, [&swatch](QIODevice& file) { return swatch.save(&file, "BMP"); });
    if (!error.isEmpty())
        return QStringLiteral("Nie można zapisać próbki tekstury do pliku „%1”: %2.").arg(path, error);
    return {};
}

} // namespace

TextureImages TextureImages::blank() {
    TextureImages blank;
    blank.swatch = QImage(SwatchSize, SwatchSize, QImage::Format_RGB32);
    blank.swatch.fill(Qt::white);
    blank.strip = TileStrip(blank.swatch);
    return blank;
}

QImage TileStrip(const QImage& swatch) {
    QImage strip(TextureImages::StripWidth, TextureImages::StripHeight, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int y = 0; y < TextureImages::StripHeight; y += TextureImages::SwatchSize)
        for (int x = 0; x <= TextureImages::StripWidth; x += TextureImages::SwatchSize)
            painter.drawImage(QPoint(x, y), swatch);
    return strip;
}

QString LoadTexture(const QString& path, const QString& startDirectory, TextureImages& texture) {
    if (const QString problem = ProblemBeforeReading(path); !problem.isEmpty())
        return problem;
    QImageReader reader(path);
    const QImage picture = ReadCorner(reader);
    if (picture.isNull())
        return ReadProblem(reader, path);
    const QImage swatch = Swatch(picture);
    const QString writeProblem = WriteSwatch(swatch, startDirectory);
    if (!writeProblem.isEmpty())
        return writeProblem;
    texture.swatch = swatch;
    texture.strip = TileStrip(swatch);
    return {};
}

} // namespace targello
