#include "gui/app/MainWindow.h"
#include "gui/app/QtTranslations.h"
#include "gui/app/SingleInstance.h"
#include "gui/platform/QtPlatform.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
#ifdef _WIN32
    // Windows keeps preferences under HKCU\Software\<organization>\<program>
    // and recovery copies under %APPDATA%\<organization>\<program>.
    QApplication::setOrganizationName(QStringLiteral("Targello"));
#endif
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    QApplication::setDesktopFileName(QStringLiteral("targello"));
    // `targello a.esk b.esk`, and a project double-clicked in the file manager.
    const QStringList projects = QApplication::arguments().mid(1);
    // A project double-clicked while the program runs opens in its window.
    targello::SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!instance.claim() && instance.handOver(projects))
        return 0;
    targello::UsePolishLanguage(application);

    targello::QtPlatform platform;
    targello::MainWindow window(platform);
    window.showMaximized();
    QObject::connect(&instance, &targello::SingleInstance::projectsArrived, &window,
                     [&window](const QStringList& arrived) {
                         window.openProjects(arrived);
                         window.activateWindow();
                         window.raise();
                     });
    QTimer::singleShot(0, &window, [&window, &instance, projects] {
        window.startUp(projects);
        instance.listen();
    });
    return QApplication::exec();
}
