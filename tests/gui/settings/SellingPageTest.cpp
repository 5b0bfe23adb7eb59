#include "OptionsFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace targello;

TEST_F(OptionsFixture, SellingTabStoresWhatTheTraderTypesAndRefusesAWrongAccount) {
    ShopPage& page = newPage();
    dialog_->show();
    // insert() edits as typing does; the test keyboard knows no Polish letters.
    find<QLineEdit>("SprzedawcaNazwa")->insert(QStringLiteral("Pasieka Łęg"));
    QTest::keyClicks(find<QLineEdit>("SprzedawcaNip"), QStringLiteral("osoba fizyczna"));
    find<QPlainTextEdit>("Dostawy")->setPlainText(QStringLiteral("Kurier;15,00\nOdbiór osobisty;0"));
    QTest::keyClicks(find<QLineEdit>("Pobranie"), QStringLiteral("5,00"));
    QTest::keyClicks(find<QLineEdit>("PrzelewKonto"), QStringLiteral("PL61 1090 1014 0000 0712 1981 2875"));

    EXPECT_FALSE(dialog_->applyOptionsToPage());
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].kind, ScriptedPlatform::Kind::Error);
    EXPECT_TRUE(shown()[0].text.startsWith(QStringLiteral("Numer konta jest błędny: cyfry kontrolne")));
    EXPECT_TRUE(page.Settings.Selling.SellerName.empty());

    QLineEdit* account = find<QLineEdit>("PrzelewKonto");
    account->selectAll();
    QTest::keyClicks(account, QStringLiteral("PL61 1090 1014 0000 0712 1981 2874"));
    find<QPushButton>("WzorRegulamin")->click();
    EXPECT_TRUE(dialog_->applyOptionsToPage());
    const SellingSettings& s = page.Settings.Selling;
    EXPECT_EQ(s.SellerName, "Pasieka Łęg");
    EXPECT_EQ(s.Delivery, (std::vector<DeliveryMethod>{{"Kurier", "15,00"}, {"Odbiór osobisty", "0"}}));
    EXPECT_EQ(s.CashOnDeliveryCost, "5,00");
    EXPECT_EQ(s.TransferAccount, "PL61 1090 1014 0000 0712 1981 2874");
    EXPECT_NE(s.Terms.find("prowadzi Pasieka Łęg"), std::string::npos);
    EXPECT_NE(s.Terms.find("– Kurier: 15,00 zł"), std::string::npos);

    // Shown again from the page, as stored.
    page.Settings.Selling.SellerName = "Inna";
    dialog_->loadPageIntoOptions();
    EXPECT_EQ(find<QLineEdit>("SprzedawcaNazwa")->text(), QStringLiteral("Inna"));
    EXPECT_EQ(find<QPlainTextEdit>("Dostawy")->toPlainText(),
              QStringLiteral("Kurier;15,00\nOdbiór osobisty;0\n"));
    EXPECT_EQ(find<QLineEdit>("SprzedawcaNip")->accessibleName(), QStringLiteral("NIP"));
}
