#include "../files/FileContents.h"
#include "../files/OrdinaryUser.h"
#include "../files/SpecialFiles.h"
#include "../files/WithinTimeLimit.h"
#include "TestShop.h"
#include "core/files/FileWriteLimit.h"
#include "core/generator/GenerateShop.h"
#include "core/project/Utf8Path.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

using namespace targello;
using namespace std::chrono_literals;
using targello::testing::TestShop;
namespace fs = std::filesystem;
using namespace targello::testing;

namespace {

class ExportSafety : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("targello-safety-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "www");
        for (int i = 0; i < 3; ++i) {
            const fs::path picture = root / PathFromUtf8("zdjęcia") / ("p" + std::to_string(i) + ".jpg");
            WriteFile(picture, std::string(1000, static_cast<char>('a' + i)));
            shop.page.Item(i).PicturePath = Utf8FromPath(picture);
        }
    }
    void TearDown() override {
        SetWriteLimitForTests(std::nullopt);
        fs::remove_all(root);
    }

    std::string Output() const { return Utf8FromPath(root / "www" / "sklep.html"); }
    GenerateResult Generate(const GenerateProgress& progress = {},
                            const std::atomic<bool>* cancel = nullptr) {
        return GenerateShop(shop.page, shop.edited.Values, "sklep", Output(), NativePathStyle(), progress,
                            cancel);
    }
    // The same shop with every picture and a name changed, as a later export
    // that must not destroy this one would write it.
    void ChangeShop() {
        shop.page.Item(0).Name = "Zmieniony";
        for (int i = 0; i < 3; ++i) {
            const fs::path picture = PathFromUtf8(shop.page.Item(i).PicturePath);
            WriteFile(picture, std::string(3000, static_cast<char>('x' + i)));
            fs::last_write_time(picture, fs::last_write_time(picture) + 10s);
        }
    }

    fs::path root;
    TestShop shop{3};
};

} // namespace

TEST_F(ExportSafety, FullDiskAtAnyPointKeepsThePreviousExportByteForByte) {
    ASSERT_TRUE(Generate().Succeeded);
    const auto before = Snapshot(root / "www");
    ChangeShop();
    // The page, then each picture, then the list of copies: fill the disk at each step.
    for (const std::size_t limit : {0, 100, 5000, 8000, 9500, 12000}) {
        SetWriteLimitForTests(limit);
        const GenerateResult result = Generate();
        SetWriteLimitForTests(std::nullopt);
        EXPECT_FALSE(result.Succeeded) << limit;
        EXPECT_NE(result.ErrorText.find("brak miejsca na dysku"), std::string::npos) << result.ErrorText;
        EXPECT_EQ(Snapshot(root / "www"), before) << "after a full disk at " << limit << " bytes";
    }
    ASSERT_TRUE(Generate().Succeeded);
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "p0.jpg"), std::string(3000, 'x'));
}

TEST_F(ExportSafety, FullDiskAtEveryWriteKeepsThePreviousExportByteForByte) {
    ASSERT_TRUE(Generate().Succeeded);
    const auto before = Snapshot(root / "www");
    ChangeShop();
    int writes = 0;
    for (;; ++writes) {
        ASSERT_LT(writes, 20) << "an export that never succeeds";
        SetFileLimitForTests(writes);
        const GenerateResult result = Generate();
        SetFileLimitForTests(std::nullopt);
        if (result.Succeeded)
            break;
        EXPECT_NE(result.ErrorText.find("brak miejsca na dysku"), std::string::npos) << result.ErrorText;
        EXPECT_EQ(Snapshot(root / "www"), before) << "a full disk at write " << writes;
    }
    EXPECT_EQ(writes, 5) << "the page, three copies and the list of copies";
}

