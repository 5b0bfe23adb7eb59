#include "core/settings/UrlEscape.h"

#include <gtest/gtest.h>

using targello::MailtoAddressPart;
using targello::UrlEscape;
using targello::UrlPathStep;

TEST(UrlEscape, NonAsciiLettersBecomeEscapesOfTheirUtf8Bytes) {
    EXPECT_EQ(UrlEscape("a b#ł"), "a%20b%23%C5%82");
    EXPECT_EQ(UrlEscape("Żółw"), "%C5%BB%C3%B3%C5%82w");
    EXPECT_EQ(UrlEscape("*%<>"), "%2A%25%3C%3E");
    EXPECT_EQ(UrlEscape("a\tb\r\nc\x7F"), "a%09b%0D%0Ac%7F"); // browsers would drop them
}

TEST(UrlEscape, AddressCharactersPass) {
    EXPECT_EQ(UrlEscape("file:///C:/Strona-1/index.htm"), "file:///C:/Strona-1/index.htm");
    EXPECT_EQ(UrlEscape("AZaz09"), "AZaz09");
}

TEST(UrlEscape, PathStepsAndMailAddressesHoldNothingButThemselves) {
    struct Case {
        const char* Text;
        const char* Step;
        const char* Mail;
    };
    const Case cases[] = {
        {"Abc-09._~", "Abc-09._~", "Abc-09._~"},
        {"słoik pionowo.jpg", "s%C5%82oik%20pionowo.jpg", "s%C5%82oik%20pionowo.jpg"},
        {"50% #1?.jpg", "50%25%20%231%3F.jpg", "50%25%20%231%3F.jpg"},
        {"a\tb\r\n.jpg", "a%09b%0D%0A.jpg", "a%09b%0D%0A.jpg"},
        {"a/b\\c,d:e.jpg", "a%2Fb%5Cc%2Cd%3Ae.jpg", "a%2Fb%5Cc%2Cd%3Ae.jpg"},
        {"jan+sklep@b.pl", "jan%2Bsklep%40b.pl", "jan+sklep@b.pl"},
        {"a@b.pl?bcc=x@y.pl&body=x", "a%40b.pl%3Fbcc%3Dx%40y.pl%26body%3Dx",
         "a@b.pl%3Fbcc%3Dx@y.pl%26body%3Dx"},
        {"a@b.pl#x", "a%40b.pl%23x", "a@b.pl%23x"},
        {"a@b.pl%0D%0ABcc: x@y.pl", "a%40b.pl%250D%250ABcc%3A%20x%40y.pl", "a@b.pl%250D%250ABcc%3A%20x@y.pl"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UrlPathStep(c.Text), c.Step) << c.Text;
        EXPECT_EQ(MailtoAddressPart(c.Text), c.Mail) << c.Text;
    }
}
