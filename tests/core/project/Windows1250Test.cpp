#include "core/project/Windows1250.h"

#include "core/project/PolishCount.h"

#include <gtest/gtest.h>
#include <set>

using namespace targello;

TEST(Windows1250, PolishLettersTakeOneByteEach) {
    EXPECT_EQ(EncodeWindows1250("kupuję").Bytes, "\x6B\x75\x70\x75\x6A\xEA");
    EXPECT_EQ(EncodeWindows1250("ąćęłńóśźż").Bytes, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_EQ(EncodeWindows1250("ĄĆĘŁŃÓŚŹŻ").Bytes, "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(EncodeWindows1250("€ „cytat” – ©").Bytes, "\x80 \x84"
                                                        "cytat\x94 \x96 \xA9");
    EXPECT_EQ(DecodeWindows1250("\x6B\x75\x70\x75\x6A\xEA"), "kupuję");
}

TEST(Windows1250, EveryByteComesBackAsItWasWritten) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        const std::string text = DecodeWindows1250(original);
        const Windows1250Text again = EncodeWindows1250(text);
        ASSERT_FALSE(again.Failed) << byte;
        EXPECT_EQ(again.Bytes, original) << byte;
    }
    // No two bytes share a character.
    std::set<std::string> seen;
    for (int byte = 0; byte < 256; ++byte)
        seen.insert(DecodeWindows1250(std::string(1, static_cast<char>(byte))));
    EXPECT_EQ(seen.size(), 256u);
}

TEST(Windows1250, CharactersItCannotHoldAreReportedNotDropped) {
    const Windows1250Text emoji = EncodeWindows1250("miód 😀");
    EXPECT_TRUE(emoji.Failed);
    EXPECT_EQ(emoji.Unencodable, U'\U0001F600');
    EXPECT_TRUE(emoji.Bytes.empty());

    EXPECT_EQ(EncodeWindows1250("茶").Unencodable, U'茶');
    EXPECT_EQ(EncodeWindows1250("ŧ").Unencodable, U'ŧ'); // Latin, but not in this code page
    EXPECT_EQ(EncodeWindows1250(std::string("a\0b", 3)).Unencodable, U'\0');
    EXPECT_TRUE(EncodeWindows1250(std::string("a\0b", 3)).Failed);
}

TEST(Windows1250, MalformedUtf8IsRefused) {
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80", "\xFF"}) {
        const Windows1250Text result = EncodeWindows1250(bad);
        EXPECT_TRUE(result.Failed) << bad;
        EXPECT_EQ(result.Unencodable, Windows1250Text::InvalidUtf8);
    }
}

TEST(PolishCount, NounFollowsTheNumber) {
    EXPECT_EQ(PolishCount(1, "znak", "znaki", "znaków"), "1 znak");
    EXPECT_EQ(PolishCount(254, "znak", "znaki", "znaków"), "254 znaki");
    EXPECT_EQ(PolishCount(12, "znak", "znaki", "znaków"), "12 znaków");
    EXPECT_EQ(PolishCount(113, "znak", "znaki", "znaków"), "113 znaków");
    EXPECT_EQ(PolishCount(0, "bajt", "bajty", "bajtów"), "0 bajtów");
    EXPECT_EQ(PolishCount(16284, "bajt", "bajty", "bajtów"), "16284 bajty");
    EXPECT_EQ(PolishCount(750, "bajt", "bajty", "bajtów"), "750 bajtów");
}
