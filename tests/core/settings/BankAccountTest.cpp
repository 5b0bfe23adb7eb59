#include "core/settings/BankAccount.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(BankAccount, CheckDigitsAcceptTheGoodNumberAndRefuseTypingSlips) {
    const std::string good = "61109010140000071219812874";
    struct Case {
        const char* Typed;
        bool Good;
        const char* ProblemStart;
    };
    const Case cases[] = {
        {"61109010140000071219812874", true, ""},
        {"61 1090 1014 0000 0712 1981 2874", true, ""},
        {"PL61 1090 1014 0000 0712 1981 2874", true, ""},
        {"pl61109010140000071219812874", true, ""},
        {"61 1090 1014 0000 0712 1981 2875", false, "Numer konta jest błędny: cyfry kontrolne"}, // one digit
        {"61 1090 1014 0000 0712 1981 8274", false, "Numer konta jest błędny: cyfry kontrolne"}, // swapped
        {"61 1090 1014 0000 0172 1981 2874", false, "Numer konta jest błędny: cyfry kontrolne"}, // swapped
        {"61 1090 1014 0000 0712 1981 287", false, "Numer konta ma 26 cyfr, a wpisany ma 25."},
        {"DE61 1090 1014 0000 0712 1981 2874", false, "Numer konta może zawierać tylko cyfry"},
        {"", false, "Numer konta ma 26 cyfr, a wpisany ma 0."},
    };
    for (const Case& c : cases) {
        const BankAccount account = ReadBankAccount(c.Typed);
        EXPECT_EQ(account.Good(), c.Good) << c.Typed;
        EXPECT_EQ(account.Digits, c.Good ? good : "") << c.Typed;
        EXPECT_TRUE(account.Problem.starts_with(c.ProblemStart)) << c.Typed << ": " << account.Problem;
    }
    EXPECT_EQ(GroupedAccount(good), "61 1090 1014 0000 0712 1981 2874");
}
