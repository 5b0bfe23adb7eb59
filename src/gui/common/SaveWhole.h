#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace targello {

// Writes the file at `path` whole or not at all (through QSaveFile): `write`
// fills a temporary file beside it, which takes the file's place only when
// `write` succeeded and everything reached the disk, the data before the
// rename and the folder's new entry after it, so that a power cut leaves the
// old file or the new one whole. An existing file stays as
// it was otherwise. Returns the empty string, or why the file was not written.
QString SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write);
QString SaveWhole(const QString& path, const QByteArray& bytes);

} // namespace targello
