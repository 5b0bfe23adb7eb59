#include "gui/settings/FileChecks.h"

#include "core/files/FileKind.h"
#include "core/project/Utf8Path.h"

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
    // Looked at without opening: opening a FIFO would wait for a writer for good.
    std::string problem = ReadableFileProblem(PathFromUtf8(path.toStdString()));
    if (problem.empty() && !QFileInfo(path).isReadable())
        problem = "brak uprawnień";
    if (problem.empty())
        return {};
    return QStringLiteral("Nie można odczytać pliku „%1”: %2.").arg(path, QString::fromStdString(problem));
}

QString FileAddress(const QString& path) {
    QString address = path;
    address.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return (address.startsWith(QLatin1Char('/')) ? QStringLiteral("file://") : QStringLiteral("file:///")) +
           address;
}

} // namespace targello
