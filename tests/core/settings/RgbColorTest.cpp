#include "core/settings/RgbColor.h"

#include <gtest/gtest.h>

using targello::RgbColor;

TEST(RgbColor, PackedFormHasRedInTheLowestByte) {
    const RgbColor color{0x12, 0x34, 0x56};
    EXPECT_EQ(color.packed(), 0x563412u);
    EXPECT_EQ(RgbColor::fromPacked(0x563412u), color);
    EXPECT_EQ(RgbColor::fromPacked(0xFF000080u), (RgbColor{0x80, 0, 0})); // the top byte is no colour
}

TEST(RgbColor, HexTextIsRedFirst) {
    EXPECT_EQ(RgbColor::fromHex("#FFFBF0"), (RgbColor{255, 251, 240}));
    EXPECT_EQ(RgbColor::fromHex("#000080"), (RgbColor{0, 0, 128}));
    EXPECT_EQ(RgbColor::fromHex("FFFBF0"), RgbColor{});
}
