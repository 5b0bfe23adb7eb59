#include "../files/SpecialFiles.h"
#include "../files/WithinTimeLimit.h"
#include "core/project/ProjectReader.h"

#include <gtest/gtest.h>

using namespace targello;
namespace fs = std::filesystem;

TEST(ProjectSpecialFile, FifoIsRefusedWithoutWaitingForAWriter) {
    TARGELLO_SKIP_WITHOUT_FIFOS();
    const fs::path fifo = fs::temp_directory_path() / "targello-project-fifo.esk";
    fs::remove(fifo);
    ASSERT_EQ(targello::testing::MakeFifo(fifo), 0);
    std::string error;
    const bool inTime = targello::testing::FinishesWithin(
        std::chrono::seconds(10), {fifo}, [&] { error = ReadProjectFile(fifo.string()).Error; });
    fs::remove(fifo);
    ASSERT_TRUE(inTime);
    EXPECT_EQ(error, "Nie można otworzyć projektu „" + fifo.string() + "”: to nie jest zwykły plik.");
}

TEST(ProjectSpecialFile, DeviceIsRefused) {
    if (!fs::exists("/dev/zero"))
        GTEST_SKIP() << "no /dev/zero here";
    EXPECT_EQ(ReadProjectFile("/dev/zero").Error,
              "Nie można otworzyć projektu „/dev/zero”: to nie jest zwykły plik.");
}
