#include "core/modern/GenerateModernShop.h"

#include "../files/FileContents.h"
#include "../files/OrdinaryUser.h"
#include "ModernTestShop.h"
#include "core/files/FileSync.h"
#include "core/files/FileWriteLimit.h"
#include "core/modern/ModernIcons.h"
#include "core/project/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace targello;
using namespace targello::testing;
namespace fs = std::filesystem;

namespace {

struct JpegSize {
    int Width = 0;
    int Height = 0;
};

// The size in a JPEG's start-of-frame segment.
JpegSize jpegSize(const std::string& bytes) {
    for (std::size_t k = 2; k + 9 < bytes.size();) {
        const auto marker = static_cast<unsigned char>(bytes[k + 1]);
        const std::size_t length =
            (static_cast<unsigned char>(bytes[k + 2]) << 8) | static_cast<unsigned char>(bytes[k + 3]);
        if (marker >= 0xC0 && marker <= 0xC2)
            return {
                (static_cast<unsigned char>(bytes[k + 7]) << 8) | static_cast<unsigned char>(bytes[k + 8]),
                (static_cast<unsigned char>(bytes[k + 5]) << 8) | static_cast<unsigned char>(bytes[k + 6])};
        k += 2 + length;
    }
    return {};
}

const fs::path Pictures = TARGELLO_MODERN_PICTURES;

class GenerateModernShopFiles : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("targello-modern-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "www");
        fs::create_directories(root / PathFromUtf8("zdjęcia"));
        fs::copy_file(Pictures / "obrocony.jpg", root / PathFromUtf8("zdjęcia") / "telefon.jpg",
                      fs::copy_options::overwrite_existing);
        shop.page.Item(0).Name = "Telefon";
        shop.page.Item(0).PicturePath = Utf8FromPath(root / PathFromUtf8("zdjęcia") / "telefon.jpg");
        shop.edited.Values.PictureWidth = 10; // the small copy fits 20 x 20
        shop.edited.Values.PictureHeight = 10;
    }
    void TearDown() override { fs::remove_all(root); }

    std::string output() const { return Utf8FromPath(root / "www" / "sklep.html"); }
    ModernShopResult generate(const ModernShopProgress& progress = {}) {
        return GenerateModernShop(shop.page, shop.edited.Values, "sklep", output(), NativePathStyle(),
                                  progress);
    }

    fs::path root;
    ModernShop shop{3};
};

} // namespace

TEST_F(GenerateModernShopFiles, PhonePhotoComesOutUprightWithoutItsMetadata) {
    if (!WebPicturesBuiltIn())
        GTEST_SKIP() << "built without the picture library";
    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesMade, 1);
    // Stored 80 x 40 with orientation 6: a portrait photo.
    const std::string large = ReadFile(root / "www" / "sklep" / "telefon.jpg");
    const std::string small = ReadFile(root / "www" / "sklep" / "telefon-20x20.jpg");
    EXPECT_EQ(jpegSize(large).Width, 40);
    EXPECT_EQ(jpegSize(large).Height, 80);
    EXPECT_EQ(jpegSize(small).Width, 10);
    EXPECT_EQ(jpegSize(small).Height, 20);
    for (const std::string* copy : {&large, &small}) {
        EXPECT_EQ(copy->find("Exif"), std::string::npos); // no camera data, no GPS position
        EXPECT_EQ(copy->find("Aparat"), std::string::npos);
    }
    const std::string page = ReadFile(output());
    EXPECT_TRUE(Contains(page, "src=\"sklep/telefon-20x20.jpg\""));
    EXPECT_TRUE(Contains(page, "data-duze=\"sklep/telefon.jpg\""));
}

