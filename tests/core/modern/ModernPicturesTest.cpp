#include "ModernTestShop.h"
#include "core/modern/PictureBatch.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

ModernPictures plan(const ModernShop& shop, WebPictureKind kind, const std::string& base = "sklep") {
    return PlanModernPictures(shop.page, shop.edited.Values, base, "C:\\www", PathStyle::Windows, kind);
}

} // namespace

TEST(ModernPictures, EachSourceIsMadeOnceAndSameNamesStayApart) {
    ModernShop shop(4);
    shop.page.Item(0).PicturePath = "C:\\zdjęcia\\Kubek.JPG";
    shop.page.Item(1).PicturePath = "C:\\inne\\kubek.jpg"; // same name on a disk that ignores case
    shop.page.Item(2).PicturePath = "C:\\zdjęcia\\Kubek.JPG";
    // Item 4 keeps the prompt: no picture was chosen.
    const ModernPictures pictures = plan(shop, WebPictureKind::Encoded);
    ASSERT_EQ(pictures.Jobs.size(), 2u);
    EXPECT_EQ(pictures.Jobs[0].Source, "C:\\zdjęcia\\Kubek.JPG");
    // Copies are named in lowercase ASCII: "Kubek.JPG" and "kubek.jpg" meet as "kubek".
    EXPECT_EQ(pictures.Jobs[0].LargeTarget, "C:\\www\\sklep\\kubek.jpg");
    EXPECT_EQ(pictures.Jobs[0].SmallTarget, "C:\\www\\sklep\\kubek-266x188.jpg");
    EXPECT_EQ(pictures.Jobs[0].SmallWidth, 266);
    EXPECT_EQ(pictures.Jobs[0].SmallHeight, 188);
    EXPECT_EQ(pictures.Jobs[1].LargeTarget, "C:\\www\\sklep\\kubek-2.jpg");
    EXPECT_EQ(pictures.Jobs[1].SmallTarget, "C:\\www\\sklep\\kubek-2-266x188.jpg");
    EXPECT_EQ(pictures.Jobs[0].MediumTarget, "C:\\www\\sklep\\kubek-800w.jpg");
    EXPECT_EQ(pictures.Jobs[0].MediumWidth, 800);
    EXPECT_EQ(pictures.Jobs[1].MediumTarget, "C:\\www\\sklep\\kubek-2-800w.jpg");
    EXPECT_EQ(pictures.Items[0].Small, "sklep/kubek-266x188.jpg");
    EXPECT_EQ(pictures.Items[1].Medium, "sklep/kubek-2-800w.jpg");
    EXPECT_EQ(pictures.Items[2].Large, "sklep/kubek.jpg");
    EXPECT_EQ(pictures.Items[1].Job, 1);
    EXPECT_TRUE(pictures.Items[3].Large.empty());
    EXPECT_EQ(pictures.Items[3].Job, -1);
}

// A picture whose own name is another one's middle copy's takes the next
// free name for all its copies, and so does one whose middle copy's name
// the folder already holds.
TEST(ModernPictures, MiddleCopyNamesNeverMeetAnotherCopy) {
    ModernShop shop(2);
    shop.page.Item(0).PicturePath = "C:\\zdjęcia\\kubek.jpg";
    shop.page.Item(1).PicturePath = "C:\\inne\\kubek-800w.jpg";
    const ModernPictures pictures = plan(shop, WebPictureKind::Encoded);
    EXPECT_EQ(pictures.Items[0].Medium, "sklep/kubek-800w.jpg");
    EXPECT_EQ(pictures.Items[1].Large, "sklep/kubek-800w-2.jpg");
    EXPECT_EQ(pictures.Items[1].Medium, "sklep/kubek-800w-2-800w.jpg");

    const ModernPictures beside = PlanModernPictures(
        shop.page, shop.edited.Values, "sklep", "C:\\www", PathStyle::Windows, WebPictureKind::Encoded,
        [](const std::string& name) { return name == "kubek-800w.jpg"; });
    EXPECT_EQ(beside.Items[0].Large, "sklep/kubek-2.jpg");
    EXPECT_EQ(beside.Items[0].Medium, "sklep/kubek-2-800w.jpg");
}

TEST(ModernPictures, CopiesAreNamedInLowercaseAscii) {
    ModernShop shop(3);
    shop.page.Item(0).PicturePath = "C:\\zdjęcia\\słoik pionowo.jpg";
    shop.page.Item(1).PicturePath = "C:\\inne\\Słoik_Pionowo.png"; // the same name once made web-safe
    shop.page.Item(2).PicturePath = "C:\\zdjęcia\\#1 ŻÓŁW?.JPEG";
    const ModernPictures encoded = plan(shop, WebPictureKind::Encoded);
    EXPECT_EQ(encoded.Items[0].Small, "sklep/sloik-pionowo-266x188.jpg");
    EXPECT_EQ(encoded.Items[1].Large, "sklep/sloik-pionowo-2.jpg");
    EXPECT_EQ(encoded.Items[2].Large, "sklep/1-zolw.jpg");
    EXPECT_EQ(encoded.Items[2].Medium, "sklep/1-zolw-800w.jpg");
    const ModernPictures copied = plan(shop, WebPictureKind::Unchanged);
    EXPECT_EQ(copied.Items[1].Large, "sklep/sloik-pionowo.png");
    EXPECT_EQ(copied.Items[2].Large, "sklep/1-zolw.jpeg");
}

