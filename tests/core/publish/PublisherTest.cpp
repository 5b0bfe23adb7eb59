#include "core/publish/Publisher.h"

#include "FakeRemoteFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace targello {
namespace {

namespace fs = std::filesystem;
using testing::FakeRemoteFolder;

// "sklep/.targello-0123456789abcdef-a.jpg" -> "sklep/a.jpg"
std::string ShopName(const std::string& temporary) {
    const std::size_t at = temporary.find(".targello-");
    return temporary.substr(0, at) + temporary.substr(at + 10 + 17);
}

class PublisherTest : public ::testing::Test {
public:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("targello-publish-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        Write("sklep.html", "<html>12,50 zł</html>");
        Write("sklep/a.jpg", std::string(3000, 'a'));
        Write("sklep/b.jpg", std::string(2000, 'b'));
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const std::string& bytes) {
        fs::create_directories((folder_ / name).parent_path());
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }

    PublishOutcome Publish(const Publisher::Progress& progress = {}) {
        std::string problem;
        const std::optional<PublishLedger> local = PublishLedger::OfExport(folder_, "sklep.html", problem);
        EXPECT_TRUE(local) << problem;
        remote_.Log.clear();
        Publisher publisher(remote_, [this](int attempt) { pauses_.push_back(attempt); });
        return publisher.Publish(folder_, *local, "sklep.html", progress);
    }

    // What the server holds of the shop: every file but the ledger and the user's own.
    std::map<std::string, std::string> ShopOnServer() const {
        std::map<std::string, std::string> shop = remote_.Files;
        shop.erase(PublishLedger::FileName);
        shop.erase("notatki.txt");
        return shop;
    }

    std::map<std::string, std::string> Export() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder_))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), folder_).generic_string()] =
                    Read(fs::relative(entry.path(), folder_).generic_string());
        return files;
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (const std::string& line : remote_.Log)
            if (line.starts_with("upload ") && line.find(".targello-publikacja") == std::string::npos)
                sent.push_back(line);
        return sent;
    }

    fs::path folder_;
    FakeRemoteFolder remote_;
    std::vector<int> pauses_;
};

TEST_F(PublisherTest, FirstPublishPutsThePictureInPlaceBeforeThePageAndTheLedgerLast) {
    remote_.Files["notatki.txt"] = "moje";
    ASSERT_TRUE(Publish().Succeeded);

    EXPECT_EQ(ShopOnServer(), Export());
    EXPECT_EQ(remote_.Files["notatki.txt"], "moje");
    std::vector<std::string> writes;
    for (const std::string& line : remote_.Log)
        if (!line.starts_with("read ") && !line.starts_with("list "))
            writes.push_back(line.substr(0, line.find(' ', line.find(' ') + 1)));
    EXPECT_EQ(writes.front(), "upload .targello-publikacja.nowa");
    EXPECT_EQ(writes.back(), "rename .targello-publikacja.nowa");
    const auto at = [&](const std::string& prefix, const std::string& suffix) {
        return std::find_if(
                   writes.begin(), writes.end(),
                   [&](const std::string& w) { return w.starts_with(prefix) && w.ends_with(suffix); }) -
               writes.begin();
    };
    EXPECT_LT(at("upload sklep/", ".jpg"), at("upload .targello-", "-sklep.html"));
    EXPECT_LT(at("upload .targello-", "-sklep.html"), at("rename sklep/", ".jpg"));
    EXPECT_LT(at("rename sklep/", ".jpg"), at("rename .targello-", "-sklep.html"));
    EXPECT_LT(at("rename .targello-", "-sklep.html"), static_cast<long>(writes.size()) - 1);
}

