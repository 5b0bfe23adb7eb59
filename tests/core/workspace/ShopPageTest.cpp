#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"

#include <gtest/gtest.h>

using namespace targello;

namespace {

ShopPage pageWith(int items, int columns) {
    ShopSettings settings = NewPageSettings(EditedSettings::initial().Values);
    settings.ProductColumns = columns;
    ShopPage page(0, settings);
    for (int k = 0; k < items; ++k)
        EXPECT_EQ(page.InsertItem(), InsertOutcome::Inserted);
    return page;
}

std::vector<int> shownBands(const ShopPage& page) {
    std::vector<int> bands;
    for (int b = 0; b < ShopPage::BandCount; ++b)
        if (page.BandVisible(b))
            bands.push_back(b);
    return bands;
}

} // namespace

TEST(ShopPage, NewItemsAreNumberedAndPriced) {
    const ShopPage page = pageWith(3, 2);
    EXPECT_EQ(page.Item(2).Name, "Produkt 3");
    EXPECT_EQ(page.Item(2).Price, "0,00");
    EXPECT_EQ(page.Item(2).PicturePath, "Kliknij aby wczytać obrazek");
    EXPECT_EQ(page.Item(2).Picture, ItemPicture::Placeholder);
    EXPECT_TRUE(page.Item(2).Description.empty());
}

TEST(ShopPage, TwoColumnGridAndItsBands) {
    const ShopPage page = pageWith(5, 2);
    const int expected[5][2] = {{0, 0}, {300, 0}, {0, 150}, {300, 150}, {0, 300}};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(page.Item(k).X, expected[k][0]) << k;
        EXPECT_EQ(page.Item(k).Y, expected[k][1]) << k;
    }
    EXPECT_EQ(shownBands(page), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(page.Cursor(), (LayoutCursor{1, 0, 300, 2}));
}

TEST(ShopPage, OneColumnReachesTheLastBandAndFourColumnsFillTwentyFiveRows) {
    const ShopPage single = pageWith(100, 1);
    EXPECT_EQ(single.Item(99).X, 0);
    EXPECT_EQ(single.Item(99).Y, 14850);
    EXPECT_TRUE(single.BandVisible(99));

    const ShopPage four = pageWith(100, 4);
    EXPECT_EQ(four.Item(99).X, 900);
    EXPECT_EQ(four.Item(99).Y, 24 * 150);
    EXPECT_EQ(four.VisibleBandCount(), 25);
    EXPECT_EQ(four.Cursor().RowIndex, 24);
}

TEST(ShopPage, ThreeColumnsPlaceEachCell) {
    const ShopPage page = pageWith(4, 3);
    EXPECT_EQ(page.Item(2).X, 600);
    EXPECT_EQ(page.Item(3).X, 0);
    EXPECT_EQ(page.Item(3).Y, 150);
}

TEST(ShopPage, TheHundredAndFirstItemChangesNothing) {
    ShopPage page = pageWith(100, 2);
    const LayoutCursor cursor = page.Cursor();
    EXPECT_EQ(page.InsertItem(), InsertOutcome::LimitReached);
    EXPECT_EQ(page.ItemCount(), 100);
    EXPECT_EQ(page.Cursor(), cursor);
}

TEST(ShopPage, LayoutMatchesARunOfInserts) {
    for (int columns = 1; columns <= 4; ++columns) {
        for (int items : {0, 1, 7, 12, 100}) {
            ShopPage relaid = pageWith(items, columns == 1 ? 4 : 1);
            relaid.Settings.ProductColumns = columns;
            relaid.LayoutItems(columns);
            const ShopPage inserted = pageWith(items, columns);
            EXPECT_EQ(relaid.Cursor(), inserted.Cursor()) << columns << " " << items;
            EXPECT_EQ(relaid.Items(), inserted.Items()) << columns << " " << items;
            EXPECT_EQ(shownBands(relaid), shownBands(inserted).empty() ? std::vector<int>{0} : shownBands(inserted));
        }
    }
}

TEST(ShopPage, LayoutShowsOnlyTheRowsInUse) {
    ShopPage seven = pageWith(7, 1);
    seven.Settings.ProductColumns = 3;
    seven.LayoutItems(3);
    EXPECT_EQ(shownBands(seven), (std::vector<int>{0, 1, 2}));
    ShopPage empty = pageWith(0, 2);
    empty.LayoutItems(2);
    EXPECT_EQ(shownBands(empty), (std::vector<int>{0}));
    // Then inserting continues the grid.
    ASSERT_EQ(seven.InsertItem(), InsertOutcome::Inserted);
    EXPECT_EQ(seven.Item(7).X, 300);
    EXPECT_EQ(seven.Item(7).Y, 300);
}

TEST(ShopPage, RemovalKeepsTheOthersAsTheyAreAndNamesFollowTheCount) {
    ShopPage page = pageWith(5, 2);
    page.Item(2).Price = "12,50";
    page.Item(4).Description = "opis\r\nprzez dwie linie";
    EXPECT_EQ(page.RemoveItems({false, true, false, true, false}), 2);
    page.LayoutItems(page.Settings.ProductColumns);
    ASSERT_EQ(page.ItemCount(), 3);
    EXPECT_EQ(page.Item(0).Name, "Produkt 1");
    EXPECT_EQ(page.Item(1).Name, "Produkt 3");
    EXPECT_EQ(page.Item(1).Price, "12,50");
    EXPECT_EQ(page.Item(2).Name, "Produkt 5");
    EXPECT_EQ(page.Item(2).Description, "opis\r\nprzez dwie linie");
    EXPECT_EQ(page.Item(2).X, 0);
    EXPECT_EQ(page.Item(2).Y, 150);

    // Names follow the count, so a name can come back.
    ShopPage three = pageWith(3, 2);
    three.RemoveItems({true});
    three.LayoutItems(2);
    ASSERT_EQ(three.InsertItem(), InsertOutcome::Inserted);
    EXPECT_EQ(three.Item(2).Name, "Produkt 3");

    ShopPage all = pageWith(3, 2);
    all.RemoveItems({true, true, true});
    all.LayoutItems(2);
    ASSERT_EQ(all.InsertItem(), InsertOutcome::Inserted);
    EXPECT_EQ(all.Item(0).Name, "Produkt 1");
    EXPECT_EQ(all.Item(0).X, 0);
    EXPECT_EQ(all.Item(0).Y, 0);
}
