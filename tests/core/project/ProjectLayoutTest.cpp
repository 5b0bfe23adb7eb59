#include "ProjectTestPages.h"
#include "core/project/PageToProject.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectWriter.h"
#include "core/workspace/ShopWorkspace.h"

#include <gtest/gtest.h>

using namespace targello;
using namespace targello::testing;

namespace {

std::string bytesOf(const ShopPage& page) {
    ProjectOutcome<std::string> bytes = ProjectBytesFromPage(page);
    EXPECT_TRUE(bytes) << bytes.Error;
    return bytes.Value.value_or(std::string());
}

bool allZero(std::string_view bytes) {
    return bytes.find_first_not_of('\0') == std::string_view::npos;
}

} // namespace

TEST(ProjectLayout, PageSavedRightAfterItsCreation) {
    ShopWorkspace workspace;
    const ShopPage& page = *workspace.NewPage(EditedSettings::initial().Values);
    const std::string bytes = bytesOf(page);

    ASSERT_EQ(bytes.size(), 16284u);
    EXPECT_EQ(IntegerAt(bytes, 0), 0);
    EXPECT_EQ(IntegerAt(bytes, 4), 2);
    const int colours[18] = {0xFF, 0xFB, 0xF0, 0xEE, 0xED, 0xF8, 0x79, 0x86, 0xAA,
                             0xD9, 0xE0, 0xF7, 0x79, 0x86, 0xAA, 0x79, 0x86, 0xAA};
    for (std::size_t k = 0; k < 18; ++k)
        EXPECT_EQ(IntegerAt(bytes, 8 + 4 * k), colours[k]) << "colour integer " << k;
    EXPECT_EQ(bytes[80], 1);
    EXPECT_EQ(IntegerAt(bytes, 81), 2);
    EXPECT_EQ(IntegerAt(bytes, 85), 0);
    EXPECT_EQ(IntegerAt(bytes, 89), 133);
    EXPECT_EQ(IntegerAt(bytes, 93), 94);
    // Texture, banner and title are empty fields; the caption is "kupuję" in Windows-1250.
    EXPECT_TRUE(allZero(std::string_view(bytes).substr(97, 765)));
    EXPECT_EQ(bytes.substr(862, 7), std::string("kupuj\xEA\0", 7));
    EXPECT_TRUE(allZero(std::string_view(bytes).substr(869, 982 - 869)));
    EXPECT_EQ(bytes[982], 0);
    EXPECT_EQ(bytes[983], 0);
    EXPECT_TRUE(allZero(std::string_view(bytes).substr(984))) << "30 empty link records";
}

TEST(ProjectLayout, HundredItemsAndTheOffsetsOfItemsAndLinks) {
    const ShopPage page = FullPage(100);
    const std::string bytes = bytesOf(page);
    ASSERT_EQ(bytes.size(), 144284u);
    EXPECT_EQ(IntegerAt(bytes, 0), 100);

    const std::size_t item = 984 + 1280 * 7; // the eighth item
    EXPECT_EQ(TextAt(bytes, item, 255), "\xAF\xF3\xB3ty kubek nr 8");
    EXPECT_EQ(TextAt(bytes, item + 255, 20), "7,50");
    EXPECT_EQ(TextAt(bytes, item + 275, 750), "Glina z Boles\xB3"
                                              "awca.\r\nPojemno\x9C\xE6 300 ml \x96 \x84"
                                              "du\xBFy\x94.");
    EXPECT_EQ(TextAt(bytes, item + 1025, 255), "C:\\zdj\xEA"
                                               "cia\\kubek7.jpg");
    // An item whose picture was never chosen stores the picture's prompt.
    EXPECT_EQ(TextAt(bytes, 984 + 1280 * 8 + 1025, 255), "Kliknij aby wczyta\xE6 obrazek");

    // Link records follow the items and fill the last 15300 bytes.
    const std::size_t links = bytes.size() - 15300;
    EXPECT_EQ(links, 984u + 1280 * 100);
    EXPECT_EQ(TextAt(bytes, links, 255), "\xA3\xB9"
                                         "cze 1");
    EXPECT_EQ(TextAt(bytes, links + 510 * 29 + 255, 255), "C:\\strony\\\x9C"
                                                          "30.html");
}

