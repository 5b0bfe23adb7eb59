#include "../files/FileContents.h"
#include "ModernTestShop.h"
#include "core/modern/GenerateModernShop.h"
#include "core/modern/PictureStamps.h"
#include "core/project/Utf8Path.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace targello;
using namespace targello::testing;
namespace fs = std::filesystem;

namespace {

// A shop whose picture folder "sklep" the user also keeps files in.
class UsersPictureFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root =
            fs::temp_directory_path() /
            ("targello-own-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "www");
        fs::create_directories(root / "zdjecia");
        for (int k = 0; k < 3; ++k) {
            fs::copy_file(fs::path(TARGELLO_MODERN_PICTURES) / "obrocony.jpg", root / "zdjecia" / names[k]);
            shop.page.Item(k).PicturePath = Utf8FromPath(root / "zdjecia" / names[k]);
        }
        shop.edited.Values.PictureWidth = 10; // the small copy is "-20x20"
        shop.edited.Values.PictureHeight = 10;
    }
    void TearDown() override { fs::remove_all(root); }

    ModernShopResult generate() {
        return GenerateModernShop(shop.page, shop.edited.Values, "sklep", Utf8FromPath(page()),
                                  NativePathStyle());
    }
    fs::path page() const { return root / "www" / "sklep.html"; }
    fs::path folder() const { return root / "www" / "sklep"; }
    // Whether the page shows the copy `copy` of the picture folder.
    bool pageShows(const std::string& copy) const {
        return Contains(ReadFile(page()), "\"sklep/" + copy + "\"");
    }

    fs::path root;
    const char* names[3] = {"telefon.jpg", "kubek.jpg", "miska.jpg"};
    ModernShop shop{3};
};

} // namespace

TEST_F(UsersPictureFolder, FilesFoldersAndFifosOfTheSameNameStayAndTheCopiesTakeOtherNames) {
    WriteFile(folder() / "telefon.jpg", "mój własny telefon");
    fs::create_directories(folder() / (WebPicturesBuiltIn() ? "kubek-20x20.jpg" : "kubek.jpg"));
#ifndef _WIN32
    ASSERT_EQ(mkfifo((folder() / "miska.jpg").c_str(), 0600), 0);
#endif
    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_TRUE(result.UnreadablePictures.empty()) << PictureProblemsText(result.UnreadablePictures);
    EXPECT_EQ(result.PicturesMade, 3);

    EXPECT_EQ(ReadFile(folder() / "telefon.jpg"), "mój własny telefon");
    EXPECT_TRUE(fs::is_directory(folder() / (WebPicturesBuiltIn() ? "kubek-20x20.jpg" : "kubek.jpg")));
    for (const char* copy : {"telefon-2.jpg", "kubek-2.jpg"}) {
        EXPECT_EQ(ReadFile(folder() / copy).rfind("\xFF\xD8\xFF", 0), 0u) << copy;
        EXPECT_TRUE(pageShows(copy)) << copy;
    }
    EXPECT_FALSE(pageShows("telefon.jpg"));
    EXPECT_FALSE(pageShows("kubek.jpg"));
#ifndef _WIN32
    EXPECT_TRUE(fs::is_fifo(folder() / "miska.jpg"));
    EXPECT_TRUE(pageShows("miska-2.jpg"));
#endif
    // The user's files keep the export off their names the next time too,
    // and the copies it made are its own: kept, not made again.
    const ModernShopResult again = generate();
    ASSERT_TRUE(again.Succeeded) << again.ErrorText;
    EXPECT_EQ(again.PicturesUnchanged, 3);
    EXPECT_TRUE(pageShows("telefon-2.jpg"));
    EXPECT_EQ(ReadFile(folder() / "telefon.jpg"), "mój własny telefon");
}

TEST_F(UsersPictureFolder, CopyTheUserReplacedOrEditedIsNoLongerTheExportsToReplace) {
    ASSERT_TRUE(generate().Succeeded);
    ASSERT_TRUE(pageShows("telefon.jpg"));
    // The user puts a file of their own in the place of one copy, and edits
    // another so that only its time tells (the same size).
    WriteFile(folder() / "telefon.jpg", "zdjęcie użytkownika");
    const fs::path edited = folder() / "kubek.jpg";
    const std::string before = ReadFile(edited);
    std::string changed = before;
    changed[changed.size() / 2] ^= 0x55;
    WriteFile(edited, changed);
    fs::last_write_time(edited, fs::last_write_time(edited) + std::chrono::seconds(10));

    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesMade, 2);
    EXPECT_EQ(result.PicturesUnchanged, 1);
    EXPECT_EQ(ReadFile(folder() / "telefon.jpg"), "zdjęcie użytkownika");
    EXPECT_EQ(ReadFile(edited), changed);
    EXPECT_TRUE(pageShows("telefon-2.jpg"));
    EXPECT_TRUE(pageShows("kubek-2.jpg"));
    EXPECT_TRUE(pageShows("miska.jpg"));
}

