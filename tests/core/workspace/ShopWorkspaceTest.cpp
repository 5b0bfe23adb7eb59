#include "core/settings/EditedSettings.h"
#include "core/workspace/ShopWorkspace.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(ShopWorkspace, PagesTakeSlotsInOrderAndBecomeCurrent) {
    ShopWorkspace workspace("/start");
    const ShopSettings edited = EditedSettings::initial().Values;
    EXPECT_FALSE(workspace.PageCommandsEnabled());
    EXPECT_EQ(workspace.Current(), nullptr);
    for (int k = 0; k < 3; ++k) {
        ShopPage* page = workspace.NewPage(edited);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->Caption(), "Sklep " + std::to_string(k + 1));
        EXPECT_EQ(workspace.CurrentPage(), k);
    }
    EXPECT_EQ(workspace.PageCount(), 3);
    EXPECT_TRUE(workspace.PageCommandsEnabled());
    workspace.ActivatePage(1);
    EXPECT_EQ(workspace.Current()->Caption(), "Sklep 2");
}

TEST(ShopWorkspace, TheHundredAndFirstPageIsRefused) {
    ShopWorkspace workspace;
    const ShopSettings edited = EditedSettings::initial().Values;
    for (int k = 0; k < 100; ++k)
        ASSERT_NE(workspace.NewPage(edited), nullptr);
    workspace.ActivatePage(40);
    EXPECT_EQ(workspace.NewPage(edited), nullptr);
    EXPECT_EQ(workspace.PageCount(), 100);
    EXPECT_EQ(workspace.CurrentPage(), 40);
}

TEST(ShopWorkspace, ClosingFreesTheSlotAndNeverLeavesAClosedPageCurrent) {
    ShopWorkspace workspace;
    const ShopSettings edited = EditedSettings::initial().Values;
    for (int k = 0; k < 3; ++k)
        workspace.NewPage(edited);
    workspace.ClosePage(1);
    EXPECT_EQ(workspace.PageCount(), 2);
    EXPECT_EQ(workspace.CurrentPage(), 2); // another page closed: the current one stays
    // The lowest free slot is taken again, so no two open pages share a number,
    // but the page is a new one.
    const std::uint64_t closedSerial = 2;
    ShopPage* reopened = workspace.NewPage(edited);
    EXPECT_EQ(reopened->Caption(), "Sklep 2");
    EXPECT_NE(reopened->Serial(), closedSerial);
    workspace.ClosePage(1);
    EXPECT_NE(workspace.Current(), nullptr);
    EXPECT_NE(workspace.CurrentPage(), 1);
    workspace.ClosePage(0);
    workspace.ClosePage(2);
    EXPECT_EQ(workspace.PageCount(), 0);
    EXPECT_FALSE(workspace.PageCommandsEnabled());
    EXPECT_EQ(workspace.Current(), nullptr);
    EXPECT_EQ(workspace.NewPage(edited)->Caption(), "Sklep 1");
    EXPECT_TRUE(workspace.PageCommandsEnabled());
}
