#include "core/session/RecoveryStore.h"

#include "RecoveryFixture.h"
#include "core/project/PageToProject.h"
#include "core/session/RunningProcess.h"

#include <fstream>

using namespace targello;
using targello::testing::GoneProcess;
using targello::testing::RecoveryTest;

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(RunningProcess, ThisOneRunsAndImpossibleIdsDoNot) {
    EXPECT_TRUE(ProcessIsRunning(CurrentProcessId()));
    EXPECT_FALSE(ProcessIsRunning(GoneProcess));
    EXPECT_FALSE(ProcessIsRunning(0)) << "0 would mean the whole process group";
    EXPECT_FALSE(ProcessIsRunning(-1));
    EXPECT_FALSE(ProcessIsRunning(std::int64_t{1} << 40));
}

TEST_F(RecoveryTest, ACopyIsTheProjectFileWithANoteAndIsReplacedByTheNext) {
    ShopPage& shop = page(3);
    shop.SetProjectPath("/home/ala/sklep.esk");
    RecoveryStore store(folder(), 4242);
    const RecoveryWrite first = store.Write(shop);
    ASSERT_EQ(first.Error, "");
    EXPECT_FALSE(first.Tell);
    EXPECT_EQ(fileCount(), 2u) << "a project and its note, no temporary files";
    const std::string key = "4242-s" + std::to_string(shop.Serial());
    EXPECT_EQ(contents(folder_ / (key + ".esk")), *ProjectBytesFromPage(shop).Value);
    EXPECT_EQ(ParseRecoveryNote(contents(folder_ / (key + ".txt"))),
              (RecoveryNote{"Sklep 1", "/home/ala/sklep.esk"}));

    shop.SetItemName(0, "Talerz");
    ASSERT_EQ(store.Write(shop).Error, "");
    EXPECT_EQ(fileCount(), 2u);
    EXPECT_EQ(contents(folder_ / (key + ".esk")), *ProjectBytesFromPage(shop).Value);

    // The note is written again only when it changes, and again after it went.
    fs::remove(folder_ / (key + ".txt"));
    ASSERT_EQ(store.Write(shop).Error, "");
    EXPECT_FALSE(fs::exists(folder_ / (key + ".txt")));
    shop.SetProjectPath("/home/ala/nowy.esk");
    ASSERT_EQ(store.Write(shop).Error, "");
    EXPECT_EQ(ParseRecoveryNote(contents(folder_ / (key + ".txt"))),
              (RecoveryNote{"Sklep 1", "/home/ala/nowy.esk"}));
    store.Remove(shop);
    EXPECT_EQ(fileCount(), 0u);
    ASSERT_EQ(store.Write(shop).Error, "");
    EXPECT_EQ(fileCount(), 2u);
}

TEST_F(RecoveryTest, SavingClosingAndACleanExitLeaveNothingOfThisProcess) {
    ShopPage& first = page(1);
    ShopPage& second = page(2);
    RecoveryStore store(folder(), 4242);
    RecoveryStore other(folder(), 5353);
    ASSERT_EQ(store.Write(first).Error, "");
    ASSERT_EQ(store.Write(second).Error, "");
    ASSERT_EQ(other.Write(first).Error, "");
    store.Remove(first);
    EXPECT_EQ(fileCount(), 4u);
    store.Remove(first); // again: nothing left to remove
    store.RemoveOwn();
    EXPECT_EQ(fileCount(), 2u) << "another program's copies stay";
    other.Discard("4242-s1"); // not its own: refused
    other.RemoveOwn();
    EXPECT_EQ(fileCount(), 0u);
}

TEST_F(RecoveryTest, AFolderThatCannotBeWrittenIsToldOnceUntilAWriteSucceeds) {
    // A file where the folder should be: neither the folder nor a copy can be made.
    { std::ofstream(folder_.string()) << "nie folder"; }
    ShopPage& shop = page(1);
    RecoveryStore blocked(folder(), 4242);
    const RecoveryWrite first = blocked.Write(shop);
    EXPECT_TRUE(first.Tell);
    EXPECT_EQ(first.Error,
              "Nie można zapisać kopii do odzyskania strony „Sklep 1”: nie da się utworzyć folderu „" +
                  folder() + "”.");
    const RecoveryWrite second = blocked.Write(shop);
    EXPECT_FALSE(second.Error.empty());
    EXPECT_FALSE(second.Tell) << "editing goes on without a message on every autosave";

    fs::remove(folder_);
    EXPECT_EQ(blocked.Write(shop).Error, "");
    fs::remove_all(folder_);
    { std::ofstream(folder_.string()) << "znowu nie folder"; }
    EXPECT_TRUE(blocked.Write(shop).Tell) << "a new failure after a good copy is told again";
    fs::remove(folder_);
}

TEST_F(RecoveryTest, APageTheFormatCannotHoldIsReportedNotHalfWritten) {
    ShopPage& shop = page(1, "Kubek 😀");
    RecoveryStore store(folder(), 4242);
    const RecoveryWrite written = store.Write(shop);
    EXPECT_TRUE(written.Tell);
    EXPECT_NE(written.Error.find("Nie można zapisać kopii do odzyskania strony „Sklep 1”. "),
              std::string::npos);
    EXPECT_NE(written.Error.find("produktu 1 („Kubek 😀”)"), std::string::npos) << written.Error;
    EXPECT_EQ(fileCount(), 0u);
}

TEST_F(RecoveryTest, ARestoredPageHoldsTheWorkNamesTheUsersFileAndIsChanged) {
    ShopPage& lost = page(2, "Dzbanek „duży”");
    lost.SetItemPrice(1, "12,50");
    lost.SetProjectPath("/home/ala/sklep.esk");
    RecoveryStore crashed(folder(), GoneProcess);
    ASSERT_EQ(crashed.Write(lost).Error, "");

    RecoveryStore store(folder(), CurrentProcessId());
    const RecoveryScan scan = store.TakeOrphans();
    ASSERT_EQ(scan.Entries.size(), 1u);
    ShopPage& restored = *workspace_.NewPage(EditedSettings::initial().Values);
    RestoreRecoveredPage(scan.Entries[0], restored);
    ASSERT_EQ(restored.ItemCount(), 2);
    for (int k = 0; k < 2; ++k) {
        ShopItem expected = lost.Item(k);
        expected.Picture = ItemPicture::File; // until the page tries to show it
        EXPECT_EQ(restored.Item(k), expected) << k;
    }
    EXPECT_EQ(restored.Settings, lost.Settings);
    EXPECT_EQ(restored.ProjectPath(), "/home/ala/sklep.esk");
    EXPECT_TRUE(restored.Changed());

    // The page gets its own copy before the taken one goes.
    ASSERT_EQ(store.Adopt(scan.Entries[0].Key, restored).Error, "");
    EXPECT_EQ(fileCount(), 2u);
    EXPECT_TRUE(fs::exists(
        folder_ / (std::to_string(CurrentProcessId()) + "-s" + std::to_string(restored.Serial()) + ".esk")));
    store.RemoveOwn();
    EXPECT_EQ(fileCount(), 0u);
}
