#include "RecoveryFixture.h"
#include "core/session/RecoveryStore.h"
#include "core/session/RunningProcess.h"

#include <fstream>

using namespace targello;
using targello::testing::GoneProcess;
using targello::testing::OtherRunningProcess;
using targello::testing::RecoveryTest;

namespace fs = std::filesystem;

TEST_F(RecoveryTest, OnlyCopiesOfAProcessThatIsGoneAreTakenAndOffered) {
    if (OtherRunningProcess() == 0)
        GTEST_SKIP() << "no second process to stand for another program";
    ShopPage& first = page(1, "Pierwszy");
    ShopPage& second = page(1, "Drugi");
    second.SetProjectPath("/dom/drugi.esk");
    RecoveryStore crashed(folder(), GoneProcess);
    ASSERT_EQ(crashed.Write(first).Error, "");
    ASSERT_EQ(crashed.Write(second).Error, "");
    const std::string gone = std::to_string(GoneProcess);
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(folder_ / (gone + "-s" + std::to_string(first.Serial()) + ".esk"),
                        now - std::chrono::seconds(60));
    fs::last_write_time(folder_ / (gone + "-s" + std::to_string(second.Serial()) + ".esk"),
                        now - std::chrono::seconds(90));
    RecoveryStore running(folder(), OtherRunningProcess());
    ASSERT_EQ(running.Write(first).Error, "");
    { std::ofstream(folder_ / "notatki.txt") << "nie nasza"; }

    RecoveryStore store(folder(), CurrentProcessId());
    const RecoveryScan scan = store.TakeOrphans();
    ASSERT_EQ(scan.Entries.size(), 2u);
    EXPECT_TRUE(scan.Damaged.empty());
    EXPECT_EQ(scan.Entries[0].Note, (RecoveryNote{"Sklep 2", "/dom/drugi.esk"})) << "oldest first";
    EXPECT_EQ(scan.Entries[1].SavedAt - scan.Entries[0].SavedAt, 30);
    EXPECT_EQ(scan.Entries[1].Note.Caption, "Sklep 1");
    EXPECT_EQ(scan.Entries[1].Project.Items.size(), 1u);

    // A second program starting now finds nothing left to take.
    RecoveryStore later(folder(), OtherRunningProcess());
    EXPECT_TRUE(later.TakeOrphans().Entries.empty());
    EXPECT_TRUE(store.TakeOrphans().Entries.empty()) << "taken copies are this program's own now";

    // A clean exit removes the taken copies too; the running program's stay.
    store.RemoveOwn();
    EXPECT_EQ(fileCount(), 3u);
    EXPECT_TRUE(fs::exists(folder_ / "notatki.txt"));
    running.RemoveOwn();
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(RecoveryTest, ADamagedCopyIsSkippedWithAReasonAndAMissingNoteCostsOnlyTheCaption) {
    ShopPage& shop = page(2);
    RecoveryStore crashed(folder(), GoneProcess);
    ASSERT_EQ(crashed.Write(shop).Error, "");
    const std::string gone = std::to_string(GoneProcess);
    const fs::path good = folder_ / (gone + "-s" + std::to_string(shop.Serial()) + ".esk");
    fs::copy_file(good, folder_ / (gone + "-bez-notatki.esk"));
    { std::ofstream(folder_ / (gone + "-obciety.esk"), std::ios::binary) << "krótki"; }
    { std::ofstream(folder_ / (gone + "-obciety.txt")) << FormatRecoveryNote({"Sklep 9", ""}); }
    { std::ofstream(folder_ / (gone + "-zla-notatka.txt")) << "śmieci"; }
    fs::copy_file(good, folder_ / (gone + "-zla-notatka.esk"));
    // A note whose project was never written, and a write cut short.
    { std::ofstream(folder_ / (gone + "-sama-notatka.txt")) << FormatRecoveryNote({"Sklep 4", ""}); }
    { std::ofstream(folder_ / (gone + "-s7.esk.zapis-123")) << "pół"; }
    { std::ofstream(folder_ / (gone + "-zakupy.pdf")) << "nie kopia"; }

    RecoveryStore store(folder(), CurrentProcessId());
    const RecoveryScan scan = store.TakeOrphans();
    ASSERT_EQ(scan.Damaged.size(), 1u);
    EXPECT_NE(
        scan.Damaged[0].Message.find("Pominięto uszkodzoną kopię do odzyskania. Nie można otworzyć projektu"),
        std::string::npos)
        << scan.Damaged[0].Message;
    ASSERT_EQ(scan.Entries.size(), 3u);
    int withoutCaption = 0;
    for (const RecoveryEntry& entry : scan.Entries) {
        EXPECT_EQ(entry.Project.Items.size(), 2u);
        withoutCaption += entry.Note.Caption.empty();
        EXPECT_GT(entry.SavedAt, 1'700'000'000) << "the time the copy was written";
    }
    EXPECT_EQ(withoutCaption, 2);
    EXPECT_FALSE(fs::exists(folder_ / (gone + "-sama-notatka.txt")));
    EXPECT_FALSE(fs::exists(folder_ / (gone + "-s7.esk.zapis-123")));

    { std::ofstream(folder_ / (std::to_string(CurrentProcessId()) + "-s3.txt.zapis-9")) << "pół"; }
    store.RemoveOwn();
    EXPECT_EQ(fileCount(), 1u) << "the damaged copy goes with the rest at a clean exit";
    EXPECT_TRUE(fs::exists(folder_ / (gone + "-zakupy.pdf"))) << "what is no copy stays";
}

TEST_F(RecoveryTest, AMissingFolderHoldsNothingToRecover) {
    RecoveryStore store(folder(), CurrentProcessId());
    const RecoveryScan scan = store.TakeOrphans();
    EXPECT_TRUE(scan.Entries.empty());
    EXPECT_TRUE(scan.Damaged.empty());
    store.RemoveOwn();
    store.Discard("nie-klucz");
}
