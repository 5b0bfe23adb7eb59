#include "core/settings/ColorSchemes.h"
#include "core/settings/EditedSettings.h"
#include "core/settings/StylePresets.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace targello;

namespace {

RgbColor Hex(const char* text) {
    return RgbColor::fromHex(text);
}

ShopSettings Sample() {
    ShopSettings s = EditedSettings::initial().Values;
    s.RowColor1 = {1, 2, 3};
    s.RowColor2 = {4, 5, 6};
    s.MenuColor = {7, 8, 9};
    return s;
}

} // namespace

TEST(ColorSchemes, EachSchemeSetsHeaderFooterAndMenuBackground) {
    const struct {
        const char* a;
        const char* b;
    } expected[] = {{"#7986AA", "#D9E0F7"}, {"#D9E0F7", "#002499"}, {"#FFFDCF", "#FFF6E0"},
                    {"#8AFFC5", "#D9FFEC"}, {"#6750A3", "#DACCFF"}, {"#C20000", "#FFA100"},
                    {"#F0FAFF", "#FFFEF0"}};
    for (int k = 0; k < ColorSchemeCount; ++k) {
        SCOPED_TRACE(k);
        ShopSettings s = Sample();
        ApplyColorScheme(k, s, MenuColorRule::FollowHeader);
        EXPECT_EQ(s.ColorScheme, k);
        EXPECT_EQ(s.HeaderColor, Hex(expected[k].a));
        EXPECT_EQ(s.FooterColor, Hex(expected[k].a));
        EXPECT_EQ(s.MenuColor, Hex(expected[k].a));
        EXPECT_EQ(s.MenuBackColor, Hex(expected[k].b));
        // A scheme leaves the rows alone.
        EXPECT_EQ(s.RowColor1, (RgbColor{1, 2, 3}));
        EXPECT_EQ(s.RowColor2, (RgbColor{4, 5, 6}));
    }
}

TEST(ColorSchemes, WizardKeepsTheMenuColour) {
    ShopSettings s = Sample();
    ApplyColorScheme(5, s, MenuColorRule::KeepMenuColor);
    EXPECT_EQ(s.HeaderColor, Hex("#C20000"));
    EXPECT_EQ(s.MenuBackColor, Hex("#FFA100"));
    EXPECT_EQ(s.MenuColor, (RgbColor{7, 8, 9}));
}

TEST(ColorSchemes, NumbersOutsideTheListTakeTheNearestEnd) {
    ShopSettings s = Sample();
    ApplyColorScheme(9, s, MenuColorRule::FollowHeader);
    EXPECT_EQ(s.ColorScheme, 6);
    EXPECT_EQ(s.HeaderColor, Hex("#F0FAFF"));
    ApplyColorScheme(-1, s, MenuColorRule::FollowHeader);
    EXPECT_EQ(s.ColorScheme, 0);
    EXPECT_EQ(s.HeaderColor, Hex("#7986AA"));
}

TEST(StylePresets, CaptionsColumnsAndTexturesInListOrder) {
    const struct {
        const char* caption;
        int columns;
        const char* texture;
    } expected[] = {
        {"1 kolumna pajęczyna", 1, "textury/pajęczyna.jpg"},
        {"1 kolumna koniczynka", 1, "textury/koniczynka.jpg"},
        {"2 kolumny witraż", 2, "textury/witraż.jpg"},
        {"2 kolumny siatka", 2, "textury/siatka1.jpg"},
        {"3 kolumny gwiazdki", 3, "textury/gwiazdki.jpg"},
        {"3 kolumny kryształy", 3, "textury/kryształki3.jpg"},
        {"4 kolumny nutki", 4, "textury/nutki.jpg"},
        {"4 kolumny trybiki ", 4, "textury/tryby.jpg"},
        {"1 kolumny błękitne niebo", 1, ""},
        {"2 kolumny zielona łąka", 2, ""},
        {"3 kolumny kremowo fioletowy", 3, ""},
        {"4 kolumny czekolada", 4, ""},
    };
    for (int k = 0; k < StylePresetCount; ++k) {
        SCOPED_TRACE(k);
        const StylePreset& p = StylePresets()[static_cast<std::size_t>(k)];
        EXPECT_EQ(p.Caption, expected[k].caption);
        EXPECT_EQ(p.Columns, expected[k].columns);
        EXPECT_EQ(p.Texture, expected[k].texture);
    }
}

TEST(StylePresets, EveryTextureStyleNamesOneOfTheEightTextures) {
    std::set<std::string> named;
    for (const StylePreset& p : StylePresets())
        if (p.UsesTexture())
            named.insert(std::string(p.Texture));
    std::set<std::string> files;
    for (std::string_view f : TextureFiles())
        files.insert(std::string(f));
    EXPECT_EQ(named, files);
    EXPECT_EQ(files.size(), 8u);
}

TEST(StylePresets, TextureStyleSwitchesTextureOnAndKeepsRowColours) {
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        ShopSettings s = Sample();
        s.UseTexture = false;
        ApplyStylePreset(StylePresets()[static_cast<std::size_t>(k)], s);
        EXPECT_TRUE(s.UseTexture);
        EXPECT_EQ(s.RowColor1, (RgbColor{1, 2, 3}));
        EXPECT_EQ(s.RowColor2, (RgbColor{4, 5, 6}));
    }
}

TEST(StylePresets, ColourStylesSwitchTextureOffAndSetBothRows) {
    const struct {
        int index;
        int columns;
        const char* row1;
        const char* row2;
    } expected[] = {{8, 1, "#E8F5FF", "#CFDFF1"},
                    {9, 2, "#A0E0B6", "#ECFFEF"},
                    {10, 3, "#FFFCF6", "#EEEDF8"},
                    {11, 4, "#DACFBC", "#B7AB9B"}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.index);
        ShopSettings s = Sample();
        s.UseTexture = true;
        s.TexturePath = "/tekstury/a.jpg";
        ApplyStylePreset(StylePresets()[static_cast<std::size_t>(e.index)], s);
        EXPECT_FALSE(s.UseTexture);
        EXPECT_EQ(s.ProductColumns, e.columns);
        EXPECT_EQ(s.RowColor1, Hex(e.row1));
        EXPECT_EQ(s.RowColor2, Hex(e.row2));
        // The texture last loaded stays, ready for the checkbox.
        EXPECT_EQ(s.TexturePath, "/tekstury/a.jpg");
        EXPECT_EQ(s.HeaderColor, Sample().HeaderColor);
    }
}

TEST(StylePresets, BasketCaptionsBeginWithTheDefault) {
    const auto& captions = BasketCaptionSuggestions();
    EXPECT_EQ(captions.front(), EditedSettings::initial().Values.BasketCaption);
    EXPECT_EQ(captions[3], "dodaj do koszyka");
    EXPECT_EQ(captions.back(), "rezerwuję");
}
