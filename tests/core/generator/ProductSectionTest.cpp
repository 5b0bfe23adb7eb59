#include "core/generator/ProductSection.h"

#include "Golden.h"
#include "TestShop.h"
#include "core/generator/BasketScript.h"

#include <gtest/gtest.h>

using namespace targello;
using targello::testing::Count;
using targello::testing::MatchesGolden;
using targello::testing::TestShop;

namespace {
// The text between the table's opening and its closing.
std::string TableRows(const std::string& section) {
    const std::size_t start = section.find("cellspacing=0>") + 14;
    return section.substr(start, section.rfind("</TR></TH></TD></TABLE>") - start);
}
} // namespace

TEST(ItemCell, CentredCellOfANewItem) {
    TestShop shop(1);
    shop.page.Item(0).PicturePath = "/zdjęcia/a.jpg";
    EXPECT_TRUE(
        MatchesGolden("item-cell-centred.html", ItemCell(shop.page, 0, shop.edited.Values, shop.Pictures())));
}

TEST(ItemCell, LeftAlignedCellWithQuotesInNameAndCaption) {
    TestShop shop(2, 1);
    ShopItem& item = shop.page.Item(1);
    item.Name = R"(Kubek 'Ósemka' "XL")";
    item.Price = "12,50";
    item.Description = "Duży <i>kubek</i>";
    item.PicturePath = "/zdjęcia/a b.jpg";
    shop.page.Settings.BasketCaption = R"(kup "teraz")";
    EXPECT_TRUE(MatchesGolden("item-cell-left-quoted.html",
                              ItemCell(shop.page, 1, shop.edited.Values, shop.Pictures())));
}

TEST(ItemCell, PricesThatAreNoAmountGiveTheScriptZero) {
    TestShop shop(3);
    shop.page.Item(0).Price = "";
    shop.page.Item(1).Price = "-";
    shop.page.Item(2).Price = "1,5e2";
    const ShopPictures pictures = shop.Pictures();
    EXPECT_NE(ItemCell(shop.page, 0, shop.edited.Values, pictures).find(";c=0;"), std::string::npos);
    EXPECT_NE(ItemCell(shop.page, 1, shop.edited.Values, pictures).find(";c=0;"), std::string::npos);
    const std::string third = ItemCell(shop.page, 2, shop.edited.Values, pictures);
    EXPECT_NE(third.find(";c=150;"), std::string::npos);
    EXPECT_NE(third.find(">1,5e2 PLN "), std::string::npos); // shown as typed
}

TEST(ProductSection, EmptyPageHasOneRowOfEmptyCells) {
    TestShop shop(0, 3);
    const std::string section = ProductSection(shop.page, shop.edited.Values, shop.Pictures());
    EXPECT_EQ(section.rfind(BasketScript() + "</HEAD><BODY bgcolor=\"#ffffff\"><TABLE width=100%", 0), 0u);
    const std::string cell = R"(<TH bgcolor="#EEEDF8"><TD valign=top align=center bgcolor="#EEEDF8">)"
                             R"(<font face="Arial" size=2>)";
    EXPECT_EQ(TableRows(section), "<TR>" + cell + cell + cell);
}

TEST(ProductSection, RowsAlternateColoursStartingWithTheSecond) {
    TestShop shop(5, 2);
    const std::string rows = TableRows(ProductSection(shop.page, shop.edited.Values, shop.Pictures()));
    EXPECT_EQ(Count(rows, "<TR>"), 3u);
    EXPECT_EQ(Count(rows, R"(<TH bgcolor="#EEEDF8">)"), 4u); // rows 0 and 2
    EXPECT_EQ(Count(rows, R"(<TH bgcolor="#FFFBF0">)"), 2u); // row 1
    EXPECT_EQ(Count(rows, "<B><P align=center>"), 5u);
    // The last row holds item 4 and one empty cell.
    const std::string lastRow = rows.substr(rows.rfind("<TR>"));
    EXPECT_NE(lastRow.find("il[4]++"), std::string::npos);
    EXPECT_TRUE(lastRow.ends_with(R"(<P></TH><TH bgcolor="#EEEDF8"><TD valign=top align=center )"
                                  R"(bgcolor="#EEEDF8"><font face="Arial" size=2>)"));
}

TEST(ProductSection, TextureReplacesTheRowColours) {
    TestShop shop(2);
    shop.page.Settings.UseTexture = true;
    shop.page.Settings.TexturePath = "/textury/drewno.jpg";
    const std::string section = ProductSection(shop.page, shop.edited.Values, shop.Pictures());
    EXPECT_NE(section.find(
                  R"(</HEAD><BODY bgcolor="#ffffff" background="temp/drewno.jpg">)"
                  R"(<TABLE background="temp/drewno.jpg" width=100% border=0 cellpadding=4 cellspacing=0>)"),
              std::string::npos);
    EXPECT_EQ(Count(section, R"(<TH><TD valign=top align=center><font face="Arial" size=2>)"), 2u);
    EXPECT_EQ(Count(section, "<TH bgcolor"), 0u);
}

TEST(ProductSection, EveryItemIsWrittenEvenWhenTheLayoutLagsBehind) {
    TestShop shop(4, 4); // one grid row
    shop.page.Settings.ProductColumns = 1;
    const std::string section = ProductSection(shop.page, shop.edited.Values, shop.Pictures());
    for (const char* item : {"il[0]++", "il[1]++", "il[2]++", "il[3]++"})
        EXPECT_NE(section.find(item), std::string::npos) << item;
}
