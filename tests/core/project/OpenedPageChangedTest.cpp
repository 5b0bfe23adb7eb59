#include "ProjectTestPages.h"
#include "core/project/PageToProject.h"
#include "core/project/ProjectToPage.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

TEST(OpenedPage, AnOpenedProjectIsUnchangedEvenWithAResetPrice) {
    ShopPage stored = FullPage(5);
    stored.Item(3).Price = "dużo";
    const ProjectRecord record = *RecordFromPage(stored).Value;

    ShopPage opened = FreshPage();
    const ProjectApplyReport report = ApplyProjectToPage(record, opened);
    EXPECT_EQ(report.PriceResets.size(), 1u);
    EXPECT_EQ(opened.ItemCount(), 5);
    EXPECT_FALSE(opened.Changed());
    EXPECT_TRUE(opened.ProjectPath().empty()) << "the caller knows the file";

    opened.SetItemDescription(0, "nowy opis");
    EXPECT_TRUE(opened.Changed());
}
