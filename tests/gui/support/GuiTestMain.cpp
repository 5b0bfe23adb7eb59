// main() of every GUI test program: one QApplication on the offscreen
// platform, then GoogleTest.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Preferences and recovery copies go to a folder of the run's own, never
    // to the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
