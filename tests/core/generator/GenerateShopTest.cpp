#include "../files/FileContents.h"
#include "core/generator/GenerateShop.h"

#include "TestShop.h"
#include "core/project/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace targello;
using targello::testing::TestShop;
namespace fs = std::filesystem;
using namespace targello::testing;

namespace {

class GenerateShopFiles : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("targello-generator-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "www");
        WriteFile(root / PathFromUtf8("zdjęcia") / "kubek.jpg", "JPEG kubek");
        WriteFile(root / "inne" / "kubek.jpg", "JPEG inny kubek");
        shop.page.Item(0).Name = "Łódź";
        shop.page.Item(0).PicturePath = Utf8FromPath(root / PathFromUtf8("zdjęcia") / "kubek.jpg");
        shop.page.Item(1).PicturePath = Utf8FromPath(root / "inne" / "kubek.jpg");
        shop.page.Item(2).PicturePath = Utf8FromPath(root / "brak.jpg"); // missing: listed, the page written
    }
    void TearDown() override { fs::remove_all(root); }

    std::string Output() const { return Utf8FromPath(root / "www" / "sklep.html"); }
    GenerateResult Generate() {
        return GenerateShop(shop.page, shop.edited.Values, "sklep", Output(), NativePathStyle());
    }

    fs::path root;
    TestShop shop{3};
};

} // namespace

TEST_F(GenerateShopFiles, WritesThePageBytesAndCopiesThePictures) {
    const GenerateResult result = Generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesCopied, 2);
    EXPECT_EQ(result.PicturesFailed, 1);
    EXPECT_EQ(result.MissingPictures,
              (std::vector<MissingPicture>{{(root / "brak.jpg").string(), "plik nie istnieje"}}));

    const std::string page = ReadFile(Output());
    EXPECT_TRUE(page.starts_with("<HTML><HEAD><form")); // no byte-order mark
    EXPECT_TRUE(page.ends_with("</HEAD></HTML>"));
    EXPECT_NE(page.find("<B><P align=center>\xA3&oacute;d\xBC<BR clear=center>"), std::string::npos);
    EXPECT_NE(page.find("n[0]='\xA3\\u00F3d\xBC'"), std::string::npos);
    EXPECT_NE(page.find(R"(<IMG src="sklep/kubek-2.jpg")"), std::string::npos);
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "kubek.jpg"), "JPEG kubek");
    EXPECT_EQ(ReadFile(root / "www" / "sklep" / "kubek-2.jpg"), "JPEG inny kubek");
    EXPECT_EQ(fs::last_write_time(root / "www" / "sklep" / "kubek.jpg"),
              fs::last_write_time(root / PathFromUtf8("zdjęcia") / "kubek.jpg"));
}

TEST_F(GenerateShopFiles, UnchangedPicturesAreNotCopiedAgain) {
    ASSERT_TRUE(Generate().Succeeded);
    const fs::path copy = root / "www" / "sklep" / "kubek.jpg";
    WriteFile(copy, "JPEG XXXXX"); // same size, other bytes: only size and time are compared
    fs::last_write_time(copy, fs::last_write_time(root / PathFromUtf8("zdjęcia") / "kubek.jpg"));

    const GenerateResult second = Generate();
    EXPECT_EQ(second.PicturesCopied, 0);
    EXPECT_EQ(second.PicturesUnchanged, 2);
    EXPECT_EQ(ReadFile(copy), "JPEG XXXXX");

    // A newer source is copied again.
    fs::last_write_time(root / PathFromUtf8("zdjęcia") / "kubek.jpg",
                        fs::last_write_time(copy) + std::chrono::seconds(5));
    const GenerateResult third = Generate();
    EXPECT_EQ(third.PicturesCopied, 1);
    EXPECT_EQ(ReadFile(copy), "JPEG kubek");
}

TEST_F(GenerateShopFiles, UnwritableOutputIsAFailureNamingThePath) {
    const std::string output = Utf8FromPath(root / "nie ma" / "sklep.html");
    const GenerateResult result =
        GenerateShop(shop.page, shop.edited.Values, "sklep", output, NativePathStyle());
    EXPECT_FALSE(result.Succeeded);
    EXPECT_EQ(result.ErrorText,
              "Nie można zapisać strony „" + output + "”: folder, w którym ma powstać strona, nie istnieje.");
}

TEST_F(GenerateShopFiles, PageIsWrittenWhenThePictureFolderCannotBeMade) {
    WriteFile(root / "www" / "sklep", "a file where the folder should be");
    const GenerateResult result = Generate();
    EXPECT_TRUE(result.Succeeded);
    EXPECT_EQ(result.PicturesCopied, 0);
    EXPECT_TRUE(ReadFile(Output()).starts_with("<HTML>"));
    ASSERT_EQ(result.MissingPictures.size(), 3u);
    EXPECT_EQ(result.MissingPictures[0].Reason,
              "w miejscu folderu obrazków „" + (root / "www" / "sklep").string() + "” jest plik");
    EXPECT_EQ(ReadFile(root / "www" / "sklep"), "a file where the folder should be");
}

TEST_F(GenerateShopFiles, ReportsProgressPerPicture) {
    std::vector<std::pair<int, int>> steps;
    GenerateShop(shop.page, shop.edited.Values, "sklep", Output(), NativePathStyle(),
                 [&](int done, int total) { steps.emplace_back(done, total); });
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST(ExportBaseName, FileNameBeforeItsLastDot) {
    EXPECT_EQ(ExportBaseName(R"(C:\www\a.b.html)", PathStyle::Windows), "a.b");
    EXPECT_EQ(ExportBaseName(R"(C:\www\sklep)", PathStyle::Windows), "");
    EXPECT_EQ(ExportBaseName("/www/sklep.html", PathStyle::Posix), "sklep");
}
