#include "core/modern/SellingInput.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(SellingInput, DeliveryListReadsOneMethodALine) {
    EXPECT_EQ(ParseDeliveryList(" Kurier ; 15,00\r\n\nPaczkomat;12\nOdbiór; Łęg;0\nGratis\n"),
              (std::vector<DeliveryMethod>{
                  {"Kurier", "15,00"}, {"Paczkomat", "12"}, {"Odbiór; Łęg", "0"}, {"Gratis", ""}}));
    const std::vector<DeliveryMethod> methods{{"Kurier", "15,00"}, {"Odbiór", ""}};
    EXPECT_EQ(ParseDeliveryList(DeliveryListText(methods)), methods);
}

TEST(SellingInput, WrongAccountsAndPricesAreRefusedWithTheirReason) {
    struct Case {
        void (*Change)(SellingSettings&);
        const char* Problem;
    };
    const Case cases[] = {
        {[](SellingSettings&) {}, ""},
        {[](SellingSettings& s) { s.TransferAccount = "PL61 1090 1014 0000 0712 1981 2875"; },
         "Numer konta jest błędny: cyfry kontrolne się nie zgadzają."},
        {[](SellingSettings& s) { s.Delivery[0].Price = "15 zł"; },
         "Cena dostawy „Kurier” nie jest kwotą: „15 zł”."},
        {[](SellingSettings& s) { s.Delivery[0].Name.clear(); },
         "Sposób dostawy z ceną „15,00” nie ma nazwy."},
        {[](SellingSettings& s) { s.FreeDeliveryFrom = "dużo"; },
         "Kwota darmowej dostawy nie jest kwotą: „dużo”."},
        {[](SellingSettings& s) { s.CashOnDeliveryCost = "5 zł"; },
         "Dopłata za płatność przy odbiorze nie jest kwotą: „5 zł”."},
    };
    for (const Case& c : cases) {
        SellingSettings s;
        s.TransferAccount = "PL61 1090 1014 0000 0712 1981 2874";
        s.Delivery = {{"Kurier", "15,00"}};
        s.FreeDeliveryFrom = "200";
        s.CashOnDeliveryCost = "5,00";
        c.Change(s);
        EXPECT_TRUE(SellingProblem(s).starts_with(c.Problem)) << SellingProblem(s);
        EXPECT_EQ(SellingProblem(s).empty(), std::string(c.Problem).empty());
    }
}