TEST_F(UsersPictureFolder, StampsOfAnOlderVersionNeverLetACopyBeReplaced) {
    // Such stamps did not record the copies, so a file there may be anyone's.
    WriteFile(folder() / "telefon.jpg", "nie wiadomo czyje");
    WriteFile(folder() / PictureStamps::FileName, "telefon.jpg\ttelefon-20x20.jpg\t1\t2\t40\t80\n");
    ASSERT_TRUE(generate().Succeeded);
    EXPECT_EQ(ReadFile(folder() / "telefon.jpg"), "nie wiadomo czyje");
    EXPECT_TRUE(pageShows("telefon-2.jpg"));
}

TEST_F(UsersPictureFolder, CopiesMadeBeforeThereWasAMiddleCopyAreMadeAgainUnderTheirNames) {
    if (!WebPicturesBuiltIn())
        GTEST_SKIP() << "copied unchanged: no middle copy";
    ASSERT_TRUE(generate().Succeeded);
    // The folder as a version without middle copies left it: their stamps
    // (a line of four fields each) and files gone, the other copies stamped.
    std::string older;
    std::istringstream stamps(ReadFile(folder() / PictureStamps::FileName));
    for (std::string line; std::getline(stamps, line);)
        if (std::count(line.begin(), line.end(), '\t') != 3)
            older += line + "\n";
    ASSERT_NE(older, ReadFile(folder() / PictureStamps::FileName));
    WriteFile(folder() / PictureStamps::FileName, older);
    for (const char* copy : {"telefon-800w.jpg", "kubek-800w.jpg", "miska-800w.jpg"})
        ASSERT_TRUE(fs::remove(folder() / copy)) << copy;

    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesMade, 3);
    for (const char* copy : {"telefon-800w.jpg", "kubek-800w.jpg", "miska-800w.jpg"})
        EXPECT_EQ(ReadFile(folder() / copy).rfind("\xFF\xD8\xFF", 0), 0u) << copy;
    EXPECT_TRUE(pageShows("telefon.jpg"));
    EXPECT_FALSE(fs::exists(folder() / "telefon-2.jpg"));
    EXPECT_EQ(generate().PicturesUnchanged, 3);
}

TEST_F(UsersPictureFolder, WorkLeftByACutOffExportIsClearedAndNeverPutInPlace) {
    ASSERT_TRUE(generate().Succeeded);
    const std::string copy = ReadFile(folder() / "telefon.jpg");
    // What a run cut off between making its copies and putting them in place leaves.
    WriteFile(folder() / ".telefon.jpg.targello-new", "stara, niedokończona kopia");
    WriteFile(folder() / ".kubek.jpg.targello-new.tmp", "pół kopii");
    WriteFile(root / "www" / ".sklep.html.targello-new", "pół strony");
    WriteFile(root / "www" / ".sklep.html.targello-204816", "strona, która nie zdążyła zająć miejsca");
    WriteFile(folder() / "..targello-obrazki.targello-731", "znaczniki, które nie zdążyły");
    WriteFile(folder() / ".notatki", "plik użytkownika");

    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesUnchanged, 3);
    EXPECT_EQ(ReadFile(folder() / "telefon.jpg"), copy);
    EXPECT_FALSE(fs::exists(folder() / ".telefon.jpg.targello-new"));
    EXPECT_FALSE(fs::exists(folder() / ".kubek.jpg.targello-new.tmp"));
    EXPECT_FALSE(fs::exists(root / "www" / ".sklep.html.targello-new"));
    EXPECT_FALSE(fs::exists(root / "www" / ".sklep.html.targello-204816"));
    EXPECT_FALSE(fs::exists(folder() / "..targello-obrazki.targello-731"));
    EXPECT_EQ(ReadFile(folder() / ".notatki"), "plik użytkownika");
}

TEST_F(UsersPictureFolder, OldCopyLeftStandingByAnExportCutOffStaysTheExportsOwn) {
    ASSERT_TRUE(generate().Succeeded);
    const fs::path copy = folder() / "telefon.jpg";
    const std::string first = ReadFile(copy);
    const auto firstTime = fs::last_write_time(copy);
    const fs::path source = root / "zdjecia" / "telefon.jpg";
    fs::copy_file(fs::path(TARGELLO_MODERN_PICTURES) / "przezroczysty.png", source,
                  fs::copy_options::overwrite_existing);
    fs::last_write_time(source, fs::last_write_time(source) + std::chrono::seconds(5));
    ASSERT_EQ(generate().PicturesMade, 1);
    // Cut off after the stamps took their place, before the new copy did.
    WriteFile(copy, first);
    fs::last_write_time(copy, firstTime);

    const ModernShopResult result = generate();
    ASSERT_TRUE(result.Succeeded) << result.ErrorText;
    EXPECT_EQ(result.PicturesMade, 1) << "the copy standing is not the one made from the picture as it is";
    EXPECT_NE(ReadFile(copy), first);
    EXPECT_TRUE(pageShows("telefon.jpg"));
    EXPECT_FALSE(fs::exists(folder() / "telefon-2.jpg"));
}
