#include "TestServer.h"
#include "core/project/ProjectSave.h"
#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <thread>
#include <unistd.h>

namespace targello::testing {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every file under `folder` with its bytes, but the export's own notes.
std::map<std::string, std::string> filesIn(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".targello-"))
            files[fs::relative(entry.path(), folder).generic_string()] = contents(entry.path());
    return files;
}

// The program that publishes: this build's targello-export, or the command
// given in TARGELLO_PUBLISH_PROGRAM (the Windows one under wine, say).
std::string exportProgram() {
    const char* given = std::getenv("TARGELLO_PUBLISH_PROGRAM");
    return given && *given ? given : TARGELLO_EXPORT_PROGRAM;
}

// The servers to publish to: all of them, or those named in
// TARGELLO_PUBLISH_SERVERS ("ftps ftpsi ftp sftp"), where a build's
// transfer reaches only some.
std::vector<ServerKind> servedKinds() {
    const std::vector<std::pair<std::string, ServerKind>> all = {{"ftps", ServerKind::FtpsExplicit},
                                                                 {"ftpsi", ServerKind::FtpsImplicit},
                                                                 {"ftp", ServerKind::Ftp},
                                                                 {"sftp", ServerKind::Sftp}};
    const char* named = std::getenv("TARGELLO_PUBLISH_SERVERS");
    std::vector<ServerKind> kinds;
    for (const auto& [name, kind] : all)
        if (!named || (" " + std::string(named) + " ").find(" " + name + " ") != std::string::npos)
            kinds.push_back(kind);
    return kinds;
}

// Of `kinds`, those among the servers to publish to.
std::vector<ServerKind> servedOf(std::initializer_list<ServerKind> kinds) {
    const std::vector<ServerKind> served = servedKinds();
    std::vector<ServerKind> chosen;
    for (const ServerKind kind : kinds)
        if (std::find(served.begin(), served.end(), kind) != served.end())
            chosen.push_back(kind);
    return chosen;
}