TEST_F(ExportSafety, CancelKeepsThePreviousExport) {
    ASSERT_TRUE(Generate().Succeeded);
    const auto before = Snapshot(root / "www");
    ChangeShop();
    std::atomic<bool> cancel{false};
    const GenerateResult result = Generate([&](int done, int) { cancel = done == 1; }, &cancel);
    EXPECT_FALSE(result.Succeeded);
    EXPECT_TRUE(result.Cancelled);
    EXPECT_EQ(result.ErrorText, "Przerwano zapisywanie sklepu „" + Output() +
                                    "”; poprzednio zapisany sklep pozostał bez zmian.");
    EXPECT_EQ(Snapshot(root / "www"), before);

    // A first export cancelled leaves no folder behind either.
    fs::remove_all(root / "www");
    fs::create_directories(root / "www");
    EXPECT_TRUE(Generate({}, &cancel).Cancelled);
    EXPECT_TRUE(fs::is_empty(root / "www"));
}

TEST_F(ExportSafety, PicturesThatCannotBeReadAreListedAndThePageIsWritten) {
    TARGELLO_SKIP_WITHOUT_FIFOS();
    fs::create_directories(root / "folder.jpg");
    ASSERT_EQ(targello::testing::MakeFifo((root / "fifo.jpg")), 0);
    ASSERT_EQ(targello::testing::MakeFifo((root / "banner.gif")), 0);
    shop.page.Item(0).PicturePath = Utf8FromPath(root / "folder.jpg");
    shop.page.Item(1).PicturePath = Utf8FromPath(root / "fifo.jpg");
    shop.page.Item(2).PicturePath = Utf8FromPath(root / "brak.jpg");
    shop.page.Settings.TexturePath = Utf8FromPath(root / PathFromUtf8("zdjęcia") / "p0.jpg");
    shop.page.Settings.BannerPath = Utf8FromPath(root / "banner.gif");

    GenerateResult result;
    ASSERT_TRUE(targello::testing::FinishesWithin(10s, {root / "fifo.jpg", root / "banner.gif"},
                                                  [&] { result = Generate(); }));
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.MissingPictures, (std::vector<MissingPicture>{
                                          {Utf8FromPath(root / "folder.jpg"), "to jest folder"},
                                          {Utf8FromPath(root / "fifo.jpg"), "to nie jest zwykły plik"},
                                          {Utf8FromPath(root / "brak.jpg"), "plik nie istnieje"},
                                          {Utf8FromPath(root / "banner.gif"), "to nie jest zwykły plik"},
                                      }));
    EXPECT_EQ(result.PicturesFailed, 4);
    EXPECT_EQ(result.PicturesCopied, 1);
    EXPECT_TRUE(ReadFile(Output()).starts_with("<HTML>"));
    EXPECT_EQ(MissingPictureText(result.MissingPictures[1]),
              "Obrazek „" + Utf8FromPath(root / "fifo.jpg") +
                  "” nie został skopiowany: to nie jest zwykły plik.");
}

TEST_F(ExportSafety, UnreadablePictureIsListedWithItsReason) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no permission bits that forbid the owner to read";
#endif
    fs::permissions(PathFromUtf8(shop.page.Item(1).PicturePath), fs::perms::none);
    const OrdinaryUser user(root);
    if (!user.Problem().empty())
        GTEST_SKIP() << user.Problem();
    const GenerateResult result = Generate();
    ASSERT_TRUE(result.Succeeded);
    EXPECT_EQ(result.MissingPictures,
              (std::vector<MissingPicture>{{shop.page.Item(1).PicturePath, "brak uprawnień"}}));
}

TEST_F(ExportSafety, OutputThatIsNoRegularFileIsRefusedWithoutBlocking) {
    TARGELLO_SKIP_WITHOUT_FIFOS();
    ASSERT_EQ(targello::testing::MakeFifo(Output()), 0);
    GenerateResult result;
    ASSERT_TRUE(targello::testing::FinishesWithin(10s, {Output()}, [&] { result = Generate(); }));
    EXPECT_FALSE(result.Succeeded);
    EXPECT_EQ(result.ErrorText, "Nie można zapisać strony „" + Output() + "”: to nie jest zwykły plik.");
    EXPECT_TRUE(fs::is_fifo(Output()));
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "www"), {}), 1)
        << "no picture folder, no temporaries";
}

