#pragma once

#include <QImageReader>
#include <QString>

namespace targello::PictureFormats {

// The picture-open dialog's filter: every picture format this Qt can read,
// all together first, then each on its own, then all files.
QString openFilter();

// Why a picture could not be read, in words for the user.
QString reason(QImageReader::ImageReaderError error);

// The error box text for a picture that could not be loaded.
QString loadFailedMessage(const QString& path, const QString& reason);

} // namespace targello::PictureFormats
