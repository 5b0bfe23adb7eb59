#pragma once

#include <QString>
#include <optional>

namespace targello {

class AppContext;

// "Podgląd": writes the current page's shop to temp.html and the folder temp
// in the start directory, opens it in the desktop's browser and says where it is.
void PreviewShop(AppContext& app);

// "Wygeneruj sklep HTML": asks for a file name and writes the shop there,
// its pictures in a folder named after the file.
void ExportShop(AppContext& app);

// Writes the current page's shop to `path` with its picture folder
// `baseName`, the modern page when the page's settings ask for it. The run
// goes on in the background behind a progress dialog with "Anuluj"; the
// error box tells why the page could not be written, and one message says
// where the page is (or names the pictures it had to go without) and offers
// to open it. False when nothing was written
// (a failure or "Anuluj", which leaves the previous shop as it was).
bool WriteShop(AppContext& app, const QString& baseName, const QString& path);

// WriteShop without the closing message, for a command that goes on with
// the written shop: the notes on pictures and links ("" for none), or
// nothing when no page was written.
std::optional<QString> WriteShopFiles(AppContext& app, const QString& baseName, const QString& path);

} // namespace targello