TEST_F(ExportSafety, UsersOwnFilesInThePictureFolderAreNeverReplaced) {
    WriteFile(root / "www" / "sklep" / "p0.jpg", "the user's own p0");
    const GenerateResult first = Generate();
    ASSERT_TRUE(first.Succeeded);
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "p0.jpg"), "the user's own p0");
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "p0-2.jpg"), std::string(1000, 'a'));
    EXPECT_NE(ReadFile(Output()).find(R"(src="sklep/p0-2.jpg")"), std::string::npos);

    // The export's own copies are its to replace; the user's file stays.
    ChangeShop();
    const GenerateResult second = Generate();
    ASSERT_TRUE(second.Succeeded);
    EXPECT_EQ(second.PicturesCopied, 3);
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "p0-2.jpg"), std::string(3000, 'x'));
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "p1.jpg"), std::string(3000, 'y'));
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "p0.jpg"), "the user's own p0");
    EXPECT_EQ(Generate().PicturesUnchanged, 3);
}

TEST_F(ExportSafety, PicturesNeverGoIntoThePagesOwnFolder) {
    WriteFile(root / "www" / "p0.jpg", "the user's own p0");
    const GenerateResult result = GenerateShop(shop.page, shop.edited.Values, "",
                                               Utf8FromPath(root / "www" / ".html"), NativePathStyle());
    EXPECT_FALSE(result.Succeeded);
    EXPECT_NE(result.ErrorText.find("obrazki sklepu potrzebują własnego folderu"), std::string::npos);
    EXPECT_EQ(Snapshot(root / "www"), (std::map<std::string, std::string>{{"p0.jpg", "the user's own p0"}}));
}

TEST_F(ExportSafety, SparsePictureKeepsItsHolesInTheExport) {
    const fs::path sparse = root / PathFromUtf8("zdjęcia") / "p1.jpg";
    constexpr std::uintmax_t Size = 2ULL << 30;
    fs::resize_file(sparse, Size);
    const std::optional<std::int64_t> source = targello::testing::AllocatedBytes(sparse);
    if (!source)
        GTEST_SKIP() << "this system does not say how much of a file is on the disk";
    if (*source > (std::int64_t{64} << 20))
        GTEST_SKIP() << "this file system keeps no holes";

    const GenerateResult result = Generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesCopied, 3);
    const fs::path copy = root / "www" / "sklep" / "p1.jpg";
    EXPECT_EQ(fs::file_size(copy), Size);
    EXPECT_LE(targello::testing::AllocatedBytes(copy).value_or(0), std::int64_t{16} << 20)
        << "the holes were written as zeros";
}

TEST_F(ExportSafety, LeftoversOfAnExportCutOffByACrashAreClearedByTheNext) {
    ASSERT_TRUE(Generate().Succeeded);
    // A crash while the copies took their places: temporaries and backups of
    // the export's own files, beside a user's hidden file.
    WriteFile(root / "www" / ".sklep.html.targello-40321", "pół strony");
    WriteFile(root / "www" / "sklep" / ".p1.jpg.targello-815", "kopia zapasowa");
    WriteFile(root / "www" / "sklep" / "..targello-eksport.targello-7", "lista");
    WriteFile(root / "www" / "sklep" / ".ukryty", "plik użytkownika");
    auto expected = Snapshot(root / "www");
    for (const char* leftover :
         {".sklep.html.targello-40321", "sklep/.p1.jpg.targello-815", "sklep/..targello-eksport.targello-7"})
        expected.erase(leftover);
    ASSERT_TRUE(Generate().Succeeded);
    EXPECT_EQ(Snapshot(root / "www"), expected);
}
