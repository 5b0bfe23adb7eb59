#include "FifoGuard.h"
#include "MainWindowFixture.h"

using namespace targello;

namespace {

using ProjectFileSafetyTest = MainWindowFixture;

// A FIFO would keep the reader waiting for a writer, a device never end: both
// are refused at once, naming the file, before any page is made.
TEST_F(ProjectFileSafetyTest, AFifoOrADeviceChosenAsProjectIsRefusedAtOnce) {
    QTemporaryDir files;
    const QString fifo = files.filePath(QStringLiteral("projekt.esk"));
    TARGELLO_SKIP_WITHOUT_FIFOS();
    FifoGuard guard(fifo);
    ASSERT_TRUE(guard.made());
    for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
        platform_.nextFileName.enqueue(path);
        ASSERT_NO_FATAL_FAILURE(trigger("Otw1"));
    }
    EXPECT_EQ(workspace().PageCount(), 0);
    ASSERT_EQ(platform_.shown.size(), 2);
    EXPECT_EQ(platform_.shown[0].kind, ScriptedPlatform::Kind::Error);
    EXPECT_EQ(platform_.shown[0].text,
              QStringLiteral("Nie można otworzyć projektu „%1”: to nie jest zwykły plik.").arg(fifo));
    EXPECT_EQ(platform_.shown[1].text,
              QStringLiteral("Nie można otworzyć projektu „/dev/zero”: to nie jest zwykły plik."));
    EXPECT_FALSE(guard.wasOpened());
}

} // namespace
