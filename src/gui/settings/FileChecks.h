#pragma once

#include <QString>

namespace targello {

// Filters of the settings windows' file dialogs, in Qt's form.
QString LinkFileFilter();
QString BannerFileFilter();
// Every picture format the program can read.
QString PictureFileFilter();

// Why the file at `path` cannot be read, in Polish, or an empty text when it can.
QString UnreadableFileProblem(const QString& path);

// A chosen file as an address: "file:///" and the path with slashes, as in
// file:///C:/shop/a.htm (a POSIX path's own leading slash is not doubled).
QString FileAddress(const QString& path);

} // namespace targello