TEST_F(GenerateModernShopFiles, UnreadablePicturesAreNamedAndTheShopIsWritten) {
    WriteFile(root / PathFromUtf8("zdjęcia") / "tekst.jpg", "to nie jest obrazek");
    fs::create_directories(root / PathFromUtf8("zdjęcia") / "folder.jpg");
    shop.page.Item(1).PicturePath = Utf8FromPath(root / PathFromUtf8("zdjęcia") / "tekst.jpg");
    shop.page.Item(2).PicturePath = Utf8FromPath(root / PathFromUtf8("zdjęcia") / "folder.jpg");
    shop.page.InsertItem();
    shop.page.Item(3).PicturePath = Utf8FromPath(root / "brak.jpg");
#ifndef _WIN32
    shop.page.InsertItem();
    ASSERT_EQ(mkfifo((root / "potok.jpg").c_str(), 0600), 0); // would block a reader for ever
    shop.page.Item(4).PicturePath = Utf8FromPath(root / "potok.jpg");
    shop.page.InsertItem();
    fs::copy_file(Pictures / "obrocony.jpg", root / "tajny.jpg");
    fs::permissions(root / "tajny.jpg", fs::perms::none);
    shop.page.Item(5).PicturePath = Utf8FromPath(root / "tajny.jpg");
#endif
    const OrdinaryUser user(root);
    if (!user.Problem().empty())
        GTEST_SKIP() << user.Problem();
    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesMade, 1);
    std::vector<PictureProblem> expected = {
        {shop.page.Item(1).PicturePath,
         WebPicturesBuiltIn() ? "to nie jest obrazek w formacie JPEG, PNG, GIF, WebP, TIFF, BMP ani HEIC"
                              : "to nie jest obrazek w formacie, który pokazują przeglądarki"},
        {shop.page.Item(2).PicturePath, "to jest folder"},
        {shop.page.Item(3).PicturePath, "plik nie istnieje"},
    };
#ifndef _WIN32
    expected.push_back({shop.page.Item(4).PicturePath, "to nie jest zwykły plik"});
    expected.push_back({shop.page.Item(5).PicturePath, "brak uprawnień"});
#endif
    EXPECT_EQ(result.UnreadablePictures, expected);
    const std::string message = PictureProblemsText(result.UnreadablePictures);
    EXPECT_EQ(message.rfind("Tych obrazków nie udało się użyć; sklep zapisano bez nich:\n• ", 0), 0u);
    EXPECT_TRUE(Contains(message, "• " + shop.page.Item(3).PicturePath + " – plik nie istnieje\n"));
    // The page shows the products without the pictures it could not make.
    const std::string page = ReadFile(output());
    EXPECT_EQ(Count(page, "<article"), static_cast<std::size_t>(shop.page.ItemCount()));
    EXPECT_EQ(Count(page, "class=\"powieksz\""), 1u);
    EXPECT_FALSE(Contains(page, "tekst.jpg"));
}

TEST_F(GenerateModernShopFiles, UnchangedPicturesAreNotMadeAgain) {
    ASSERT_EQ(generate().PicturesMade, 1);
    const fs::path copy = root / "www" / "sklep" / "telefon.jpg";
    const auto firstTime = fs::last_write_time(copy);
    ModernShopResult again = generate();
    EXPECT_EQ(again.PicturesMade, 0);
    EXPECT_EQ(again.PicturesUnchanged, 1);
    EXPECT_EQ(fs::last_write_time(copy), firstTime);
    // A changed source is made again, and so is a copy that was deleted.
    const fs::path source = PathFromUtf8(shop.page.Item(0).PicturePath);
    fs::last_write_time(source, fs::last_write_time(source) + std::chrono::seconds(5));
    EXPECT_EQ(generate().PicturesMade, 1);
    fs::remove(copy);
    EXPECT_EQ(generate().PicturesMade, 1);
    if (WebPicturesBuiltIn()) {
        fs::remove(root / "www" / "sklep" / "telefon-800w.jpg");
        EXPECT_EQ(generate().PicturesMade, 1);
    }
    // A new picture size is a new small copy; copied unchanged, the size does not matter.
    shop.edited.Values.PictureWidth = 20;
    EXPECT_EQ(generate().PicturesMade, WebPicturesBuiltIn() ? 1 : 0);
}

TEST_F(GenerateModernShopFiles, CancelKeepsThePreviousPage) {
    WriteFile(output(), "poprzednia strona");
    int calls = 0;
    const ModernShopResult result = generate([&](int done, int total) {
        ++calls;
        EXPECT_EQ(total, 1);
        EXPECT_EQ(done, 1);
        return false;
    });
    EXPECT_TRUE(result.Cancelled);
    EXPECT_FALSE(result.Succeeded);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ReadFile(output()), "poprzednia strona");
    std::set<std::string> left; // no temporary file, no picture folder that was not there
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "www"))
        left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"sklep.html"}));
}

