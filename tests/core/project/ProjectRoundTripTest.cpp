#include "ProjectTestPages.h"
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectToPage.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

ProjectRecord readBack(const ShopPage& page) {
    const ProjectOutcome<std::string> bytes = ProjectBytesFromPage(page);
    EXPECT_TRUE(bytes) << bytes.Error;
    ProjectOutcome<ProjectRecord> read = ParseProject(bytes.Value.value_or(""), "sklep.esk");
    EXPECT_TRUE(read) << read.Error;
    return read.Value.value_or(ProjectRecord{});
}

} // namespace

TEST(ProjectRoundTrip, FullPageComesBackWhole) {
    const ShopPage original = FullPage(100);
    ShopPage opened = FreshPage();
    const ProjectApplyReport report = ApplyProjectToPage(readBack(original), opened);

    EXPECT_TRUE(report.PriceResets.empty());
    EXPECT_EQ(opened.Settings, original.Settings);
    ASSERT_EQ(opened.ItemCount(), 100);
    for (int k = 0; k < 100; ++k) {
        ShopItem expected = original.Item(k);
        expected.Picture = ItemPicture::File; // loading the picture decides the rest
        EXPECT_EQ(opened.Item(k), expected) << k;
    }
    EXPECT_EQ(opened.Cursor(), original.Cursor());
    // Saving the opened page gives the same file again.
    EXPECT_EQ(ProjectBytesFromPage(opened).Value, ProjectBytesFromPage(original).Value);
}

TEST(ProjectRoundTrip, LineBreaksAndTheThirtiethLinkSurvive) {
    ShopPage page = FreshPage();
    page.InsertItem();
    page.Item(0).Description = "pierwsza\r\ndruga\r\n\r\nczwarta";
    page.Settings.MenuLinks[29] = {"ukryty", "C:\\x.html"};
    const ProjectRecord record = readBack(page);
    EXPECT_EQ(record.Items[0].Description, "pierwsza\r\ndruga\r\n\r\nczwarta");
    EXPECT_EQ(record.Links[29].Name, "ukryty");
    EXPECT_EQ(record.Links[29].Path, "C:\\x.html");
}

TEST(ProjectRoundTrip, ColumnsAreSetBeforeTheItemsArePlaced) {
    ShopPage page = FullPage(7);
    page.Settings.ProductColumns = 3;
    ShopPage opened = FreshPage();
    ApplyProjectToPage(readBack(page), opened);
    EXPECT_EQ(opened.Settings.ProductColumns, 3);
    EXPECT_EQ(opened.Item(2).X, 600);
    EXPECT_EQ(opened.Item(3).X, 0);
    EXPECT_EQ(opened.Item(3).Y, 150);
    EXPECT_EQ(opened.VisibleBandCount(), 3);
}

TEST(ProjectRoundTrip, StoredPriceThatIsNoAmountBecomesZeroAndIsReported) {
    ShopPage page = FreshPage();
    const char* prices[] = {"12,50", "abc", "", "-", "1,2,3", " 7 "};
    for (const char* price : prices) {
        page.InsertItem();
        page.Item(page.ItemCount() - 1).Price = price;
    }
    ShopPage opened = FreshPage();
    const ProjectApplyReport report = ApplyProjectToPage(readBack(page), opened);

    ASSERT_EQ(report.PriceResets.size(), 2u);
    EXPECT_EQ(report.PriceResets[0].Item, 1);
    EXPECT_EQ(report.PriceResets[0].Rejected, "abc");
    EXPECT_EQ(report.PriceResets[1].Item, 4);
    EXPECT_EQ(report.PriceResets[1].Rejected, "1,2,3");
    const char* kept[] = {"12,50", "0,00", "", "-", "0,00", " 7 "};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(opened.Item(k).Price, kept[k]) << k;
}

TEST(ProjectRoundTrip, PicturePromptIsKeptAsThePath) {
    ShopPage page = FreshPage();
    page.InsertItem();
    ShopPage opened = FreshPage();
    ApplyProjectToPage(readBack(page), opened);
    EXPECT_EQ(opened.Item(0).PicturePath, "Kliknij aby wczytać obrazek");
    EXPECT_EQ(opened.Item(0).Picture, ItemPicture::File);
}
