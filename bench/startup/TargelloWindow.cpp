// The program's main window, shown, then the program ends: what a user waits
// for between starting Targello and seeing it.
#include "gui/app/MainWindow.h"
#include "gui/platform/QtPlatform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    targello::QtPlatform platform;
    targello::MainWindow window(platform);
    window.showMaximized();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
