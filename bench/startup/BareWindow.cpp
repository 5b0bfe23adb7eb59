// The yardstick: a bare Qt main window with a menu bar and a status bar,
// shown, then the program ends.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Targello"));
    window.menuBar()->addMenu(QStringLiteral("Program"));
    window.statusBar()->showMessage(QStringLiteral("Gotowe"));
    window.showMaximized();
    // Shown means painted: let the first paint through, then end.
    QApplication::processEvents();
    return 0;
}