// Every file under `folder` with its bytes, hidden ones included.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[fs::relative(entry.path(), folder).generic_string()] =
            entry.is_regular_file() ? ReadFile(entry.path()) : std::string("<folder>");
    return files;
}

TEST_F(GenerateModernShopFiles, FullDiskKeepsThePreviousShopByteForByte) {
    ASSERT_TRUE(generate().Succeeded);
    const auto before = snapshot(root / "www");
    ASSERT_EQ(before.count("sklep/telefon.jpg"), 1u);

    // A changed picture and a renamed product, then a disk that takes 100 bytes more.
    const fs::path source = PathFromUtf8(shop.page.Item(0).PicturePath);
    fs::copy_file(Pictures / "przezroczysty.png", source, fs::copy_options::overwrite_existing);
    fs::last_write_time(source, fs::last_write_time(source) + std::chrono::seconds(5));
    shop.page.Item(0).Name = "Inny telefon";
    SetWriteLimitForTests(100);
    const ModernShopResult full = generate();
    SetWriteLimitForTests(std::nullopt);
    EXPECT_FALSE(full.Succeeded);
    EXPECT_EQ(full.ErrorText, "Nie można zapisać strony „" + output() + "”: brak miejsca na dysku.");
    EXPECT_EQ(snapshot(root / "www"), before) << "the previous page, pictures and stamps, and no temporaries";

    // A disk that takes the bytes but cannot put them down leaves it as it was too.
    SetSyncFailureForTests(true);
    const ModernShopResult unsynced = generate();
    SetSyncFailureForTests(false);
    EXPECT_EQ(unsynced.ErrorText,
              "Nie można zapisać strony „" + output() + "”: błąd odczytu lub zapisu dysku.");
    EXPECT_EQ(snapshot(root / "www"), before);

    // With room again the new picture is made, not taken for unchanged.
    const ModernShopResult again = generate();
    ASSERT_TRUE(again.Succeeded) << again.ErrorText;
    EXPECT_EQ(again.PicturesMade, 1);
    EXPECT_NE(ReadFile(output()).find("Inny telefon"), std::string::npos);
}

// The disk fills at each file the export writes in turn: the probe beside
// the page, each copy, the page, the stamps.
TEST_F(GenerateModernShopFiles, FullDiskAtEveryWriteKeepsThePreviousShopByteForByte) {
    shop.page.Item(1).PicturePath = Utf8FromPath(Pictures / "przezroczysty.png");
    ASSERT_TRUE(generate().Succeeded);
    const auto before = snapshot(root / "www");
    const fs::path source = PathFromUtf8(shop.page.Item(0).PicturePath);
    fs::last_write_time(source, fs::last_write_time(source) + std::chrono::seconds(5));
    shop.page.Item(0).Name = "Inny telefon";
    int writes = 0;
    for (;; ++writes) {
        ASSERT_LT(writes, 20) << "an export that never succeeds";
        SetFileLimitForTests(writes);
        const ModernShopResult result = generate();
        SetFileLimitForTests(std::nullopt);
        if (result.Succeeded)
            break;
        EXPECT_EQ(result.ErrorText, "Nie można zapisać strony „" + output() + "”: brak miejsca na dysku.")
            << writes;
        EXPECT_EQ(snapshot(root / "www"), before) << "a full disk at write " << writes;
    }
    // The module makes a middle copy of each product picture as well.
    EXPECT_EQ(writes, WebPicturesBuiltIn() ? 7 : 6)
        << "the probe, the copies, the icon, the page and the stamps";
    EXPECT_NE(ReadFile(output()).find("Inny telefon"), std::string::npos);
}

TEST_F(GenerateModernShopFiles, UnwritableOutputIsReportedBeforeAnyWork) {
    const std::string folderAsOutput = Utf8FromPath(root / "www");
    const ModernShopResult result =
        GenerateModernShop(shop.page, shop.edited.Values, "www", folderAsOutput, NativePathStyle());
    EXPECT_FALSE(result.Succeeded);
    EXPECT_EQ(result.ErrorText, "Nie można zapisać strony „" + folderAsOutput + "”: to jest folder.");
    const std::string missing = Utf8FromPath(root / "brak" / "sklep.html");
    const ModernShopResult second =
        GenerateModernShop(shop.page, shop.edited.Values, "sklep", missing, NativePathStyle());
    EXPECT_EQ(second.ErrorText, "Nie można zapisać strony „" + missing +
                                    "”: folder, w którym ma powstać strona, nie istnieje.");
    EXPECT_EQ(second.PicturesMade, 0);
}