TEST(ProjectLayout, IntegersAreLittleEndianAndUnaligned) {
    ShopPage page = FreshPage();
    page.Settings.PageLayout = 0x01020304;
    page.Settings.ColorScheme = -1;
    page.Settings.PictureWidth = 300;
    page.Settings.PictureHeight = -2;
    const std::string bytes = bytesOf(page);
    EXPECT_EQ(bytes.substr(81, 16), std::string("\x04\x03\x02\x01"
                                                "\xFF\xFF\xFF\xFF"
                                                "\x2C\x01\x00\x00"
                                                "\xFE\xFF\xFF\xFF",
                                                16));
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "a.esk");
    ASSERT_TRUE(read) << read.Error;
    EXPECT_EQ(read.Value->PageLayout, 0x01020304);
    EXPECT_EQ(read.Value->ColorScheme, -1);
    EXPECT_EQ(read.Value->PictureWidth, 300);
    EXPECT_EQ(read.Value->PictureHeight, -2);
}

TEST(ProjectLayout, TextOfWidthLessOneFillsItsFieldUpToTheNul) {
    ShopPage page = FreshPage();
    page.InsertItem();
    page.Item(0).Name = std::string(254, 'n');
    page.Item(0).Price = std::string(19, '9');
    page.Settings.BasketCaption = std::string(49, 'k');
    page.Settings.OrderEmail = std::string(69, 'e');
    const std::string bytes = bytesOf(page);
    EXPECT_EQ(bytes.substr(984, 255), std::string(254, 'n') + '\0');
    EXPECT_EQ(bytes.substr(984 + 255, 20), std::string(19, '9') + '\0');
    EXPECT_EQ(bytes.substr(862, 50), std::string(49, 'k') + '\0');
    EXPECT_EQ(bytes.substr(912, 70), std::string(69, 'e') + '\0');
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "a.esk");
    ASSERT_TRUE(read) << read.Error;
    EXPECT_EQ(read.Value->Items[0].Name, std::string(254, 'n'));
    EXPECT_EQ(read.Value->OrderEmail, std::string(69, 'e'));
}

TEST(ProjectLayout, WriterNeverSpillsIntoTheNextField) {
    ProjectRecord record;
    record.BasketCaption = std::string(50, 'k');
    EXPECT_THROW(SerializeProject(record), std::invalid_argument);
    record.BasketCaption = std::string("a\0b", 3);
    EXPECT_THROW(SerializeProject(record), std::invalid_argument);
    record.BasketCaption.clear();
    record.Items.resize(101);
    EXPECT_THROW(SerializeProject(record), std::invalid_argument);
}

TEST(ProjectLayout, NullInAHeaderTextReadsAsEmpty) {
    ShopPage page = FreshPage();
    page.InsertItem();
    page.Item(0).Name = "(null)";
    page.Settings.MenuLinks[0].Name = "(null)";
    std::string bytes = bytesOf(page);
    for (std::size_t offset : {97u, 352u, 607u, 862u, 912u})
        bytes.replace(offset, 7, std::string("(null)\0", 7));
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "a.esk");
    ASSERT_TRUE(read) << read.Error;
    const ProjectRecord& r = *read.Value;
    EXPECT_EQ(r.TexturePath, "");
    EXPECT_EQ(r.BannerPath, "");
    EXPECT_EQ(r.ShopTitle, "");
    EXPECT_EQ(r.BasketCaption, "");
    EXPECT_EQ(r.OrderEmail, "");
    // Only the five header texts: an item or a link may be called so.
    EXPECT_EQ(r.Items[0].Name, "(null)");
    EXPECT_EQ(r.Links[0].Name, "(null)");
}

TEST(ProjectLayout, BytesAfterTheNulAreIgnored) {
    std::string bytes = bytesOf(FreshPage());
    bytes.replace(607, 8, std::string("Sklep\0xy", 8));
    const ProjectOutcome<ProjectRecord> read = ParseProject(bytes, "a.esk");
    ASSERT_TRUE(read) << read.Error;
    EXPECT_EQ(read.Value->ShopTitle, "Sklep");
}
