#include "core/files/ExportTransaction.h"

#include "FileContents.h"
#include "core/files/FileSync.h"
#include "core/files/FileWriteLimit.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

using namespace targello;
namespace fs = std::filesystem;
using namespace targello::testing;

namespace {

class Transaction : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("targello-transaction-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        WriteFile(root / "www" / "sklep.html", "old page");
        WriteFile(root / "www" / "sklep" / "a.jpg", "old a");
        WriteFile(root / "source.jpg", "new picture");
        before = Snapshot(root / "www");
    }
    void TearDown() override {
        SetWriteLimitForTests(std::nullopt);
        SetSyncFailureForTests(false);
        fs::remove_all(root);
    }

    fs::path root;
    std::map<std::string, std::string> before;
};

} // namespace

TEST_F(Transaction, NothingChangesBeforeCommitAndAllChangesWithIt) {
    ExportTransaction transaction;
    ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
    ASSERT_TRUE(transaction.StageCopy(root / "source.jpg", root / "www" / "sklep" / "a.jpg"));
    ASSERT_FALSE(transaction.MakeFolder(root / "www" / "nowy"));
    ASSERT_TRUE(transaction.StageCopy(root / "source.jpg", root / "www" / "nowy" / "b.jpg"));
    EXPECT_EQ(ReadFile(root / "www" / "sklep.html"), "old page");
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "a.jpg"), "old a");

    ASSERT_FALSE(transaction.Commit());
    EXPECT_EQ(Snapshot(root / "www"), (std::map<std::string, std::string>{
                                          {"nowy", "<folder>"},
                                          {"nowy/b.jpg", "new picture"},
                                          {"sklep", "<folder>"},
                                          {"sklep.html", "new page"},
                                          {"sklep/a.jpg", "new picture"},
                                      }))
        << "no temporaries or backups are left";
}

TEST_F(Transaction, AbandonedTransactionLeavesEverythingAsItWas) {
    {
        ExportTransaction transaction;
        ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
        ASSERT_FALSE(transaction.MakeFolder(root / "www" / "nowy"));
        ASSERT_TRUE(transaction.StageCopy(root / "source.jpg", root / "www" / "nowy" / "b.jpg"));
    }
    EXPECT_EQ(Snapshot(root / "www"), before);
}

TEST_F(Transaction, FullDiskWhileStagingKeepsThePreviousFiles) {
    ExportTransaction transaction;
    ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
    SetWriteLimitForTests(3);
    const CopyResult copied = transaction.StageCopy(root / "source.jpg", root / "www" / "sklep" / "a.jpg");
    EXPECT_EQ(copied.Fault, CopyFault::Target);
    EXPECT_EQ(copied.Reason, "brak miejsca na dysku");
    transaction.Abandon();
    EXPECT_EQ(Snapshot(root / "www"), before);
}

TEST_F(Transaction, PageThatCannotBePutOnTheDiskReplacesNothing) {
    ExportTransaction transaction;
    ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
    ASSERT_TRUE(transaction.StageCopy(root / "source.jpg", root / "www" / "sklep" / "a.jpg"));
    SetSyncFailureForTests(true);
    EXPECT_EQ(transaction.Commit(), std::errc::io_error);
    EXPECT_EQ(Snapshot(root / "www"), before) << "the old page and picture, and no temporaries";
}

TEST_F(Transaction, FailedCommitPutsBackWhatItAlreadyReplaced) {
    // A folder is never replaced by a file: the last step fails after the
    // page and a new picture have taken their places.
    WriteFile(root / "www" / "blokada" / "x", "x");
    before = Snapshot(root / "www");
    ExportTransaction transaction;
    ASSERT_TRUE(transaction.StageCopy(root / "source.jpg", root / "www" / "blokada"));
    ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
    ASSERT_TRUE(transaction.StageCopy(root / "source.jpg", root / "www" / "sklep" / "b.jpg"));
    EXPECT_TRUE(transaction.Commit());
    EXPECT_EQ(Snapshot(root / "www"), before);
}

TEST_F(Transaction, ReadOnlyPageIsReplacedWithoutLeavingItsBackup) {
    fs::permissions(root / "www" / "sklep.html",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ExportTransaction transaction;
    ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
    ASSERT_FALSE(transaction.Commit());
    EXPECT_EQ(ReadFile(root / "www" / "sklep.html"), "new page");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(root / "www"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"sklep", "sklep.html"})) << "no backup or temporary left";
    fs::permissions(root / "www" / "sklep.html", fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(Transaction, ReplacedFileKeepsItsPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no permissions for group and others";
#endif
    fs::permissions(root / "www" / "sklep.html",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ExportTransaction transaction;
    ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
    ASSERT_FALSE(transaction.Commit());
    EXPECT_EQ(fs::status(root / "www" / "sklep.html").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Transaction, LeftoversOfACutOffExportAreRemovedOnlyForTheExportsOwnNames) {
    const fs::path folder = root / "www" / "sklep";
    for (const char* name : {".a.jpg.targello-123456", ".a.jpg.targello-new", ".a.jpg.targello-new.tmp",
                             ".b.jpg.targello-654321", ".c.jpg.targello-new", ".a.jpg.targello-zapas",
                             ".a.jpg.targello-1234567"})
        WriteFile(folder / name, "resztka");
    fs::create_directories(folder / ".a.jpg.targello-7");
    RemoveUnfinishedFiles(folder, [](const std::string& name) { return name == "a.jpg" || name == "b.jpg"; });
    EXPECT_EQ(Snapshot(folder), (std::map<std::string, std::string>{
                                    {"a.jpg", "old a"},
                                    // b.jpg is gone: its backup may be all that is left of it
                                    {".b.jpg.targello-654321", "resztka"},
                                    // not the export's name, not its pattern, not a file
                                    {".c.jpg.targello-new", "resztka"},
                                    {".a.jpg.targello-zapas", "resztka"},
                                    {".a.jpg.targello-1234567", "resztka"},
                                    {".a.jpg.targello-7", "<folder>"},
                                }));
}

// What a killed run leaves is made here by a real transaction: its staged
// files are saved aside before it cleans up, and put back as a kill leaves them.
TEST_F(Transaction, WhatAKilledRunStagedGoesWhetherOrNotAnEarlierExportExists) {
    for (const bool earlier : {true, false}) {
        if (!earlier)
            fs::remove_all(root / "www"), fs::create_directories(root / "www" / "sklep");
        const auto expected = Snapshot(root / "www");
        std::vector<fs::path> staged;
        {
            ExportTransaction transaction;
            ASSERT_FALSE(transaction.StageBytes(root / "www" / "sklep.html", "new page"));
            ASSERT_TRUE(transaction.StageCopy(root / "source.jpg", root / "www" / "sklep" / "a.jpg"));
            for (const fs::path& folder : {root / "www", root / "www" / "sklep"})
                for (const auto& entry : fs::directory_iterator(folder))
                    if (entry.path().filename().string().starts_with(".")) {
                        staged.push_back(entry.path());
                        fs::create_hard_link(entry.path(), root / ("kept" + std::to_string(staged.size())));
                    }
        }
        ASSERT_EQ(staged.size(), 2u);
        for (std::size_t k = 0; k < staged.size(); ++k)
            fs::rename(root / ("kept" + std::to_string(k + 1)), staged[k]);

        RemoveUnfinishedFilesOf(root / "www" / "sklep.html");
        RemoveUnfinishedFiles(root / "www" / "sklep",
                              [](const std::string& name) { return name == "a.jpg"; });
        EXPECT_EQ(Snapshot(root / "www"), expected) << (earlier ? "over an earlier export" : "first export");
    }
}
