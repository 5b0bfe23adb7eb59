#pragma once

class QCoreApplication;

namespace targello {

// The program speaks Polish whatever the desktop's language: Qt's own texts
// (dialog buttons, the file and colour dialogs, edit menus) follow it.
// Returns false when Qt's translations are not installed.
bool UsePolishLanguage(QCoreApplication& application);

} // namespace targello
