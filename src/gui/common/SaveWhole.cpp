#include "gui/common/SaveWhole.h"

#include "core/files/FileSync.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace targello {

QString SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    // commit() puts the temporary file's data on the disk before it renames
    // it (QSaveFile syncs it first); the folder's new entry is ours to sync.
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) {
        SyncFolder(QFileInfo(path).absoluteDir().filesystemAbsolutePath());
        return {};
    }
    return file.errorString();
}

QString SaveWhole(const QString& path, const QByteArray& bytes) {
    return SaveWhole(path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

} // namespace targello
