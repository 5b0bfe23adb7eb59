#include "core/generator/PageCharset.h"

#include <gtest/gtest.h>

using targello::ConvertToPageCharset;

TEST(ConvertToPageCharset, PolishLettersBecomeIso88592BytesAndOAcuteAReference) {
    EXPECT_EQ(ConvertToPageCharset("Łódź"), "\xA3&oacute;d\xBC");
    EXPECT_EQ(ConvertToPageCharset("ŚĄŹ"), "\xA6\xA1\xAC");
    EXPECT_EQ(ConvertToPageCharset("ąśź"), "\xB1\xB6\xBC");
    EXPECT_EQ(ConvertToPageCharset("Ó"), "&Oacute;");
    EXPECT_EQ(ConvertToPageCharset("ćęłńżĆĘŁŃŻ"), "\xE6\xEA\xB3\xF1\xBF\xC6\xCA\xA3\xD1\xAF");
    EXPECT_EQ(ConvertToPageCharset("temp/żółw.jpg"), "temp/\xBF&oacute;\xB3w.jpg");
}

TEST(ConvertToPageCharset, CharactersTheCodePageLacksBecomeNumericReferences) {
    EXPECT_EQ(ConvertToPageCharset("10 €"), "10 &#8364;");
    EXPECT_EQ(ConvertToPageCharset("„Kubek”"), "&#8222;Kubek&#8221;");
    EXPECT_EQ(ConvertToPageCharset("😀"), "&#128512;");
    // Other letters of the code page keep their byte: German, Czech, Hungarian.
    EXPECT_EQ(ConvertToPageCharset("äčő"), "\xE4\xE8\xF5");
}

TEST(ConvertToPageCharset, AsciiPassesAndBrokenUtf8IsMarked) {
    const std::string ascii = "<A href=\"a.htm\">x</A>\r\n&amp;";
    EXPECT_EQ(ConvertToPageCharset(ascii), ascii);
    EXPECT_EQ(ConvertToPageCharset("a\xC5"), "a&#65533;");
    EXPECT_EQ(ConvertToPageCharset("\xC0\xAF"), "&#65533;&#65533;"); // an overlong "/"
}
