#include "core/generator/HtmlText.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(HtmlColor, RedGreenBlueAsUpperCaseHex) {
    EXPECT_EQ(HtmlColor({255, 251, 240}), "#FFFBF0");
    EXPECT_EQ(HtmlColor({0, 0, 128}), "#000080");
    EXPECT_EQ(HtmlColor(RgbColor::fromPacked(0x00F0FBFFu)), "#FFFBF0");
}

TEST(ScriptStringText, NothingCanEndTheStringTheAttributeOrTheElement) {
    EXPECT_EQ(ScriptStringText(R"(Kubek 'Ala' "B")"), R"(Kubek \x27Ala\x27 \x22B\x22)");
    EXPECT_EQ(ScriptStringText(R"(a\b)"), R"(a\\b)");
    EXPECT_EQ(ScriptStringText("<b>&</script>"), R"(\x3Cb\x3E\x26\x3C/script\x3E)");
    EXPECT_EQ(ScriptStringText("1\r\n2\t"), R"(1\r\n2\t)");
}

TEST(ScriptStringText, CharactersThatWouldBecomeReferencesAreUnicodeEscapes) {
    EXPECT_EQ(ScriptStringText("Łódź"), "Ł\\u00F3dź"); // ó would be &oacute;
    EXPECT_EQ(ScriptStringText("ÓWNY"), "\\u00D3WNY");
    EXPECT_EQ(ScriptStringText("5 € „x”"), "5 \\u20AC \\u201Ex\\u201D");
    EXPECT_EQ(ScriptStringText("😀"), "\\uD83D\\uDE00");
    EXPECT_EQ(ScriptStringText("zażółć"), "za\xC5\xBC\\u00F3\xC5\x82\xC4\x87");
}

TEST(AttributeText, QuotesAndAmpersandsBecomeReferences) {
    EXPECT_EQ(AttributeText(R"(Kup "teraz" & 'zaraz')"), "Kup &quot;teraz&quot; &amp; 'zaraz'");
    EXPECT_EQ(AddressStepText("50% #1?.jpg"), "50%25 %231%3F.jpg");
    EXPECT_EQ(AddressStepText("a\tb\r\n\\c\x7F.jpg"), "a%09b%0D%0A%5Cc%7F.jpg"); // browsers drop or turn them
}