// What travels on a second publish after one change to the export.
TEST_F(PublisherTest, SecondPublishSendsOnlyWhatChangedAndDeletesOnlyWhatItSent) {
    struct Case {
        const char* Name;
        std::function<void(PublisherTest&)> Change;
        std::vector<std::string> Sent;
        std::vector<std::string> Removed;
    };
    const std::vector<Case> cases = {
        {"nothing", [](PublisherTest&) {}, {}, {}},
        {"price",
         [](PublisherTest& t) { t.Write("sklep.html", "<html>13,50 zł</html>"); },
         {"sklep.html"},
         {}},
        {"picture", [](PublisherTest& t) { t.Write("sklep/b.jpg", "nowy"); }, {"sklep/b.jpg"}, {}},
        {"removed picture",
         [](PublisherTest& t) { fs::remove(t.folder_ / "sklep/b.jpg"); },
         {},
         {"sklep/b.jpg"}},
        {"picture deleted on the server",
         [](PublisherTest& t) { t.remote_.Files.erase("sklep/a.jpg"); },
         {"sklep/a.jpg"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        remote_ = {};
        ASSERT_TRUE(Publish().Succeeded);
        remote_.Files["sklep/moje.jpg"] = "użytkownika";
        c.Change(*this);
        const PublishOutcome outcome = Publish();
        ASSERT_TRUE(outcome.Succeeded);

        std::vector<std::string> sent, removed;
        for (const std::string& line : Sent())
            sent.push_back(ShopName(line.substr(7)));
        for (const std::string& line : remote_.Log)
            if (line.starts_with("remove ") && line.find("/.targello-") == std::string::npos)
                removed.push_back(line.substr(7));
        EXPECT_EQ(sent, c.Sent);
        EXPECT_EQ(removed, c.Removed);
        EXPECT_EQ(outcome.FilesSent, c.Sent.size());
        if (c.Sent.empty() && c.Removed.empty()) {
            EXPECT_EQ(remote_.Log,
                      (std::vector<std::string>{"read .targello-publikacja", "list ", "list sklep"}));
        }
        std::map<std::string, std::string> expected = Export();
        expected["sklep/moje.jpg"] = "użytkownika";
        EXPECT_EQ(ShopOnServer(), expected);
    }
}

TEST_F(PublisherTest, CutOffPublishLeavesTheOldShopAndTheNextOneGoesOnFromWhatArrived) {
    ASSERT_TRUE(Publish().Succeeded);
    const std::map<std::string, std::string> before = ShopOnServer();
    Write("sklep/a.jpg", std::string(5000, 'A'));
    Write("sklep.html", "<html>nowa</html>");

    remote_.CutProblem = RemoteProblem::NoSpace; // not worth trying again
    remote_.CutAfter = 1200;
    const PublishOutcome cut = Publish();
    ASSERT_FALSE(cut.Succeeded);
    EXPECT_EQ(cut.Error->Problem, RemoteProblem::NoSpace);
    EXPECT_TRUE(cut.OldShopStands);
    std::map<std::string, std::string> shop = ShopOnServer();
    std::erase_if(shop, [](const auto& file) { return file.first.find(".targello-") != std::string::npos; });
    EXPECT_EQ(shop, before);

    const PublishOutcome next = Publish();
    ASSERT_TRUE(next.Succeeded);
    EXPECT_EQ(Sent().front().substr(Sent().front().rfind(' ') + 1), "1200");
    EXPECT_EQ(next.BytesSent, 5000u - 1200u + Read("sklep.html").size());
    EXPECT_EQ(ShopOnServer(), Export()) << "no temporary file is left";
}

TEST_F(PublisherTest, DroppedConnectionIsTriedAgainAfterGrowingPausesAndResumed) {
    remote_.CutAfter = 1000;
    remote_.ListFailures = 2;
    const PublishOutcome outcome = Publish();
    ASSERT_TRUE(outcome.Succeeded);
    EXPECT_EQ(pauses_, (std::vector<int>{2, 3, 2}));
    EXPECT_TRUE(Sent()[1].ends_with(" from 1000")) << Sent()[1];
    EXPECT_EQ(ShopOnServer(), Export());
    EXPECT_EQ((std::vector<int>{PublishPauseSeconds(2), PublishPauseSeconds(3), PublishPauseSeconds(4)}),
              (std::vector<int>{1, 2, 4}));
}

TEST_F(PublisherTest, CancelStopsBeforeAnythingTakesItsPlace) {
    ASSERT_TRUE(Publish().Succeeded);
    const std::map<std::string, std::string> before = remote_.Files;
    Write("sklep/b.jpg", std::string(4000, 'B'));
    Write("sklep.html", "<html>inna</html>");
    const PublishOutcome outcome =
        Publish([](const PublishProgress& progress) { return progress.BytesDone < 100; });
    ASSERT_FALSE(outcome.Succeeded);
    EXPECT_EQ(outcome.Error->Problem, RemoteProblem::Cancelled);
    EXPECT_TRUE(outcome.OldShopStands);
    for (const auto& [name, bytes] : before)
        if (name != PublishLedger::FileName) {
            EXPECT_EQ(remote_.Files[name], bytes) << name;
        }
}

} // namespace
} // namespace targello
