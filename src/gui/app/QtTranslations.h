#pragma once

class QCoreApplication;

namespace targello {

// The program speaks Polish whatever the desktop's language: Qt's own texts
// (dialog buttons, the file and colour dialogs, edit menus) and the dates
// and sizes they show follow it. Returns false when Qt's translations are
// not installed; the dates and sizes are Polish even then.
bool UsePolishLanguage(QCoreApplication& application);

} // namespace targello
