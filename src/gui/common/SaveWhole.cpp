#include "gui/common/SaveWhole.h"

#include "core/files/FileErrorText.h"
#include "core/files/FileSync.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace targello {

QString SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.flush())
        return file.errorString();
    // commit() syncs the temporary file too before it renames it, but keeps
    // quiet when the disk fails to take it: that must refuse the save.
    if (file.handle() >= 0)
        if (const std::error_code error = SyncOpenFile(file.handle())) {
            file.cancelWriting();
            return QString::fromStdString(FileErrorReason(error));
        }
    if (!file.commit())
        return file.errorString();
    // The folder's new entry is not QSaveFile's concern.
    SyncFolder(QFileInfo(path).absoluteDir().filesystemAbsolutePath());
    return {};
}

QString SaveWhole(const QString& path, const QByteArray& bytes) {
    return SaveWhole(path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

} // namespace targello
