#pragma once

#include <QString>

namespace targello {

class AppContext;

// The message after a preview or an export that wrote the page at `path`:
// where the shop is (or the pictures it went without, in `pictures`) and
// what the shop lacks to take orders (`orderNote`), with "Otwórz w
// przeglądarce" and "Pokaż w folderze", which hand the page or its folder
// to the desktop.
void ShowShopReady(AppContext& app, const QString& path, const QString& pictures, const QString& orderNote);

} // namespace targello