TEST_F(GenerateModernShopFiles, PhoneHeicAndTransparentPngBecomeJpeg) {
    if (!WebPicturesBuiltIn())
        GTEST_SKIP() << "built without the picture library";
#ifdef _WIN32
    GTEST_SKIP() << "the Windows picture module (Qt's readers) reads no HEIC";
#endif
    fs::copy_file(Pictures / "telefon.heic", root / PathFromUtf8("zdjęcia") / "aparat.heic");
    shop.page.Item(1).PicturePath = Utf8FromPath(root / PathFromUtf8("zdjęcia") / "aparat.heic");
    shop.page.Settings.HeaderKind = true;
    shop.page.Settings.BannerPath = (Pictures / "przezroczysty.png").string();
    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_TRUE(result.UnreadablePictures.empty()) << PictureProblemsText(result.UnreadablePictures);
    EXPECT_EQ(result.PicturesMade, 3);
    const std::string heic = ReadFile(root / "www" / "sklep" / "aparat.jpg");
    EXPECT_EQ(heic.rfind("\xFF\xD8\xFF", 0), 0u);
    EXPECT_EQ(jpegSize(heic).Width, 80);
    EXPECT_EQ(jpegSize(heic).Height, 40);
    EXPECT_EQ(jpegSize(ReadFile(root / "www" / "sklep" / "aparat-20x20.jpg")).Width, 20);
    const std::string banner = ReadFile(root / "www" / "sklep" / "przezroczysty.jpg");
    EXPECT_EQ(jpegSize(banner).Width, 30);
    EXPECT_EQ(jpegSize(banner).Height, 20);
    // Its size is known to the page, so nothing moves when it arrives; also
    // when the copy is not made again.
    const std::string bannerImage =
        "<img src=\"sklep/przezroczysty.jpg\" alt=\"\" width=\"30\" height=\"20\">";
    EXPECT_TRUE(Contains(ReadFile(output()), bannerImage));
    EXPECT_EQ(generate().PicturesUnchanged, 3);
    EXPECT_TRUE(Contains(ReadFile(output()), bannerImage));
}

TEST_F(GenerateModernShopFiles, SiteFilesAreWrittenBesideThePageButNeverOverTheTradersOwn) {
    ASSERT_TRUE(generate().Succeeded);
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "favicon.svg").rfind(IconMark, 0), 0u);
    EXPECT_FALSE(fs::exists(root / "www" / "sitemap.xml")) << "no web address, no sitemap";

    shop.page.Settings.PublicAddress = "https://example.pl/";
    WriteFile(root / "www" / "robots.txt", "User-agent: *\nDisallow: /prywatne/\n");
    ASSERT_TRUE(generate().Succeeded);
    EXPECT_TRUE(Contains(ReadFile(root / "www" / "sitemap.xml"), "<loc>https://example.pl/sklep.html</loc>"));
    EXPECT_EQ(ReadFile(root / "www" / "robots.txt"), "User-agent: *\nDisallow: /prywatne/\n");

    fs::remove(root / "www" / "robots.txt");
    WriteFile(root / "www" / "sklep" / "favicon.svg", "<svg>the trader's own</svg>");
    shop.page.Settings.PublicAddress = "https://example.com/";
    ASSERT_TRUE(generate().Succeeded);
    EXPECT_TRUE(
        Contains(ReadFile(root / "www" / "sitemap.xml"), "<loc>https://example.com/sklep.html</loc>"));
    EXPECT_TRUE(
        Contains(ReadFile(root / "www" / "robots.txt"), "Sitemap: https://example.com/sitemap.xml\n"));
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "favicon.svg"), "<svg>the trader's own</svg>");
    EXPECT_FALSE(Contains(ReadFile(output()), "favicon.svg")) << "a page without an icon of its own";
}
