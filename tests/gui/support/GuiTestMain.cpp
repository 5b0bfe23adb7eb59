// main() of every GUI test program: one QApplication on the offscreen
// platform, then GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Targello"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
