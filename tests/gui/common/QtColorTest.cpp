#include "gui/common/QtColor.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(QtColorTest, ShopColoursBecomeQtColoursAndBack) {
    const RgbColor sand{0xDA, 0xCF, 0xBC};
    const QColor shown = ToQColor(sand);
    EXPECT_EQ(shown, QColor(0xDA, 0xCF, 0xBC));
    EXPECT_EQ(ToRgbColor(shown), sand);
}

TEST(QtColorTest, AComponentOutOfRangeKeepsItsLowestByteAsThePackedFormDoes) {
    const RgbColor damaged{256 + 0x12, -1, 0x1FF};
    const QColor shown = ToQColor(damaged);
    ASSERT_TRUE(shown.isValid());
    EXPECT_EQ(shown, QColor(0x12, 0xFF, 0xFF));
    // The colour picker's packed form of the same colour says the same.
    EXPECT_EQ(ToRgbColor(shown), RgbColor::fromPacked(damaged.packed()));
}
