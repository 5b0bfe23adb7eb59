#include "gui/common/SaveWhole.h"

#include <QSaveFile>

namespace targello {

QString SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return {};
    return file.errorString();
}

QString SaveWhole(const QString& path, const QByteArray& bytes) {
    return SaveWhole(path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

} // namespace targello
