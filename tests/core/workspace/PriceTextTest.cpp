#include "core/workspace/PriceText.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(PriceText, AcceptsAmountsWithDecimalCommaSignAndExponent) {
    for (const char* text : {"-5", "12,50", "1,5e2", ",", "5,", ",5", "  +7  ", "0,00", "1E-3", "-,", "0,12345",
                             "922337203685477", "-922337203685477", "922337203685477,5807"})
        EXPECT_TRUE(IsAcceptablePriceText(text)) << text;
}

TEST(PriceText, AcceptsTheStatesOnTheWayToAnAmount) {
    EXPECT_TRUE(IsAcceptablePriceText(""));
    EXPECT_TRUE(IsAcceptablePriceText("-"));
    EXPECT_FALSE(PriceInTenThousandths("-").has_value());
}

TEST(PriceText, RejectsOtherForms) {
    for (const char* text : {"12.50", " ", "+", "1,2,3", "1e", "e5", "12 zł", "1e+", "--1", "1 000", "0x10",
                             "922337203685478", "922337203685477,5808", "1e15", "99999999999999999999"})
        EXPECT_FALSE(IsAcceptablePriceText(text)) << text;
}

TEST(PriceText, AmountCountsFourDecimalPlaces) {
    EXPECT_EQ(PriceInTenThousandths("12,50"), 125000);
    EXPECT_EQ(PriceInTenThousandths("1,5e2"), 1500000);
    EXPECT_EQ(PriceInTenThousandths("-0,00005"), -1);
    EXPECT_EQ(PriceInTenThousandths("0,00004"), 0);
    EXPECT_EQ(PriceInTenThousandths("1000e-3"), 10000);
    EXPECT_EQ(PriceInTenThousandths("-922337203685477,5808"), INT64_MIN);
}

TEST(PriceText, ScriptNumberIsAPlainJavaScriptLiteral) {
    EXPECT_EQ(PriceAsScriptNumber("12,50"), "12.5");
    EXPECT_EQ(PriceAsScriptNumber("0,99"), "0.99");
    EXPECT_EQ(PriceAsScriptNumber("1,5e2"), "150");
    EXPECT_EQ(PriceAsScriptNumber("-5"), "-5");
    EXPECT_EQ(PriceAsScriptNumber(","), "0");
    EXPECT_EQ(PriceAsScriptNumber(""), "0");
    EXPECT_EQ(PriceAsScriptNumber("-"), "0");
    EXPECT_EQ(PriceAsScriptNumber("abc"), "0");
}