struct Finished {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

class PublishServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        work_ = fs::temp_directory_path() /
                ("targello-publish-" + std::to_string(::getpid()) + "-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        Clean();
        fs::create_directories(work_ / "zdjecia");
        fs::create_directories(work_ / "wynik");
        fs::create_directories(work_ / "serwer" / "www");
        fs::permissions(work_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
        ASSERT_TRUE(TestServer::MakeUser());
    }
    void TearDown() override { Clean(); }

    void Clean() {
        std::system(("umount " + (work_ / "serwer").string() + " 2>/dev/null").c_str());
        fs::remove_all(work_);
    }

    void Picture(const std::string& name, std::size_t size) {
        std::mt19937 random(static_cast<unsigned>(size));
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        std::ofstream(work_ / "zdjecia" / name, std::ios::binary) << bytes;
    }

    void Project(const std::string& address, const std::string& price,
                 const std::vector<std::string>& pictures) {
        ShopWorkspace workspace(work_.string());
        ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
        for (const std::string& picture : pictures) {
            page.InsertItem();
            ShopItem& item = page.Item(page.ItemCount() - 1);
            item.Name = "Miód " + picture;
            item.Price = price;
            item.PicturePath = (work_ / "zdjecia" / picture).string();
            item.Picture = ItemPicture::File;
        }
        page.Settings.ModernPage = false;
        page.Settings.Publication = address;
        page.Settings.PublicAddress = publicAddress_;
        ASSERT_EQ(SaveProject(page, (work_ / "sklep.esk").string()), "");
    }

    // `typed`: the password comes on standard input instead of TARGELLO_HASLO.
    std::string Command(const std::vector<std::string>& options, bool typed = false) const {
        std::string command = "cd '" + work_.string() + "' && " +
                              (typed ? "echo '" + std::string(TestPassword) + "' | env -u TARGELLO_HASLO"
                                     : "TARGELLO_HASLO='" + std::string(TestPassword) + "'") +
                              " XDG_DATA_HOME='" + (work_ / "dane").string() + "' timeout -k 5 120 " +
                              exportProgram() + " --opublikuj";
        for (const std::string& option : options)
            command += " '" + option + "'";
        return command + " sklep.esk wynik/sklep.html >out.txt 2>err.txt";
    }

    Finished Publish(const std::vector<std::string>& options = {}, bool typed = false) const {
        Finished run;
        const int status = std::system(Command(options, typed).c_str());
        run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = contents(work_ / "out.txt");
        run.Err = contents(work_ / "err.txt");
        return run;
    }

    // The shop on the server, but the user's file and the ledger.
    std::map<std::string, std::string> OnServer() const {
        std::map<std::string, std::string> files = filesIn(work_ / "serwer" / "www");
        files.erase("moje.txt");
        return files;
    }

    // Runs `check` against each FTPS and SFTP server in turn, the shop (one
    // picture) made for the server's folder `folder`.
    void OnEachSecureServer(const std::string& folder, const std::function<void(TestServer&)>& check) {
        const std::vector<ServerKind> kinds = servedOf({ServerKind::FtpsExplicit, ServerKind::Sftp});
        if (kinds.empty())
            GTEST_SKIP() << "neither FTPS nor SFTP is among the servers";
        for (const ServerKind kind : kinds) {
            SCOPED_TRACE(static_cast<int>(kind));
            SetUp();
            TestServer server(kind, work_ / "konfiguracja", work_ / "serwer");
            ASSERT_TRUE(server.Start());
            std::system(("chown -R " + std::string(TestUser) + " " + (work_ / "serwer").string()).c_str());
            Picture("a.jpg", 1000);
            Project(server.Address(folder), "12,50", {"a.jpg"});
            check(server);
            server.Stop();
            TearDown();
        }
    }

    fs::path work_;
    std::string publicAddress_;
};

std::vector<std::string> accepting(const TestServer& server) {
    return server.Fingerprint().empty() ? std::vector<std::string>{}
                                        : std::vector<std::string>{"--odcisk", server.Fingerprint()};
}

TEST_F(PublishServerTest, EveryProtocolSendsTheShopThenOnlyWhatChangedAndKeepsTheUsersFile) {
    // The shop's public address, served from the server's folder: the publish reads the page back.
    const int port = 20000 + ::getpid() % 20000;
    const fs::path pidFile = fs::temp_directory_path() / ("targello-publish-http-" + std::to_string(port));
    ASSERT_EQ(
        std::system(("python3 -m http.server " + std::to_string(port) + " --bind 127.0.0.1 --directory '" +
                     (work_ / "serwer").string() + "' >/dev/null 2>&1 & echo $! > '" + pidFile.string() + "'")
                        .c_str()),
        0);
    publicAddress_ = "http://127.0.0.1:" + std::to_string(port) + "/www/";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    for (const ServerKind kind : servedKinds()) {
        SCOPED_TRACE(static_cast<int>(kind));
        SetUp();
        TestServer server(kind, work_ / "konfiguracja", work_ / "serwer");
        ASSERT_TRUE(server.Start());
        std::ofstream(work_ / "serwer" / "www" / "moje.txt") << "plik użytkownika";
        std::system(("chown -R " + std::string(TestUser) + " " + (work_ / "serwer").string()).c_str());
        Picture("a b.jpg", 300000);
        Picture("c.jpg", 2000);
        Project(server.Address("www"), "12,50", {"a b.jpg", "c.jpg"});

        const Finished first = Publish(accepting(server));
        ASSERT_EQ(first.Exit, 0) << first.Err;
        EXPECT_NE(first.Out.find("wysłane pliki: 3,"), std::string::npos) << first.Out;
        EXPECT_EQ(OnServer(), filesIn(work_ / "wynik"));
        EXPECT_EQ(contents(work_ / "serwer" / "www" / "moje.txt"), "plik użytkownika");

        const Finished unchanged = Publish({}, true);
        ASSERT_EQ(unchanged.Exit, 0) << unchanged.Err;
        EXPECT_NE(unchanged.Out.find("wysłane pliki: 0,"), std::string::npos) << unchanged.Out;

        Project(server.Address("www"), "13,50", {"a b.jpg"});
        const Finished changed = Publish();
        ASSERT_EQ(changed.Exit, 0) << changed.Err;
        EXPECT_NE(changed.Out.find("wysłane pliki: 1,"), std::string::npos) << changed.Out;
        EXPECT_NE(changed.Out.find("Sklep jest online: " + publicAddress_ + "sklep.html"), std::string::npos)
            << changed.Out << changed.Err;
        EXPECT_EQ(OnServer(), filesIn(work_ / "wynik")) << "the picture no longer in the shop is gone";
        EXPECT_EQ(contents(work_ / "serwer" / "www" / "moje.txt"), "plik użytkownika");
        server.Stop();
        TearDown();
    }
    std::system(("kill $(cat '" + pidFile.string() + "'); rm -f '" + pidFile.string() + "'").c_str());
}

TEST_F(PublishServerTest, UnknownOrChangedCertificateOrKeyStopsThePublish) {
    OnEachSecureServer("www", [this](TestServer& server) {
        const Finished unknown = Publish();
        EXPECT_EQ(unknown.Exit, 4);
        EXPECT_NE(unknown.Err.find(server.Fingerprint()), std::string::npos) << unknown.Err;
        EXPECT_TRUE(OnServer().empty());

        ASSERT_EQ(Publish(accepting(server)).Exit, 0);
        const Finished remembered = Publish();
        EXPECT_EQ(remembered.Exit, 0) << remembered.Err;

        server.NewIdentity();
        ASSERT_TRUE(server.Start());
        const std::map<std::string, std::string> before = OnServer();
        Project(server.Address("www"), "14,00", {"a.jpg"});
        const Finished changed = Publish();
        EXPECT_EQ(changed.Exit, 4);
        EXPECT_NE(changed.Err.find("jest inny niż przyjęty wcześniej"), std::string::npos) << changed.Err;
        EXPECT_NE(changed.Err.find(server.Fingerprint()), std::string::npos) << changed.Err;
        EXPECT_EQ(OnServer(), before);
    });
}

TEST_F(PublishServerTest, AMissingFolderIsToldAndMadeOnlyWhenAsked) {
    OnEachSecureServer("www/nowy/sklep", [this](TestServer& server) {
        std::vector<std::string> options = accepting(server);
        const Finished missing = Publish(options);
        EXPECT_EQ(missing.Exit, 4);
        EXPECT_NE(missing.Err.find("nie ma folderu „www/nowy/sklep”"), std::string::npos) << missing.Err;
        EXPECT_NE(missing.Err.find("--utworz-folder"), std::string::npos) << missing.Err;
        EXPECT_FALSE(fs::exists(work_ / "serwer" / "www" / "nowy")) << "a mistyped folder is not made";

        options.push_back("--utworz-folder");
        const Finished made = Publish(options);
        ASSERT_EQ(made.Exit, 0) << made.Err;
        EXPECT_EQ(filesIn(work_ / "serwer" / "www" / "nowy" / "sklep"), filesIn(work_ / "wynik"));
    });
}

TEST_F(PublishServerTest, ServerKilledMidPublishKeepsTheOldShopAndTheNextPublishCompletes) {
    TestServer server(ServerKind::FtpsExplicit, work_ / "konfiguracja", work_ / "serwer");
    ASSERT_TRUE(server.Start());
    std::system(("chown -R " + std::string(TestUser) + " " + (work_ / "serwer").string()).c_str());
    Picture("maly.jpg", 1000);
    Project(server.Address("www"), "12,50", {"maly.jpg"});
    ASSERT_EQ(Publish(accepting(server)).Exit, 0);
    const std::map<std::string, std::string> before = OnServer();

    Picture("duzy.jpg", 60'000'000);
    Project(server.Address("www"), "12,50", {"maly.jpg", "duzy.jpg"});
    std::system(("(" + Command({}) + "; echo $? > '" + (work_ / "kod.txt").string() + "') &").c_str());
    // Stop the server once part of the large picture has arrived.
    bool partly = false;
    for (int i = 0; i < 600 && !partly; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const auto& entry : fs::directory_iterator(work_ / "serwer" / "www" / "sklep"))
            partly = partly || (entry.path().filename().string().find("duzy") != std::string::npos &&
                                entry.file_size() > 1'000'000);
    }
    server.Stop();
    ASSERT_TRUE(partly);
    for (int i = 0; i < 600 && !fs::exists(work_ / "kod.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(contents(work_ / "kod.txt"), "4\n") << contents(work_ / "err.txt");
    std::map<std::string, std::string> shop = OnServer();
    std::erase_if(shop, [](const auto& file) { return file.first.find(".targello-") != std::string::npos; });
    EXPECT_EQ(shop, before);

    ASSERT_TRUE(server.Start());
    const Finished next = Publish();
    ASSERT_EQ(next.Exit, 0) << next.Err;
    EXPECT_EQ(OnServer(), filesIn(work_ / "wynik"));
    EXPECT_EQ(next.Out.find("bajty: 6"), std::string::npos)
        << "the large picture goes on where it stopped: " << next.Out;
}

TEST_F(PublishServerTest, FullServerStopsWithItsReasonAndTheOldShop) {
    for (const ServerKind kind : {ServerKind::Ftp, ServerKind::Sftp}) {
        SCOPED_TRACE(static_cast<int>(kind));
        SetUp();
        ASSERT_EQ(std::system(("mount -t tmpfs -o size=2m tmpfs " + (work_ / "serwer").string()).c_str()), 0);
        fs::create_directories(work_ / "serwer" / "www");
        std::system(("chown -R " + std::string(TestUser) + " " + (work_ / "serwer").string()).c_str());
        TestServer server(kind, work_ / "konfiguracja", work_ / "serwer");
        ASSERT_TRUE(server.Start());
        Picture("a.jpg", 1000);
        Project(server.Address("www"), "12,50", {"a.jpg"});
        ASSERT_EQ(Publish(accepting(server)).Exit, 0);
        const std::map<std::string, std::string> before = OnServer();

        Picture("duzy.jpg", 3'000'000);
        Project(server.Address("www"), "12,50", {"a.jpg", "duzy.jpg"});
        const Finished full = Publish();
        EXPECT_EQ(full.Exit, 4);
        EXPECT_NE(full.Err.find("zabrakło miejsca"), std::string::npos) << full.Err;
        EXPECT_NE(full.Err.find("duzy.jpg"), std::string::npos) << full.Err;
        std::map<std::string, std::string> shop = OnServer();
        std::erase_if(shop,
                      [](const auto& file) { return file.first.find(".targello-") != std::string::npos; });
        EXPECT_EQ(shop, before);
        server.Stop();
        TearDown();
    }
}

} // namespace
} // namespace targello::testing
