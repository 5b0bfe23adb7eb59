#include "core/project/AnchorPaths.h"

#include <gtest/gtest.h>

namespace targello {
namespace {

#ifdef _WIN32
const std::string Folder = "C:\\Targello\\przyklad";
const std::string Elsewhere = "D:\\zosia\\miód.jpg";
const char Separator = '\\';
#else
const std::string Folder = "/usr/share/targello/przyklad";
const std::string Elsewhere = "/home/zosia/miód.jpg";
const char Separator = '/';
#endif

TEST(AnchorPathsTest, RelativeFilePathsGoBelowTheFolderAndTheOthersStay) {
    ProjectRecord record;
    record.TexturePath = "tekstura.jpg";
    record.BannerPath = "";
    record.Items.resize(3);
    record.Items[0].PicturePath = "obrazki/ser.jpg";
    record.Items[1].PicturePath = Elsewhere;
    record.Links[0].Path = "regulamin.html";

    AnchorPaths(record, Folder);
    EXPECT_EQ(record.TexturePath, Folder + Separator + "tekstura.jpg");
    EXPECT_EQ(record.BannerPath, "");
    EXPECT_EQ(record.Items[0].PicturePath, Folder + Separator + "obrazki" + Separator + "ser.jpg");
    EXPECT_EQ(record.Items[1].PicturePath, Elsewhere);
    EXPECT_EQ(record.Items[2].PicturePath, "");
    EXPECT_EQ(record.Links[0].Path, "regulamin.html");
}

} // namespace
} // namespace targello
