// main() of the tests on the desktop's own platform: as every GUI test's,
// but on the `windows` platform rather than the offscreen one.
#include "TestStorage.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "windows");
    targello::TestStorage storage;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    storage.useForThisProcess();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
