#include "gui/app/MainWindow.h"
#include "gui/app/QtTranslations.h"
#include "gui/platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    QApplication::setDesktopFileName(QStringLiteral("targello"));
    targello::UsePolishLanguage(application);

    targello::QtPlatform platform;
    targello::MainWindow window(platform);
    window.showMaximized();
    return QApplication::exec();
}
