#include "core/settings/LegalTemplates.h"

#include "core/settings/SellingSettings.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(LegalTemplates, FillInTheSellerDeliveryAndPayment) {
    SellingSettings s;
    s.SellerName = "Pasieka Łęg";
    s.SellerAddress = "ul. Miodowa 1, 00-001 Łęg";
    s.SellerNip = "osoba fizyczna";
    s.SellerEmail = "pasieka@example.pl";
    s.Delivery = {{"Kurier", "15,00"}};
    s.FreeDeliveryFrom = "200";
    s.CashOnDeliveryCost = "5,00";
    const std::string terms = TermsTemplate(s, "Miody");
    for (const char* part : {"„Miody” prowadzi Pasieka Łęg, ul. Miodowa 1, 00-001 Łęg (osoba fizyczna)",
                             "– Kurier: 15,00 zł", "od 200 zł dostawa jest bezpłatna",
                             "przy odbiorze przesyłki (dopłata 5,00 zł)", "„Zamawiam i płacę”", "14 dni"})
        EXPECT_NE(terms.find(part), std::string::npos) << part;
    EXPECT_EQ(terms.find("przelewem"), std::string::npos); // no transfer offered
    EXPECT_NE(PrivacyTemplate(s).find("Administratorem danych osobowych kupujących jest Pasieka Łęg"),
              std::string::npos);
    EXPECT_NE(WithdrawalTemplate(s).find("Wzór formularza odstąpienia od umowy"), std::string::npos);
}

TEST(LegalTemplates, ExportWarnsOnceAboutWhatIsMissing) {
    struct Case {
        bool Seller;
        bool Terms;
        std::vector<std::string> Named;
    };
    const std::vector<Case> cases = {
        {false, false, {"danych sprzedawcy", "regulaminu"}},
        {true, false, {"regulaminu"}},
        {false, true, {"danych sprzedawcy"}},
        {true, true, {}},
    };
    for (const Case& c : cases) {
        SellingSettings s;
        if (c.Seller)
            s.SellerName = "Pasieka";
        if (c.Terms)
            s.Terms = s.Privacy = "tekst";
        const std::string warning = SellingGapsWarning(s);
        EXPECT_EQ(warning.empty(), c.Named.empty());
        for (const char* part : {"danych sprzedawcy", "regulaminu"}) {
            const bool named = std::find(c.Named.begin(), c.Named.end(), part) != c.Named.end();
            EXPECT_EQ(warning.find(part) != std::string::npos, named) << part;
        }
    }
}
