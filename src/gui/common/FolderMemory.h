#pragma once

#include <QString>

namespace targello {

// Where each kind of file dialog last found its file ("projekt", "obrazek",
// …), kept among the program's preferences so that the next dialog of that
// kind starts there, also after a restart.
QString LastFolder(const QString& kind);
// The user chose `file` in a dialog of that kind.
void RememberFolder(const QString& kind, const QString& file);

} // namespace targello
