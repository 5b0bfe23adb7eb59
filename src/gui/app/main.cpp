#include "gui/app/MainWindow.h"
#include "gui/app/QtTranslations.h"
#include "gui/platform/QtPlatform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    QApplication::setDesktopFileName(QStringLiteral("targello"));
    targello::UsePolishLanguage(application);

    targello::QtPlatform platform;
    targello::MainWindow window(platform);
    window.showMaximized();
    // `targello a.esk b.esk`, and a project double-clicked in the file manager.
    const QStringList projects = QApplication::arguments().mid(1);
    QTimer::singleShot(0, &window, [&window, projects] { window.startUp(projects); });
    return QApplication::exec();
}
