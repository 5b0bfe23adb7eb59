// main() of every GUI test program: one QApplication on the offscreen
// platform (or the one TARGELLO_TEST_PLATFORM names, for the tests of the
// desktop's own), then GoogleTest.
#include "TestStorage.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("TARGELLO_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    // Preferences and recovery copies go to a place of the run's own, never
    // to the user's.
    targello::TestStorage storage;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    storage.useForThisProcess();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
