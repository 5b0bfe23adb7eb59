#include "core/settings/EditedSettings.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(EditedSettings, FirstPageTakesTheDialogsStartingColoursAndPageDefaults) {
    const ShopSettings page = NewPageSettings(EditedSettings::initial().Values);
    EXPECT_EQ(page.RowColor1, RgbColor::fromHex("#FFFBF0"));
    EXPECT_EQ(page.RowColor2, RgbColor::fromHex("#EEEDF8"));
    EXPECT_EQ(page.HeaderColor, RgbColor::fromHex("#7986AA"));
    EXPECT_EQ(page.MenuColor, RgbColor::fromHex("#7986AA"));
    EXPECT_EQ(page.FooterColor, RgbColor::fromHex("#7986AA"));
    EXPECT_EQ(page.MenuBackColor, RgbColor::fromHex("#D9E0F7"));
    EXPECT_EQ(page.PageLayout, 2);
    EXPECT_EQ(page.ProductColumns, 2);
    EXPECT_EQ(page.BasketCaption, "kupuję");
    EXPECT_EQ(page.PictureWidth, 133);
    EXPECT_EQ(page.PictureHeight, 94);
    EXPECT_TRUE(page.OrderFormKind);
    // The dialog starts on the banner, a new page on the text header.
    EXPECT_FALSE(page.HeaderKind);
    EXPECT_FALSE(page.UseTexture);
    EXPECT_TRUE(page.TexturePath.empty());
}

TEST(EditedSettings, NewPageTakesUnconfirmedColourEditsAndNothingElse) {
    EditedSettings edited = EditedSettings::initial();
    edited.Values.RowColor1 = {1, 2, 3};
    edited.Values.MenuColor = {4, 5, 6};
    edited.Values.ProductColumns = 4;
    edited.Values.ShopTitle = "Sklep Ani";
    const ShopSettings page = NewPageSettings(edited.Values);
    EXPECT_EQ(page.RowColor1, (RgbColor{1, 2, 3}));
    EXPECT_EQ(page.MenuColor, (RgbColor{4, 5, 6}));
    EXPECT_EQ(page.ProductColumns, 2);
    EXPECT_TRUE(page.ShopTitle.empty());
}

TEST(EditedSettings, ApplyKeepsRowColoursWithTextureAndTexturePathWithout) {
    EditedSettings edited = EditedSettings::initial();
    ShopSettings page = NewPageSettings(edited.Values);
    page.TexturePath = "/tekstury/stara.jpg";
    const ShopSettings before = page;

    edited.Values.UseTexture = true;
    edited.Values.RowColor1 = {9, 9, 9};
    ApplyOptionsToPage(edited, page);
    EXPECT_TRUE(page.UseTexture);
    EXPECT_EQ(page.RowColor1, before.RowColor1);
    // No texture loaded since start: the swatch's prompt is what gets stored.
    EXPECT_EQ(page.TexturePath, TextureSwatchPrompt);

    edited.Values.UseTexture = false;
    edited.Values.TexturePath = "/inna.jpg";
    ApplyOptionsToPage(edited, page);
    EXPECT_FALSE(page.UseTexture);
    EXPECT_EQ(page.RowColor1, (RgbColor{9, 9, 9}));
    EXPECT_EQ(page.TexturePath, TextureSwatchPrompt);
}

TEST(EditedSettings, LoadKeepsTheDialogsTextureAndShowsSizesWithinTheSpinRange) {
    EditedSettings edited = EditedSettings::initial();
    edited.Values.TexturePath = "/textury/nutki.jpg";
    ShopSettings page = NewPageSettings(edited.Values);
    page.TexturePath = "/gdzie/indziej.jpg";
    page.PictureWidth = 500;
    page.PictureHeight = -3;
    page.MenuLinks[29] = {"ukryty", "x.htm"};
    LoadPageIntoOptions(page, edited);
    EXPECT_EQ(edited.Values.TexturePath, "/textury/nutki.jpg");
    EXPECT_EQ(edited.Values.PictureWidth, 300);
    EXPECT_EQ(edited.Values.PictureHeight, 0);
    EXPECT_EQ(edited.Values.MenuLinks[29].Name, "ukryty");

    // A width stored as 500 comes back as 300 and a further OK stores 300.
    ApplyOptionsToPage(edited, page);
    EXPECT_EQ(page.PictureWidth, 300);
}