TEST(ModernPictures, WithoutThePictureLibraryFilesAreCopiedUnderTheirOwnName) {
    ModernShop shop(1);
    shop.page.Item(0).PicturePath = "C:\\zdjęcia\\kubek.png";
    const ModernPictures pictures = plan(shop, WebPictureKind::Unchanged, "");
    ASSERT_EQ(pictures.Jobs.size(), 1u);
    EXPECT_EQ(pictures.Jobs[0].LargeTarget, "C:\\www\\kubek.png");
    EXPECT_TRUE(pictures.Jobs[0].SmallTarget.empty());
    EXPECT_TRUE(pictures.Jobs[0].MediumTarget.empty());
    EXPECT_EQ(pictures.Items[0].Small, "kubek.png");
    EXPECT_TRUE(pictures.Items[0].Medium.empty());
    EXPECT_EQ(pictures.Items[0].Large, "kubek.png");
}

TEST(ModernPictures, BannerAndTextureGetOneLargeCopy) {
    ModernShop shop;
    shop.page.Settings.HeaderKind = true;
    shop.page.Settings.BannerPath = "C:\\grafika\\baner.gif";
    shop.page.Settings.UseTexture = true;
    shop.page.Settings.TexturePath = TextureSwatchPrompt; // switched on before a texture was loaded
    ModernPictures pictures = plan(shop, WebPictureKind::Encoded);
    ASSERT_EQ(pictures.Jobs.size(), 1u);
    EXPECT_EQ(pictures.Banner.Large, "sklep/baner.jpg");
    EXPECT_TRUE(pictures.Jobs[0].SmallTarget.empty());
    EXPECT_TRUE(pictures.Jobs[0].MediumTarget.empty());
    EXPECT_TRUE(pictures.Texture.Large.empty());

    shop.page.Settings.TexturePath = "C:\\tekstury\\len.jpg";
    shop.page.Settings.HeaderKind = false;
    pictures = plan(shop, WebPictureKind::Encoded);
    ASSERT_EQ(pictures.Jobs.size(), 1u);
    EXPECT_EQ(pictures.Texture.Large, "sklep/len.jpg");
    EXPECT_TRUE(pictures.Banner.Large.empty());
}

TEST(ModernPictures, ShownSizeFallsBackWhereNotPositive) {
    ShopSettings settings;
    settings.PictureWidth = 0;
    settings.PictureHeight = -5;
    EXPECT_EQ(ShownPictureWidth(settings), 133);
    EXPECT_EQ(ShownPictureHeight(settings), 94);
    settings.PictureWidth = 300;
    settings.PictureHeight = 5000;
    EXPECT_EQ(ShownPictureWidth(settings), 300);
    EXPECT_EQ(ShownPictureHeight(settings), 1600);
}

TEST(ModernPictures, CopyingUnchangedTakesOnlyPicturesBrowsersShow) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / "targello-modern-copy";
    fs::remove_all(root);
    fs::create_directories(root);
    const auto put = [&](const char* name, const std::string& bytes) {
        std::ofstream(root / name, std::ios::binary) << bytes;
        return (root / name).string();
    };
    const std::string svg = put("a.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    const std::string png = put("b.png", "\x89PNG\r\n\x1A\n....");
    const std::string text = put("c.jpg", "Lista zakupów");
    EXPECT_EQ(CopyWebPicture({svg, (root / "a-kopia.svg").string(), {}, 1600, 0, 0}).Reason, "");
    EXPECT_EQ(CopyWebPicture({png, (root / "b-kopia.png").string(), {}, 1600, 0, 0}).Reason, "");
    EXPECT_EQ(CopyWebPicture({text, (root / "c-kopia.jpg").string(), {}, 1600, 0, 0}).Reason,
              "to nie jest obrazek w formacie, który pokazują przeglądarki");
    EXPECT_TRUE(fs::exists(root / "a-kopia.svg"));
    EXPECT_TRUE(fs::exists(root / "b-kopia.png"));
    EXPECT_FALSE(fs::exists(root / "c-kopia.jpg"));
    // A copy that cannot be written is the disk's fault: told apart, so the export fails as a whole.
    const WebPictureOutcome unwritten =
        CopyWebPicture({png, (root / "brak" / "b.png").string(), {}, 1600, 0, 0});
    EXPECT_EQ(unwritten.Reason, "plik nie istnieje");
    EXPECT_EQ(unwritten.WriteError, std::errc::no_such_file_or_directory);
    fs::remove_all(root);
}
