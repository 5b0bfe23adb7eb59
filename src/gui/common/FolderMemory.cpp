#include "gui/common/FolderMemory.h"

#include <QFileInfo>
#include <QSettings>

namespace targello {
namespace {

QString key(const QString& kind) {
    return QStringLiteral("foldery/") + kind;
}

} // namespace

QString LastFolder(const QString& kind) {
    const QString folder = QSettings().value(key(kind)).toString();
    // A folder that has gone since would only make the dialog start nowhere.
    return QFileInfo(folder).isDir() ? folder : QString();
}

void RememberFolder(const QString& kind, const QString& file) {
    if (!file.isEmpty())
        QSettings().setValue(key(kind), QFileInfo(file).absolutePath());
}

} // namespace targello
