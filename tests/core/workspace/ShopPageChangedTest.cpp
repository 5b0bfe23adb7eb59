#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopPage.h"
#include "core/workspace/ShopWorkspace.h"

#include <gtest/gtest.h>

using namespace targello;

namespace {

// A page with `items` products that counts as just saved.
ShopPage savedPage(int items, int columns = 2) {
    ShopSettings settings = NewPageSettings(EditedSettings::initial().Values);
    settings.ProductColumns = columns;
    ShopPage page(0, settings);
    for (int k = 0; k < items; ++k)
        page.InsertItem();
    page.MarkSaved();
    return page;
}

} // namespace

TEST(ShopPageChanged, ANewPageIsUnchangedAndItsFirstProductChangesIt) {
    ShopPage page(0, NewPageSettings(EditedSettings::initial().Values));
    EXPECT_FALSE(page.Changed());
    EXPECT_TRUE(page.ProjectPath().empty());
    ASSERT_EQ(page.InsertItem(), InsertOutcome::Inserted);
    EXPECT_TRUE(page.Changed());
    page.MarkSaved();
    EXPECT_FALSE(page.Changed());
}

TEST(ShopPageChanged, EveryItemFieldMarksThePageWhenItsValueChanges) {
    using Edit = void (*)(ShopPage&);
    const Edit edits[] = {
        [](ShopPage& p) { p.SetItemName(1, "Kubek"); },
        [](ShopPage& p) { p.SetItemPrice(1, "12,50"); },
        [](ShopPage& p) { p.SetItemDescription(1, "Glina\r\nz Bolesławca"); },
        [](ShopPage& p) { p.SetItemPicture(1, "/zdjęcia/kubek.jpg", ItemPicture::File); },
    };
    for (std::size_t e = 0; e < std::size(edits); ++e) {
        ShopPage page = savedPage(3);
        edits[e](page);
        EXPECT_TRUE(page.Changed()) << "edit " << e;
        page.MarkSaved();
        // The same value again (a control handing back what it shows) is no change.
        edits[e](page);
        EXPECT_FALSE(page.Changed()) << "edit " << e << " repeated";
    }
    ShopPage page = savedPage(3);
    page.SetItemName(2, "Talerz");
    EXPECT_EQ(page.Item(2).Name, "Talerz");
    EXPECT_THROW(page.SetItemName(3, "poza stroną"), std::out_of_range);
}

TEST(ShopPageChanged, APictureThatCannotBeShownIsNoChangeOfTheProject) {
    ShopPage page = savedPage(1);
    page.SetItemPicture(0, "/zdjęcia/a.jpg", ItemPicture::File);
    page.MarkSaved();
    page.SetItemPicture(0, "/zdjęcia/a.jpg", ItemPicture::Missing);
    EXPECT_FALSE(page.Changed());
    EXPECT_EQ(page.Item(0).Picture, ItemPicture::Missing);
}

TEST(ShopPageChanged, RemovalMarksOnlyWhenSomethingGoes) {
    ShopPage page = savedPage(3);
    EXPECT_EQ(page.RemoveItems({false, false, false}), 0);
    EXPECT_FALSE(page.Changed());
    EXPECT_EQ(page.RemoveItems({false, true}), 1);
    EXPECT_TRUE(page.Changed());
}

TEST(ShopPageChanged, LayingOutAndApplyingOptionsAlwaysMark) {
    ShopPage page = savedPage(5, 2);
    page.LayoutItems(3);
    EXPECT_TRUE(page.Changed());
    EXPECT_EQ(page.Item(2).X, 600);

    // The options dialog's OK is an applied change even when nothing moves.
    ShopPage empty = savedPage(0);
    empty.LayoutItems(2);
    EXPECT_TRUE(empty.Changed());

    ShopPage applied = savedPage(4, 2);
    EditedSettings edited;
    LoadPageIntoOptions(applied.Settings, edited);
    edited.Values.ShopTitle = "Pracownia Łęg";
    edited.Values.ProductColumns = 1;
    applied.ApplyOptions(edited);
    EXPECT_TRUE(applied.Changed());
    EXPECT_EQ(applied.Settings.ShopTitle, "Pracownia Łęg");
    EXPECT_EQ(applied.Item(1).X, 0) << "the items follow the new columns";
    EXPECT_EQ(applied.Item(1).Y, ShopPage::CellHeight);
}

TEST(ShopPageChanged, SettingsMarkWhenTheyDiffer) {
    ShopPage page = savedPage(0);
    ShopSettings settings = page.Settings;
    page.SetSettings(settings);
    EXPECT_FALSE(page.Changed());
    settings.MenuLinks[29].Path = "kontakt.html";
    page.SetSettings(settings);
    EXPECT_TRUE(page.Changed());
    EXPECT_EQ(page.Settings.MenuLinks[29].Path, "kontakt.html");
}

TEST(ShopPageChanged, TheWorkspaceListsTheChangedPagesInSlotOrder) {
    ShopWorkspace workspace;
    const ShopSettings edited = EditedSettings::initial().Values;
    for (int k = 0; k < 4; ++k)
        workspace.NewPage(edited);
    EXPECT_TRUE(workspace.ChangedPages().empty());
    workspace.Page(3)->InsertItem();
    workspace.Page(1)->InsertItem();
    EXPECT_EQ(workspace.ChangedPages(), (std::vector<int>{1, 3}));
    EXPECT_EQ(UnsavedChangesQuestion(*workspace.Page(3)),
              "Projekt „Sklep 4” ma niezapisane zmiany. Zapisać je?");
    workspace.Page(1)->MarkSaved();
    workspace.ClosePage(3);
    EXPECT_TRUE(workspace.ChangedPages().empty());
}
