#pragma once

#include <QString>

namespace targello {

// The program's data files (the help page, the textures) are found below the
// start directory first, as users of the program have always kept them there;
// where they are not, in the program's own data folder: beside the executable,
// then the install prefix's share/targello. A file found nowhere is named at
// its place below the start directory, so that an error message names it.
QString LocateDataFile(const QString& startDirectory, const QString& relativePath);

// `relativePath` below `directory`, with the platform's separators.
QString JoinPath(const QString& directory, const QString& relativePath);

} // namespace targello
