// The program's main window, shown, then the program ends: what a user waits
// for between starting Targello and seeing it.
#include "gui/app/MainWindow.h"
#include "gui/platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    targello::QtPlatform platform;
    targello::MainWindow window(platform);
    window.showMaximized();
    // Shown means painted: let the first paint through, then end.
    QApplication::processEvents();
    return 0;
}
