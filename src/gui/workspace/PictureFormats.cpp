#include "gui/workspace/PictureFormats.h"

#include <QDir>
#include <QStringList>

namespace targello::PictureFormats {

namespace {

struct Family {
    const char* title;
    QStringList suffixes;
};

// Formats named the way users know them; a format the reader offers beyond
// these is still listed under "Wszystkie obrazki".
QList<Family> knownFamilies() {
    return {
        {"JPEG",
         {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"), QStringLiteral("jfif")}},
        {"PNG", {QStringLiteral("png")}},
        {"BMP", {QStringLiteral("bmp"), QStringLiteral("dib")}},
        {"GIF", {QStringLiteral("gif")}},
        {"Ikony", {QStringLiteral("ico"), QStringLiteral("cur")}},
        {"WebP", {QStringLiteral("webp")}},
        {"TIFF", {QStringLiteral("tif"), QStringLiteral("tiff")}},
    };
}

QString patterns(const QStringList& suffixes) {
    QStringList globs;
    for (const QString& suffix : suffixes)
        globs.append(QStringLiteral("*.") + suffix);
    return globs.join(QLatin1Char(' '));
}

} // namespace

QString openFilter() {
    QStringList readable;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        readable.append(QString::fromLatin1(format).toLower());
    QStringList all;
    QStringList entries;
    for (const Family& family : knownFamilies()) {
        QStringList offered;
        for (const QString& suffix : family.suffixes)
            if (readable.contains(suffix))
                offered.append(suffix);
        if (offered.isEmpty())
            continue;
        entries.append(QString::fromUtf8(family.title) + QStringLiteral(" (") + patterns(offered) +
                       QLatin1Char(')'));
        all.append(offered);
    }
    for (const QString& suffix : readable)
        if (!all.contains(suffix))
            all.append(suffix);
    entries.prepend(QStringLiteral("Wszystkie obrazki (") + patterns(all) + QLatin1Char(')'));
    entries.append(QStringLiteral("Wszystkie pliki (*)"));
    return entries.join(QStringLiteral(";;"));
}

QString reason(QImageReader::ImageReaderError error) {
    switch (error) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("nie ma takiego pliku");
    case QImageReader::DeviceError:
        return QStringLiteral("nie można odczytać pliku");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("nieznany format obrazka");
    case QImageReader::InvalidDataError:
        return QStringLiteral("plik jest uszkodzony albo nie jest obrazkiem");
    case QImageReader::UnknownError:
        break;
    }
    return QStringLiteral("nieznany błąd");
}

QString loadFailedMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Nie można wczytać obrazka %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace targello::PictureFormats
