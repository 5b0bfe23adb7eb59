#include "ModernTestShop.h"

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
    EXPECT_EQ(pictures.Jobs[0].LargeTarget, "C:\\www\\sklep\\Kubek.jpg");
    EXPECT_EQ(pictures.Jobs[0].SmallTarget, "C:\\www\\sklep\\Kubek-266x188.jpg");
    EXPECT_EQ(pictures.Jobs[0].SmallWidth, 266);
    EXPECT_EQ(pictures.Jobs[0].SmallHeight, 188);
    EXPECT_EQ(pictures.Jobs[1].LargeTarget, "C:\\www\\sklep\\kubek-2.jpg");
    EXPECT_EQ(pictures.Jobs[1].SmallTarget, "C:\\www\\sklep\\kubek-2-266x188.jpg");
    EXPECT_EQ(pictures.Items[0].Small, "sklep/Kubek-266x188.jpg");
    EXPECT_EQ(pictures.Items[2].Large, "sklep/Kubek.jpg");
    EXPECT_EQ(pictures.Items[1].Job, 1);
    EXPECT_TRUE(pictures.Items[3].Large.empty());
    EXPECT_EQ(pictures.Items[3].Job, -1);
}

TEST(ModernPictures, WithoutThePictureLibraryFilesAreCopiedUnderTheirOwnName) {
    ModernShop shop(1);
    shop.page.Item(0).PicturePath = "C:\\zdjęcia\\kubek.png";
    const ModernPictures pictures = plan(shop, WebPictureKind::Unchanged, "");
    ASSERT_EQ(pictures.Jobs.size(), 1u);
    EXPECT_EQ(pictures.Jobs[0].LargeTarget, "C:\\www\\kubek.png");
    EXPECT_TRUE(pictures.Jobs[0].SmallTarget.empty());
    EXPECT_EQ(pictures.Items[0].Small, "kubek.png");
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
