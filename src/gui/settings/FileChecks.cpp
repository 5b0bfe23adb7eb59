#include "gui/settings/FileChecks.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

namespace targello {

QString LinkFileFilter() {
    return QStringLiteral("pliki skl (*.htm *html)");
}

QString BannerFileFilter() {
    return QStringLiteral("pliki graficzne (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.gif *.png);;"
                          "pliki gif (*.gif);;pliki jpg (*.jpg *.jpeg);;wszystkie pliki (*)");
}

QString PictureFileFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    return QStringLiteral("pliki graficzne (%1);;wszystkie pliki (*)").arg(patterns.join(QLatin1Char(' ')));
}

QString UnreadableFileProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Nie ma pliku „%1”.").arg(path);
    if (info.isDir())
        return QStringLiteral("„%1” jest folderem, nie plikiem.").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Nie można odczytać pliku „%1”: brak dostępu.").arg(path);
    return {};
}

QString FileAddress(const QString& path) {
    QString address = path;
    address.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return (address.startsWith(QLatin1Char('/')) ? QStringLiteral("file://") : QStringLiteral("file:///")) +
           address;
}

} // namespace targello
