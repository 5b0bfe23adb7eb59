#include "core/settings/UrlEscape.h"

#include <gtest/gtest.h>

using targello::UrlEscape;

TEST(UrlEscape, NonAsciiLettersBecomeEscapesOfTheirUtf8Bytes) {
    EXPECT_EQ(UrlEscape("a b#ł"), "a%20b%23%C5%82");
    EXPECT_EQ(UrlEscape("Żółw"), "%C5%BB%C3%B3%C5%82w");
    EXPECT_EQ(UrlEscape("*%<>"), "%2A%25%3C%3E");
}

TEST(UrlEscape, AddressCharactersPass) {
    EXPECT_EQ(UrlEscape("file:///C:/Strona-1/index.htm"), "file:///C:/Strona-1/index.htm");
    EXPECT_EQ(UrlEscape("AZaz09"), "AZaz09");
}
