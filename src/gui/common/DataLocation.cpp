#include "gui/common/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace targello {

QString JoinPath(const QString& directory, const QString& relativePath) {
    QString path = directory;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('/');
    path += relativePath;
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString LocateDataFile(const QString& startDirectory, const QString& relativePath) {
    const QString inStart = JoinPath(startDirectory, relativePath);
    if (QFileInfo::exists(inStart))
        return inStart;
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + QStringLiteral("/../share/targello")}) {
        const QString candidate = JoinPath(dir, relativePath);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return inStart;
}

} // namespace targello
