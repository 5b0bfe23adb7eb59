// The yardstick: a bare Qt main window, shown, then the program ends.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Targello"));
    window.showMaximized();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
