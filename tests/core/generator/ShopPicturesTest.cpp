#include "core/generator/ShopPictures.h"

#include "TestShop.h"

#include <gtest/gtest.h>

using namespace targello;
using targello::testing::TestShop;

TEST(ShopPictures, SameNameFromDifferentFoldersGetsNamesOfItsOwn) {
    TestShop shop(5);
    shop.page.Item(0).PicturePath = R"(C:\zdjęcia\a.jpg)";
    shop.page.Item(1).PicturePath = R"(D:\inne\a.jpg)";
    shop.page.Item(2).PicturePath = R"(C:\zdjęcia\a.jpg)"; // the same file again: one copy
    shop.page.Item(3).PicturePath = R"(E:\A.JPG)";         // Windows does not tell A.JPG from a.jpg
    shop.page.Item(4).PicturePath = R"(C:\x\a-2.jpg)";
    shop.page.Settings.TexturePath = R"(C:\textury\a.jpg)";
    shop.page.Settings.BannerPath = R"(C:\zdjęcia\a.jpg)";
    const ShopPictures pictures = PlanShopPictures(shop.page, "sklep", R"(C:\www)", PathStyle::Windows);
    EXPECT_EQ(pictures.PictureUrls, (std::vector<std::string>{"sklep/a.jpg", "sklep/a-2.jpg", "sklep/a.jpg",
                                                              "sklep/A-3.JPG", "sklep/a-2-2.jpg"}));
    EXPECT_EQ(pictures.TextureUrl, "sklep/a-4.jpg");
    EXPECT_EQ(pictures.BannerUrl, "sklep/a.jpg");
    EXPECT_EQ(pictures.Copies, (std::vector<PictureCopy>{
                                   {R"(C:\zdjęcia\a.jpg)", R"(C:\www\sklep\a.jpg)"},
                                   {R"(D:\inne\a.jpg)", R"(C:\www\sklep\a-2.jpg)"},
                                   {R"(E:\A.JPG)", R"(C:\www\sklep\A-3.JPG)"},
                                   {R"(C:\x\a-2.jpg)", R"(C:\www\sklep\a-2-2.jpg)"},
                                   {R"(C:\textury\a.jpg)", R"(C:\www\sklep\a-4.jpg)"},
                               }));
}

TEST(ShopPictures, AddressesOfUnusualNames) {
    TestShop shop(2);
    shop.page.Item(0).PicturePath = "/zdjęcia/żółw 50%#1.jpg";
    // Item 1 keeps the prompt of a picture never chosen.
    const ShopPictures pictures = PlanShopPictures(shop.page, "temp", "/www", PathStyle::Posix);
    EXPECT_EQ(pictures.PictureUrls[0], "temp/żółw 50%25%231.jpg");
    EXPECT_EQ(pictures.PictureUrls[1], "temp/Kliknij aby wczytać obrazek");
    EXPECT_EQ(pictures.TextureUrl, "temp/"); // no texture: nothing to copy
    EXPECT_EQ(pictures.BannerUrl, "temp/");
    EXPECT_EQ(pictures.Copies.size(), 2u);
}

TEST(ShopPictures, EmptyBaseNamePutsPicturesBesideThePage) {
    TestShop shop(1);
    shop.page.Item(0).PicturePath = "/zdjęcia/a.jpg";
    const ShopPictures pictures = PlanShopPictures(shop.page, "", "/www", PathStyle::Posix);
    EXPECT_EQ(pictures.PictureUrls[0], "a.jpg");
    EXPECT_EQ(pictures.Copies, (std::vector<PictureCopy>{{"/zdjęcia/a.jpg", "/www/a.jpg"}}));
}
