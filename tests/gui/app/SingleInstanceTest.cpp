#include "gui/app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace targello {
namespace {

// The first program claims the folder; a second one, started with projects,
// hands them over and the first opens them, each request once, with paths
// made absolute against the second program's working folder.
TEST(SingleInstance, SecondProgramHandsItsProjectsToTheFirst) {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy arrived(&first, &SingleInstance::projectsArrived);
    first.listen();

    SingleInstance second(folder.path());
    EXPECT_FALSE(second.claim());
    const QString polish = QStringLiteral("Spiżarnia Zosi.esk");
    ASSERT_TRUE(second.handOver({polish, folder.filePath(QStringLiteral("b.esk"))}));
    ASSERT_TRUE(arrived.wait(3000));
    ASSERT_EQ(arrived.size(), 1);
    EXPECT_EQ(arrived[0][0].toStringList(), (QStringList{QDir::current().absoluteFilePath(polish),
                                                         folder.filePath(QStringLiteral("b.esk"))}));
    // The request is gone once taken: nothing arrives twice.
    QTest::qWait(1500);
    EXPECT_EQ(arrived.size(), 1);

    // A request left while no program listened is taken when one starts.
    SingleInstance third(folder.path());
    ASSERT_TRUE(third.handOver({QStringLiteral("/c.esk")}));
    SingleInstance later(folder.path());
    QSignalSpy laterArrived(&later, &SingleInstance::projectsArrived);
    later.listen();
    ASSERT_EQ(laterArrived.size(), 1);
    EXPECT_EQ(laterArrived[0][0].toStringList(),
              QStringList{QFileInfo(QStringLiteral("/c.esk")).absoluteFilePath()});
}

TEST(SingleInstance, LockIsFreedWhenTheProgramEnds) {
    QTemporaryDir folder;
    {
        SingleInstance ended(folder.path());
        ASSERT_TRUE(ended.claim());
    }
    SingleInstance next(folder.path());
    EXPECT_TRUE(next.claim());
}

} // namespace
} // namespace targello
