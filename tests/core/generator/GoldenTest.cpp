#include "Golden.h"

using targello::testing::MatchesGolden;
using targello::testing::UpdatingGolden;

// The golden check itself: a page that changed must not pass it.
TEST(Golden, AChangedTextFailsAndSaysWhereItParts) {
    if (UpdatingGolden())
        GTEST_SKIP() << "the golden files are being rewritten";
    const auto result = MatchesGolden("order-form-invoice.html", "</TABLE><BR><HR width=\"99%\"");
    ASSERT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("at byte 23"), std::string::npos) << result.message();
}

TEST(Golden, AMissingFileFailsAndNamesTheSwitchThatWritesIt) {
    if (UpdatingGolden())
        GTEST_SKIP() << "the golden files are being rewritten";
    const auto result = MatchesGolden("no-such-page.html", "<HTML>");
    ASSERT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("TARGELLO_UPDATE_GOLDEN=1"), std::string::npos);
}
