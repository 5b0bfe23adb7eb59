#pragma once

#include <QString>

namespace targello {

class AppContext;

// "Podgląd": writes the current page's shop to temp.html and the folder temp
// in the start directory and opens it in the desktop's browser.
void PreviewShop(AppContext& app);

// "Wygeneruj sklep HTML": asks for a file name and writes the shop there,
// its pictures in a folder named after the file.
void ExportShop(AppContext& app);

// Writes the current page's shop to `path` with its picture folder
// `baseName`, showing progress while pictures are copied and the error box
// when the page cannot be written. False when nothing was written.
bool WriteShop(AppContext& app, const QString& baseName, const QString& path);

} // namespace targello
