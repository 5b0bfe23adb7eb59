// The program as the recovery test runs it in a process of its own: the main
// window on the real desktop interface, started on the project given first,
// with the text given second typed into the first item's name as a user
// types it. The test then kills the process.
#include "gui/app/MainWindow.h"
#include "gui/platform/QtPlatform.h"
#include "gui/workspace/ItemField.h"
#include "gui/workspace/PageWindow.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
#ifdef _WIN32
    // The test program's own place for recovery copies (see TestStorage).
    QApplication::setOrganizationName(qEnvironmentVariable("TARGELLO_TEST_ORGANIZATION"));
#endif
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    targello::QtPlatform platform;
    targello::MainWindow window(platform);
    window.show();
    window.startUp({arguments[1]});
    targello::PageWindow* page = window.currentPageWindow();
    if (page == nullptr)
        return 3;
    QWidget* name = page->editor(0, targello::ItemField::Name);
    name->setFocus();
    // A box that takes the focus has its text selected: type after it.
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, arguments[2]);
    std::puts("typed");
    std::fflush(stdout);
    return QApplication::exec();
}
